// The whole program on a working folder made from the input, driven through a sequence of
// user actions; after each the invariants of CheckedProgram are checked, and at the end
// that nothing but the settings file was written.
//
// Input: the genus list, the character file and the species file of the genus folder
// "GENUS", each followed by byte 0x1E; then the kind of searching in the settings file
// (0..3), then the actions, each an action byte and its argument bytes.
#include "FuzzSupport.h"

using namespace sporix;

namespace {

constexpr int kMaxActions = 64;

enum Action : std::uint8_t {
    kChooseGenus,
    kChooseState,
    kTypeText,
    kSwitchKind,
    kStepBack,
    kStartAgain,
    kClearAll,
    kCompare,
    kOpenDescription,
    kHeadingClick,
    kSwitchLanguage,
    kActionCount
};

void perform(fuzz::CheckedProgram& program, fuzz::InputBytes& input) {
    switch (input.byte() % kActionCount) {
        case kChooseGenus:
            program.chooseGenus(1 + input.byte() % kMaxGenera);
            break;
        case kChooseState: {
            const int row = 1 + input.byte() % kMaxCharacters;
            program.chooseItem(row, input.byte() % (kMaxStates + 1));
            break;
        }
        case kTypeText: {
            const int row = 1 + input.byte() % kMaxCharacters;
            program.type(row, std::string(input.take(input.byte() % 32)));
            break;
        }
        case kSwitchKind:
            program.switchKind(input.byte() % 2 == 1);
            break;
        case kStepBack:
            program.stepBack();
            break;
        case kStartAgain:
            program.startAgain();
            break;
        case kClearAll:
            program.clearAll();
            break;
        case kCompare: {
            std::uint64_t ticks = 0;
            for (int i = 0; i < 5; ++i) ticks = (ticks << 8) | input.byte();
            program.compare(ticks);
            break;
        }
        case kOpenDescription:
            program.openDescription(input.byte() % 40);
            break;
        case kHeadingClick:
            program.headingClick(1 + input.byte() % 3);
            break;
        case kSwitchLanguage:
            program.switchLanguage(1 + input.byte() % 6);
            break;
        default:
            break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::InputBytes input(data, size);
    const auto& folder = fuzz::ScratchFolder::instance();
    folder.clear();
    folder.write("genuslst.txt", input.part());
    folder.write("GENUS.FEA", input.part());
    folder.write("GENUS.SPE", input.part());
    folder.write("SpxInit.txt", fuzz::settingsText(input.byte() % 4));
    folder.write("InitUK.Txt", fuzz::numberedTexts());
    const auto before = folder.listing();

    fuzz::CheckedProgram program;
    program.start();
    for (int k = 0; k < kMaxActions && !input.empty(); ++k) perform(program, input);
    folder.requireUnchangedSince(before);
    return 0;
}

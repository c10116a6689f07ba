// The species file through every pass over it: counting, the scoring of the search over
// all species, the filter of the rest-species search with a step back, and the comparison.
// The genus around it is fixed, its characters have the states A..T; beyond the 42 that
// the table holds, the records keep a value line for each further character.
//
// Input: byte 1 the number of characters (0..45), bytes 2..7 three choices (row, state),
// byte 8 the ticks for the comparison, then the species file.
#include <algorithm>

#include "ByteBuffer.h"
#include "FuzzSupport.h"
#include "SpeciesFile.h"

using namespace sporix;

namespace {

constexpr const char* kStateCodes = "ABCDEFGHIJKLMNOPQRST";

std::string characterFile(int count) {
    std::string text;
    for (int k = 1; k <= count; ++k) {
        text += "Character " + std::to_string(k) + "\r\n";
        for (const char* code = kStateCodes; *code != '\0'; ++code) {
            std::string state = "state " + std::string(1, *code);
            state.resize(kStateTextWidth, ' ');
            text += state + *code + "\r\n";
        }
        text += ".\r\n";
    }
    return text;
}

struct Choice {
    int row;
    std::size_t state;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::InputBytes input(data, size);
    const int characters = input.byte() % (kMaxCharacters + 4);
    const RecordShape shape{std::min(characters, kMaxCharacters), std::max(characters - kMaxCharacters, 0)};
    Choice choices[3];
    for (Choice& choice : choices) {
        choice.row = 1 + input.byte() % kMaxCharacters;
        choice.state = input.byte() % (kMaxStates + 1);  // one past the last: no state
    }
    const std::uint64_t ticks = input.byte();
    const std::string_view species = input.rest();

    ByteBuffer counted(species);
    const RecordCount count = countSpeciesRecords(counted, shape);
    fuzz::require(
        count.records >= 1 && count.records <= kMaxSpecies && (!count.overLimit || count.records == kMaxSpecies),
        "records counted: " + std::to_string(count.records));

    const auto& folder = fuzz::ScratchFolder::instance();
    folder.clear();
    folder.write("SpxInit.txt", fuzz::settingsText(1));
    folder.write("InitUK.Txt", fuzz::numberedTexts());
    folder.write("genuslst.txt", "Tst\r\nGENUS\r\nGenus\r\n");
    folder.write("GENUS.FEA", characterFile(characters));
    folder.write("GENUS.SPE", species);
    const auto before = folder.listing();

    fuzz::CheckedProgram program;
    program.start();
    program.chooseGenus(1);
    const RecordShape loaded = program.state().genus.recordShape();
    fuzz::require(loaded.characterCount == shape.characterCount && loaded.unusedValueLines == shape.unusedValueLines,
                  "the characters were not all read");
    fuzz::require(program.state().genus.speciesCount == count.records, "loading counted another number of species");

    // Scoring: a search after each choice, then the comparison of the ticked lines.
    for (const Choice& choice : choices) program.chooseItem(choice.row, choice.state);
    program.compare(ticks);

    // The filter: one choice per search, a step back, the comparison again.
    program.switchKind(true);
    for (const Choice& choice : choices) program.chooseItem(choice.row, choice.state);
    program.stepBack();
    program.compare(ticks);
    program.openDescription(0);

    folder.requireUnchangedSince(before);
    return 0;
}

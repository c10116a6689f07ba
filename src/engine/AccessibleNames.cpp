#include "AccessibleNames.h"

#include "InterfaceTexts.h"
#include "Languages.h"

namespace sporix {

namespace {

std::string withArgument(const std::string& text, const std::string& argument) {
    std::string result = text;
    const auto at = result.find("%1");
    if (at != std::string::npos) result.replace(at, 2, argument);
    return result;
}

std::string withoutTrailingBlanks(const std::string& text) {
    const auto end = text.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

}  // namespace

AccessibleTexts englishAccessibleTexts() {
    return {"Picture: %1", "Row %1, no character", "Species found", "Agreement in percent", "Tick to compare",
            "Description"};
}

void readAccessibleTexts(Context& c) {
    AccessibleTexts& texts = c.state.accessibleTexts;
    texts = englishAccessibleTexts();
    auto file = c.folder.openForReading(languageFileName(kAccessibleTextStem, c.state.settings.languageIndex));
    if (!file) return;
    const NumberedTexts read = readNumberedTexts(*file, kAccessibleTextCount);
    for (std::size_t k = 0; k < read.lines; ++k) {
        if (!read.texts[k].empty()) texts[k] = read.texts[k];
    }
}

void nameControls(ProgramState& state) {
    const AccessibleTexts& texts = state.accessibleTexts;
    MainWindowView& main = state.views.main;
    for (std::size_t k = 0; k < kMaxCharacters; ++k) {
        CharacterRowView& row = main.rows[k];
        const std::string character = withoutTrailingBlanks(row.labelCaption);
        const std::string rowName = character.empty() ? withArgument(texts[kUnusedRow], std::to_string(k + 1)) : character;
        row.comboAccessibleName = rowName;
        row.buttonAccessibleName = withArgument(texts[kPictureButton], rowName);
    }
    main.listBox1AccessibleName = texts[kSpeciesList];
    main.listBox2AccessibleName = texts[kPercentList];
    main.checkListAccessibleName = texts[kTickList];
    state.views.description.memoAccessibleName = texts[kDescriptionText];
}

}  // namespace sporix

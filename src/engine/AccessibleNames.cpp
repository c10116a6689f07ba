#include "AccessibleNames.h"

#include "LanguageTexts.h"
#include "ShortText.h"

namespace sporix {

AccessibleTexts englishAccessibleTexts() {
    return {"Picture: %1", "Row %1, no character", "Species found", "Agreement in percent", "Tick to compare",
            "Description", "Compare %1", "%1, %2 percent", "no longer tells the species apart"};
}

void readAccessibleTexts(Context& c) {
    AccessibleTexts& texts = c.state.accessibleTexts;
    texts = englishAccessibleTexts();
    readLanguageTexts(c.folder, kAccessibleTextStem, c.state.settings.languageIndex, texts);
}

namespace {

std::string withoutBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : withoutTrailingBlanks(text.substr(first));
}

// Each species is read with its percentage, each tick box with the species beside it.
void nameListEntries(const AccessibleTexts& texts, MainWindowView& main) {
    main.listBox1AccessibleItems.clear();
    for (std::size_t k = 0; k < main.listBox1.size(); ++k) {
        const std::string& species = main.listBox1[k];
        const std::string percent = k < main.listBox2.size() ? withoutBlanks(main.listBox2[k]) : std::string();
        main.listBox1AccessibleItems.push_back(percent.empty() ? species
                                                               : withArguments(texts[kSpeciesAgreement], {species, percent}));
    }
    main.checkListAccessibleItems.clear();
    for (int k = 0; k < main.checkListItems; ++k) {
        const auto index = static_cast<std::size_t>(k);
        const std::string species = index < main.listBox1.size() ? main.listBox1[index] : std::string();
        main.checkListAccessibleItems.push_back(withArguments(texts[kTickBox], {species}));
    }
}

}  // namespace

void nameControls(ProgramState& state) {
    const AccessibleTexts& texts = state.accessibleTexts;
    MainWindowView& main = state.views.main;
    for (std::size_t k = 0; k < kMaxCharacters; ++k) {
        CharacterRowView& row = main.rows[k];
        const std::string character = withoutTrailingBlanks(row.labelCaption);
        const std::string rowName =
            character.empty() ? withArguments(texts[kUnusedRow], {std::to_string(k + 1)}) : character;
        row.comboAccessibleName = rowName;
        row.buttonAccessibleName = withArguments(texts[kPictureButton], {rowName});
        const bool greyed = !character.empty() && !row.labelEnabled;
        row.comboAccessibleDescription = greyed ? texts[kGreyedCharacter] : std::string();
    }
    main.listBox1AccessibleName = texts[kSpeciesList];
    main.listBox2AccessibleName = texts[kPercentList];
    main.checkListAccessibleName = texts[kTickList];
    nameListEntries(texts, main);
    state.views.description.memoAccessibleName = texts[kDescriptionText];
}

}  // namespace sporix

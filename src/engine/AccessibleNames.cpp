#include "AccessibleNames.h"

#include "LanguageTexts.h"
#include "ShortText.h"

namespace sporix {

AccessibleTexts englishAccessibleTexts() {
    return {"Picture: %1", "Row %1, no character", "Species found", "Agreement in percent", "Tick to compare",
            "Description"};
}

void readAccessibleTexts(Context& c) {
    AccessibleTexts& texts = c.state.accessibleTexts;
    texts = englishAccessibleTexts();
    readLanguageTexts(c.folder, kAccessibleTextStem, c.state.settings.languageIndex, texts);
}

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
    }
    main.listBox1AccessibleName = texts[kSpeciesList];
    main.listBox2AccessibleName = texts[kPercentList];
    main.checkListAccessibleName = texts[kTickList];
    state.views.description.memoAccessibleName = texts[kDescriptionText];
}

}  // namespace sporix

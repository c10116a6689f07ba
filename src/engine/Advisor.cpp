#include "Advisor.h"

#include <exception>

#include "AdviceInput.h"
#include "AdviceView.h"
#include "Description.h"
#include "LanguageTexts.h"

namespace sporix {

void readAdviceTexts(Context& c) {
    c.state.adviceTexts = englishAdviceTexts();
    readLanguageTexts(c.folder, kAdviceTextStem, c.state.settings.languageIndex, c.state.adviceTexts);
}

void updateAdvice(Context& c) {
    try {
        c.state.advice = computeAdvice(readAdviceInput(c.state, c.folder));
    } catch (const std::exception&) {
        // The action's own reading reports a file that fails; the advice only says so.
        c.state.advice = Advice{};
        c.state.advice.status = AdviceStatus::SpeciesFileUnreadable;
    }
    showAdvice(c.state.advice, c.state.adviceTexts, c.state.views);
}

void advisor1Click(Context& c) { c.state.views.advisor.show(); }

void advisorLineClick(Context& c, int line) {
    const auto& lines = c.state.views.advisor.lines;
    if (line < 0 || static_cast<std::size_t>(line) >= lines.size()) return;
    const AdviceLine& clicked = lines[static_cast<std::size_t>(line)];
    if (clicked.row > 0) {
        c.main().dropDownRow = clicked.row;
        ++c.main().dropDownOpenings;
    } else if (!clicked.speciesCode.empty()) {
        c.main().image1Visible = false;
        c.state.description.selectedLine = clicked.speciesName;
        c.state.description.speciesCode = clicked.speciesCode;
        openSpeciesDescription(c, DescriptionEntry::Advisor);
    }
}

}  // namespace sporix

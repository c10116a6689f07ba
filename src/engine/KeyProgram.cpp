#include "KeyProgram.h"

#include <exception>

#include "AccessibleNames.h"
#include "Advisor.h"
#include "ClearAll.h"
#include "Comparison.h"
#include "Description.h"
#include "GenusMenu.h"
#include "HelpInfo.h"
#include "Illustration.h"
#include "RestSearch.h"
#include "Search.h"
#include "StartUp.h"

namespace sporix {

namespace {
constexpr bool kAdvise = true;
}

KeyProgram::KeyProgram(const WorkFolder& folder, UserMessages& messages, PictureLoader& pictures)
    : context_{state_, folder, messages, pictures} {
    updateAdvice(context_);
    nameControls(state_);
}

void KeyProgram::run(const std::function<void(Context&)>& handler, bool advise) {
    try {
        handler(context_);
    } catch (const std::exception& error) {
        context_.messages.reportError(error.what());
    }
    if (advise) updateAdvice(context_);
    nameControls(state_);
}

// The activation re-reads the texts and the kind of searching from the settings file.
void KeyProgram::N31Click() { run(loadSettingsAndTexts, kAdvise); }
void KeyProgram::Genera1Click() { run(genera1Click); }
void KeyProgram::GenusItemClick(int item) {
    run([item](Context& c) { genusItemClick(c, item); }, kAdvise);
}

void KeyProgram::ComboBoxChange(const std::vector<std::string>& texts) {
    const auto change = [&texts](Context& c) {
        for (std::size_t row = 0; row < kMaxCharacters && row < texts.size(); ++row) c.main().rows[row].comboText = texts[row];
        searchautomatic1Click(c);
    };
    run(change, kAdvise);
}

void KeyProgram::ClearAll1Click() { run(clearAll, kAdvise); }
void KeyProgram::Stepback1Click() { run(stepback1Click, kAdvise); }
void KeyProgram::SpeedButton1Click() { run(speedButton1Click, kAdvise); }
void KeyProgram::Usingallspeciesallcharcters1Click() { run(usingAllSpeciesClick, kAdvise); }
void KeyProgram::Usingrestspeciesafterlastcharacter1Click() { run(usingRestSpeciesClick, kAdvise); }
void KeyProgram::LanguageClick(int languageIndex) {
    run([languageIndex](Context& c) { switchLanguage(c, languageIndex); }, kAdvise);
}
void KeyProgram::ButtonClick(int row) { run([row](Context& c) { showCharacterIllustration(c, row); }); }
void KeyProgram::Species1Click(int selectedIndex) { run([selectedIndex](Context& c) { species1Click(c, selectedIndex); }); }

void KeyProgram::Comparespecies1Click(const std::vector<bool>& ticks) {
    run([&ticks](Context& c) {
        if (c.main().comparespecies1.enabled) comparespecies1Click(c, ticks);
    });
}

void KeyProgram::Howtostart1Click() { run(howtostart1Click); }
void KeyProgram::HelpItemClick(int language) { run([language](Context& c) { helpItemClick(c, language); }); }
void KeyProgram::AboutProgram1Click() { run(aboutProgram1Click); }
void KeyProgram::Advisor1Click() { run(advisor1Click); }

void KeyProgram::SlideClick() { run(slideButtonClick); }
void KeyProgram::CloseClick() { run(closeButtonClick); }
void KeyProgram::SlideFormClose() { run(slideWindowClosed); }
void KeyProgram::DescriptionFormClose() { state_.views.description.visible = false; }
void KeyProgram::ComparisonFormClose() { state_.views.comparison.visible = false; }
void KeyProgram::HelpFormClose() { state_.views.help.visible = false; }
void KeyProgram::HeadingClick(int column) { run([column](Context& c) { headingClick(c, column); }); }

void KeyProgram::AdvisorLineClick(int line) {
    run([line](Context& c) { advisorLineClick(c, line); });
}
void KeyProgram::AdvisorFormClose() { state_.views.advisor.visible = false; }

}  // namespace sporix

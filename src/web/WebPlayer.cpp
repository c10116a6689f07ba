#include "WebPlayer.h"

#include "SettingsFile.h"
#include "StartUp.h"

namespace sporix {

namespace {

// The settings of a first visit: English, no kind of searching chosen yet.
constexpr std::uint16_t kFirstLanguage = 1;
constexpr std::uint16_t kNoSearchKind = 0;

}  // namespace

WebPlayer::WebPlayer(std::filesystem::path keyFolder, PictureCatalogue& pictures)
    : folder_(std::move(keyFolder)), pictures_(folder_, pictures), program_(folder_, messages_, pictures_) {
    if (!folder_.fileExists(kSettingsFileName)) {
        folder_.replaceFile(kSettingsFileName, formatSettings(kFirstLanguage, kNoSearchKind));
    }
}

std::string WebPlayer::update() { return updateJson(messages_.take(), program_.views(), facts()); }

PageFacts WebPlayer::facts() const {
    const ProgramState& state = program_.state();
    const std::string& species = state.description.selectedName;
    PageFacts facts{state.settings.languageIndex, {}, species.empty() ? species : state.currentGenus.displayName + " " + species};
    for (const GenusEntry& genus : state.genusList) facts.genusFolders.push_back(genus.folder);
    return facts;
}

std::string WebPlayer::activate() { return after(&KeyProgram::N31Click); }

std::string WebPlayer::openGenera() { return after(&KeyProgram::Genera1Click); }

std::string WebPlayer::chooseGenus(int item) {
    program_.GenusItemClick(item);
    const ProgramState& state = program_.state();
    const std::string missing = state.genus.characterFileName + " " + state.text(7);
    messages_.shorten(missing + "; " + state.text(13), missing.size());
    return update();
}

// The list's own bytes go back to the engine, so a state is chosen exactly as the desktop's
// drop-down list chooses it, whatever bytes its text holds.
std::string WebPlayer::chooseState(int row, int item) {
    const auto& rows = program_.views().main.rows;
    if (row < 1 || row > kMaxCharacters) return update();
    const auto& items = rows[static_cast<std::size_t>(row - 1)].comboItems;
    if (item >= static_cast<int>(items.size())) return update();
    std::vector<std::string> texts;
    for (const auto& shown : rows) texts.push_back(shown.comboText);
    texts[static_cast<std::size_t>(row - 1)] = item < 0 ? std::string() : items[static_cast<std::size_t>(item)];
    program_.ComboBoxChange(texts);
    return update();
}

std::string WebPlayer::clearAll() { return after(&KeyProgram::ClearAll1Click); }

std::string WebPlayer::stepBack() { return after(&KeyProgram::Stepback1Click); }

std::string WebPlayer::speedButton() { return after(&KeyProgram::SpeedButton1Click); }

std::string WebPlayer::searchKind(int kind) {
    if (kind == 1) program_.Usingallspeciesallcharcters1Click();
    if (kind == 2) program_.Usingrestspeciesafterlastcharacter1Click();
    return update();
}

std::string WebPlayer::language(int index) {
    const ProgramState& state = program_.state();
    if (!state.currentGenus.folder.empty()) return after(&KeyProgram::LanguageClick, index);
    // No genus to load again: the settings change and the texts are read in the new language.
    folder_.replaceFile(kSettingsFileName, formatSettings(static_cast<std::uint16_t>(index), state.settings.searchKind));
    return after(&KeyProgram::N31Click);
}

std::string WebPlayer::characterPicture(int row) { return after(&KeyProgram::ButtonClick, row); }

std::string WebPlayer::openSpecies(int index) { return after(&KeyProgram::Species1Click, index); }

std::string WebPlayer::compare(const std::vector<int>& tickedItems) {
    std::vector<bool> ticks(static_cast<std::size_t>(program_.views().main.checkListItems), false);
    for (const int item : tickedItems) {
        if (item >= 0 && static_cast<std::size_t>(item) < ticks.size()) ticks[static_cast<std::size_t>(item)] = true;
    }
    program_.Comparespecies1Click(ticks);
    return update();
}

std::string WebPlayer::slide() { return after(&KeyProgram::SlideClick); }

std::string WebPlayer::closeDescription() { return after(&KeyProgram::CloseClick); }

std::string WebPlayer::closeWindow(const std::string& window) {
    if (window == "help") program_.HelpFormClose();
    if (window == "description") program_.DescriptionFormClose();
    if (window == "slide") program_.SlideFormClose();
    if (window == "comparison") program_.ComparisonFormClose();
    if (window == "advisor") program_.AdvisorFormClose();
    return update();
}

std::string WebPlayer::heading(int column) { return after(&KeyProgram::HeadingClick, column); }

std::string WebPlayer::help(int language) { return after(&KeyProgram::HelpItemClick, language); }

std::string WebPlayer::howToStart() { return after(&KeyProgram::Howtostart1Click); }

std::string WebPlayer::about() { return after(&KeyProgram::AboutProgram1Click); }

std::string WebPlayer::advisor() { return after(&KeyProgram::Advisor1Click); }

std::string WebPlayer::advice(int line) { return after(&KeyProgram::AdvisorLineClick, line); }

}  // namespace sporix

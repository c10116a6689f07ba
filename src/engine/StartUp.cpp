#include "StartUp.h"

#include "AccessibleNames.h"
#include "Advisor.h"
#include "GenusLoader.h"
#include "Languages.h"
#include "SettingsFile.h"

namespace sporix {

namespace {

// The settings file. False when a bad number ends the whole reading of settings and texts.
bool readSettingsFile(Context& c) {
    Settings& settings = c.state.settings;
    if (!c.folder.fileExists(kSettingsFileName)) {
        c.messages.showMessage(std::string(kSettingsFileName) + " " + c.text(7));
        settings.languageIndex = 1;
        return true;
    }
    auto file = c.folder.openForReading(kSettingsFileName);
    if (!file) return true;  // present but not readable: both settings stay as they are
    const SettingsRead read = readSettings(*file);
    if (read.valuesRead >= 1) settings.languageIndex = read.values[0];
    if (read.valuesRead >= 2) settings.searchKind = read.values[1];
    if (read.invalidNumber) {
        c.messages.reportError("Invalid numeric input");
        return false;
    }
    return true;
}

bool readInterfaceTextFile(Context& c) {
    c.state.interfaceTextFileName = interfaceTextFileName(c.state.settings.languageIndex);
    const std::string& name = c.state.interfaceTextFileName;
    auto file = c.folder.openForReading(name);
    if (!file) {
        c.messages.showMessage(name + " " + c.text(7));
        return false;
    }
    c.state.texts = readInterfaceTexts(*file);
    return true;
}

void applyCaptions(Context& c) {
    MainWindowView& main = c.main();
    main.genera1Caption = c.text(23);
    main.info1Caption = c.text(24);
    main.caption = " " + c.text(0);
    main.howtostart1Caption = c.text(17);
    main.clearAll1Caption = c.text(18);
    main.languageCaption = c.text(22);
    main.usingAllSpecies.caption = c.text(20);
    main.usingRestSpecies.caption = c.text(21);
    main.aboutProgram1Caption = c.text(28);
}

}  // namespace

void loadSettingsAndTexts(Context& c) {
    if (!readSettingsFile(c)) return;
    // An empty or hand-edited file can hold any number; such a language is English.
    if (!isLanguage(c.state.settings.languageIndex)) c.state.settings.languageIndex = 1;
    if (!readInterfaceTextFile(c)) return;
    readAccessibleTexts(c);
    readAdviceTexts(c);
    applySearchKindTexts(c);
    applyCaptions(c);
    c.main().image1Visible = false;
}

void saveSettings(Context& c) {
    const Settings& settings = c.state.settings;
    c.folder.replaceFile(kSettingsFileName, formatSettings(settings.languageIndex, settings.searchKind));
}

void applySearchKindTexts(Context& c) {
    MainWindowView& main = c.main();
    const auto kind = c.state.settings.searchKind;
    if (kind == 1) {
        main.kindofsearching1Caption = c.text(19) + ": 1";
        main.stepback1.caption.clear();
        main.speedButton1Caption.clear();
        main.usingRestSpecies.checked = false;
        main.usingAllSpecies.checked = true;
    } else if (kind == 2) {
        main.kindofsearching1Caption = c.text(19) + ": 2";
        main.usingRestSpecies.checked = true;
        main.usingAllSpecies.checked = false;
        main.label44Enabled = false;
        main.stepback1.caption = c.text(26);
    }
    main.comparespecies1.caption = c.text(29);
    main.n31Caption = c.text(32);
    c.state.views.comparison.labels[0] = c.text(30);
    c.state.views.comparison.labels[1] = c.text(31);
}

void switchLanguage(Context& c, int languageIndex) {
    c.state.settings.languageIndex = static_cast<std::uint16_t>(languageIndex);
    saveSettings(c);
    loadSettingsAndTexts(c);
    loadGenus(c);
    clearAfterLanguageChange(c);
}

void clearAfterLanguageChange(Context& c) {
    MainWindowView& main = c.main();
    main.image1Visible = false;
    main.listBox1.clear();
    main.label43Caption.clear();
    main.listBox2.clear();
}

}  // namespace sporix

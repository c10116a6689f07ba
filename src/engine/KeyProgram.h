#pragma once

#include <functional>
#include <vector>

#include "Context.h"
#include "ProgramState.h"

namespace sporix {

// The program as its windows see it: it owns the program-wide state and offers one
// handler per user action. Every handler runs to its end; a failure that no message
// foresees ends it and goes to the general error handler, and the program goes on.
// After each handler the windows copy `views()` onto their controls. The advice follows every
// action that can change what it is computed from.
class KeyProgram {
public:
    KeyProgram(const WorkFolder& folder, UserMessages& messages, PictureLoader& pictures);
    KeyProgram(const KeyProgram&) = delete;
    KeyProgram& operator=(const KeyProgram&) = delete;

    const WindowViews& views() const { return state_.views; }
    const ProgramState& state() const { return state_; }

    // Main window
    void N31Click();  // activation of the main window: LoadSettingsAndTexts
    void Genera1Click();
    void GenusItemClick(int item);  // N1Click .. N30Click
    // A drop-down list's text changed; `texts` are all 42, in row order.
    void ComboBoxChange(const std::vector<std::string>& texts);
    void ClearAll1Click();
    void Stepback1Click();
    void SpeedButton1Click();
    void Usingallspeciesallcharcters1Click();
    void Usingrestspeciesafterlastcharacter1Click();
    void LanguageClick(int languageIndex);  // English1Click .. Espagoles1Click
    void ButtonClick(int row);              // Button1Click .. Button42Click
    void Species1Click(int selectedIndex);
    void Comparespecies1Click(const std::vector<bool>& ticks);
    void Howtostart1Click();
    void HelpItemClick(int language);  // InfoUK1Click, InfoNL1Click, ...
    void AboutProgram1Click();
    void Advisor1Click();

    // Description, slide, comparison and help windows
    void SlideClick();
    void CloseClick();
    void SlideFormClose();
    void DescriptionFormClose();
    void ComparisonFormClose();
    void HelpFormClose();
    void HeadingClick(int column);  // Label3Click .. Label5Click

    // Advisor window
    void AdvisorLineClick(int line);
    void AdvisorFormClose();

private:
    // Runs a handler; with `advise`, one that can change the search, the genus, the kind of
    // searching or the language, and the advice is computed anew after it.
    void run(const std::function<void(Context&)>& handler, bool advise = false);

    ProgramState state_;
    Context context_;
};

}  // namespace sporix

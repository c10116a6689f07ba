#pragma once

#include <functional>
#include <memory>

#include "KeyProgram.h"

namespace sporix {

class ActivationWatcher;
class AdvisorWindow;
class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;

// The windows of the program around the one program object: the five of the key and the
// advisor. Every user action goes
// through act(): the handler runs, then every window shows the program's views anew.
class KeyWindows {
public:
    explicit KeyWindows(KeyProgram& program);
    ~KeyWindows();

    void act(const std::function<void(KeyProgram&)>& action);
    // Shows the main window; its first activation reads the settings and texts.
    void showMainWindow();

    TForm1& mainWindow() { return *form1_; }
    TForm2& helpWindow() { return *form2_; }
    TForm3& descriptionWindow() { return *form3_; }
    TForm4& slideWindow() { return *form4_; }
    TForm5& comparisonWindow() { return *form5_; }
    AdvisorWindow& advisorWindow() { return *advisor_; }
    const KeyProgram& program() const { return program_; }

private:
    void refresh();

    KeyProgram& program_;
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TForm2> form2_;
    std::unique_ptr<TForm3> form3_;
    std::unique_ptr<TForm4> form4_;
    std::unique_ptr<TForm5> form5_;
    std::unique_ptr<AdvisorWindow> advisor_;
    std::unique_ptr<ActivationWatcher> watcher_;
};

}  // namespace sporix

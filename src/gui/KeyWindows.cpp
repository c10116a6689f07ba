#include "KeyWindows.h"

#include "ActivationWatcher.h"
#include "AdvisorWindow.h"
#include "Help.h"
#include "KeyAccessibility.h"
#include "SpxWrk.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"

namespace sporix {

namespace {

// The accessible interfaces must be known before the first control is asked for one.
KeyProgram& withKeyAccessibility(KeyProgram& program) {
    installKeyAccessibility();
    return program;
}

}  // namespace

KeyWindows::KeyWindows(KeyProgram& program)
    : program_(withKeyAccessibility(program)),
      form1_(std::make_unique<TForm1>(*this)),
      form2_(std::make_unique<TForm2>(*this)),
      form3_(std::make_unique<TForm3>(*this)),
      form4_(std::make_unique<TForm4>(*this)),
      form5_(std::make_unique<TForm5>(*this)),
      advisor_(std::make_unique<AdvisorWindow>(*this)) {
    // Window handles exist from here on, so that activations can be told apart.
    for (QWidget* form : std::initializer_list<QWidget*>{form1_.get(), form2_.get(), form3_.get(), form4_.get(),
                                                         form5_.get(), advisor_.get()}) {
        form->winId();
    }
    // Coming back from the advisor is not one of the returns that re-read the settings and
    // texts: the advisor is left out of the watched windows.
    watcher_ = std::make_unique<ActivationWatcher>(*form1_, std::vector<QWidget*>{form2_.get(), form3_.get(), form4_.get(), form5_.get()});
    QObject::connect(watcher_.get(), &ActivationWatcher::mainWindowActivated,
                     [this] { act([](KeyProgram& p) { p.N31Click(); }); });
    refresh();
}

KeyWindows::~KeyWindows() = default;

void KeyWindows::act(const std::function<void(KeyProgram&)>& action) {
    action(program_);
    refresh();
}

void KeyWindows::showMainWindow() {
    form1_->show();
    form1_->activateWindow();
}

void KeyWindows::refresh() {
    const WindowViews& views = program_.views();
    form1_->showView(views.main);
    form2_->showView(views.help);
    form3_->showView(views.description);
    form4_->showView(views.slide);
    form5_->showView(views.comparison);
    advisor_->showView(views.advisor);
}

}  // namespace sporix

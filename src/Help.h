#pragma once

#include <QWidget>

#include "Views.h"

class QPlainTextEdit;

namespace sporix {

class KeyWindows;

// The help window: one text box with a help text; its close box hides it.
class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(KeyWindows& windows);
    void showView(const HelpWindowView& view);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    KeyWindows& windows_;
    QPlainTextEdit* memo1_ = nullptr;
    std::vector<std::string> shownLines_;
    int shownCount_ = 0;
};

}  // namespace sporix

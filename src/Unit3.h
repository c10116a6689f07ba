#pragma once

#include <QWidget>

#include "Views.h"

class QLabel;
class QPlainTextEdit;
class QToolButton;

namespace sporix {

class KeyWindows;

// The description window: the species' description on the left, its drawing on the
// right, and the "Slide" and "Close" buttons.
class TForm3 : public QWidget {
    Q_OBJECT
public:
    explicit TForm3(KeyWindows& windows);
    void showView(const DescriptionWindowView& view);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    KeyWindows& windows_;
    QPlainTextEdit* memo1_ = nullptr;
    QLabel* image1_ = nullptr;
    QToolButton* speedButton1_ = nullptr;
    QToolButton* speedButton2_ = nullptr;
    std::vector<std::string> shownLines_;
    PictureHandle shownPicture_;
    int shownCount_ = 0;
};

}  // namespace sporix

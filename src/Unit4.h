#pragma once

#include <QWidget>

#include "Views.h"

class QLabel;

namespace sporix {

class KeyWindows;

// The slide window: the species' slide picture.
class TForm4 : public QWidget {
    Q_OBJECT
public:
    explicit TForm4(KeyWindows& windows);
    void showView(const SlideWindowView& view);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    KeyWindows& windows_;
    QLabel* image1_ = nullptr;
    PictureHandle shownPicture_;
    int shownCount_ = 0;
};

}  // namespace sporix

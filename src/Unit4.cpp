#include "Unit4.h"

#include <QCloseEvent>
#include <QLabel>

#include "KeyWindows.h"
#include "QtPictures.h"
#include "ShownWindowSync.h"
#include "ViewText.h"
#include "WindowGeometry.h"
#include "WindowKeys.h"

namespace sporix {

TForm4::TForm4(KeyWindows& windows) : QWidget(nullptr, Qt::Window), windows_(windows) {
    setObjectName(QStringLiteral("TForm4"));
    setWindowTitle(QStringLiteral(" Slide"));
    setFont(keyFont(KeyFace::SansSerif, 11));
    image1_ = new QLabel(this);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setGeometry(8, 8, 600, 400);
    image1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);  // own size, clipped, never stretched
    closeOnEscape(*this);
    placeWindow(*this, 86, 86, 624, 444);
}

void TForm4::showView(const SlideWindowView& view) {
    setWindowTitle(shown(view.caption));
    if (view.image1 != shownPicture_) {
        shownPicture_ = view.image1;
        image1_->setPixmap(pixmapOf(view.image1));
    }
    showWindowAsViewed(*this, view, shownCount_);
}

// Whatever closes the slide window, the description window's "Slide" button comes back.
void TForm4::closeEvent(QCloseEvent* event) {
    event->accept();
    windows_.act([](KeyProgram& p) { p.SlideFormClose(); });
}

}  // namespace sporix

#include "Unit3.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QToolButton>

#include "KeyWindows.h"
#include "QtPictures.h"
#include "ShownWindowSync.h"
#include "ViewText.h"
#include "WindowGeometry.h"
#include "WindowKeys.h"

namespace sporix {

namespace {

QToolButton* makeFlatButton(QWidget& parent, const char* name, const char* caption, int x) {
    auto* button = new QToolButton(&parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(QString::fromLatin1(caption));
    button->setGeometry(x, 8, 83, 25);
    button->setAutoRaise(true);
    button->setFont(keyFont(KeyFace::SansSerif, 13));
    return button;
}

}  // namespace

TForm3::TForm3(KeyWindows& windows) : QWidget(nullptr, Qt::Window), windows_(windows) {
    setObjectName(QStringLiteral("TForm3"));
    setWindowTitle(QStringLiteral(" Description & Microscopical drawings"));
    setFont(keyFont(KeyFace::SansSerif, 11));
    memo1_ = new QPlainTextEdit(this);
    memo1_->setObjectName(QStringLiteral("Memo1"));
    memo1_->setGeometry(0, 8, 385, 521);
    memo1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);  // long lines wrap
    memo1_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    makeReadOnly(*memo1_);
    closeOnEscape(*this);
    image1_ = new QLabel(this);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setGeometry(392, 40, 375, 488);
    image1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);  // own size, clipped, never stretched
    speedButton1_ = makeFlatButton(*this, "SpeedButton1", "Slide", 592);
    speedButton2_ = makeFlatButton(*this, "SpeedButton2", "Close", 682);
    connect(speedButton1_, &QToolButton::clicked, this, [this] { windows_.act([](KeyProgram& p) { p.SlideClick(); }); });
    connect(speedButton2_, &QToolButton::clicked, this, [this] { windows_.act([](KeyProgram& p) { p.CloseClick(); }); });
    placeWindow(*this, 13, 9, 776, 557);
}

void TForm3::showView(const DescriptionWindowView& view) {
    setWindowTitle(shown(view.caption));
    if (view.memoLines != shownLines_ || view.showCount != shownCount_) {
        shownLines_ = view.memoLines;
        memo1_->setPlainText(shown(view.memoLines).join(QLatin1Char('\n')));
    }
    setBackground(*memo1_, view.memoSilver ? kSilver : QApplication::palette().color(QPalette::Base));
    if (view.image1 != shownPicture_) {
        shownPicture_ = view.image1;
        image1_->setPixmap(pixmapOf(view.image1));
    }
    speedButton1_->setText(shown(view.slideCaption));
    speedButton1_->setEnabled(view.slideEnabled);
    speedButton2_->setText(shown(view.closeCaption));
    memo1_->setAccessibleName(shown(view.memoAccessibleName));
    showWindowAsViewed(*this, view, shownCount_);
}

void TForm3::closeEvent(QCloseEvent* event) {
    event->accept();
    windows_.act([](KeyProgram& p) { p.DescriptionFormClose(); });
}

}  // namespace sporix

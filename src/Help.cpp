#include "Help.h"

#include <QCloseEvent>
#include <QPlainTextEdit>

#include "KeyWindows.h"
#include "ShownWindowSync.h"
#include "ViewText.h"
#include "WindowGeometry.h"
#include "WindowKeys.h"

namespace sporix {

TForm2::TForm2(KeyWindows& windows) : QWidget(nullptr, Qt::Window), windows_(windows) {
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(QStringLiteral(" Helpwindow Sporix"));
    setFont(keyFont(KeyFace::SansSerif, 11));
    memo1_ = new QPlainTextEdit(QStringLiteral("Memo1"), this);
    memo1_->setObjectName(QStringLiteral("Memo1"));
    memo1_->setGeometry(8, 8, 617, 409);
    memo1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);  // long lines wrap
    memo1_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    makeReadOnly(*memo1_);
    closeOnEscape(*this);
    setBackground(*memo1_, kSilver);
    placeWindow(*this, 79, 70, 639, 452);
}

void TForm2::showView(const HelpWindowView& view) {
    setWindowTitle(shown(view.caption));
    memo1_->setAccessibleName(shown(view.caption).trimmed());
    // The text is replaced only when a help item fills it anew.
    if (view.memoLines != shownLines_ || view.showCount != shownCount_) {
        shownLines_ = view.memoLines;
        memo1_->setPlainText(shown(view.memoLines).join(QLatin1Char('\n')));
    }
    showWindowAsViewed(*this, view, shownCount_);
}

void TForm2::closeEvent(QCloseEvent* event) {
    event->accept();
    windows_.act([](KeyProgram& p) { p.HelpFormClose(); });
}

}  // namespace sporix

#include "WindowGeometry.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QScreen>
#include <algorithm>

namespace sporix {

void placeWindow(QWidget& window, int x, int y, int outerWidth, int outerHeight) {
    window.move(x, y);
    const QRect controls = window.childrenRect();
    window.resize(std::max(outerWidth - 2 * kFrameBorder, controls.right() + 1),
                  std::max(outerHeight - 2 * kFrameBorder - kTitleBarHeight, controls.bottom() + 1));
}

void keepOnScreen(QWidget& window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QRect free = screen->availableGeometry();
    const int outerWidth = window.width() + 2 * kFrameBorder;
    const int outerHeight = window.height() + 2 * kFrameBorder + kTitleBarHeight;
    const int x = std::max(free.left(), std::min(window.x(), free.right() + 1 - outerWidth));
    const int y = std::max(free.top(), std::min(window.y(), free.bottom() + 1 - outerHeight));
    window.move(x, y);
}

QFont keyFont(KeyFace face, int pixelSize) {
    static const QStringList kSansSerif = {QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                                           QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                           QStringLiteral("Nimbus Sans")};
    static const QStringList kNarrow = QStringList{QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Nimbus Sans Narrow"),
                                                   QStringLiteral("Arial Narrow")} + kSansSerif;
    static const QStringList kComic = QStringList{QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")} + kSansSerif;
    QFont font;
    font.setFamilies(face == KeyFace::Comic ? kComic : face == KeyFace::Narrow ? kNarrow : kSansSerif);
    font.setPixelSize(pixelSize);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

void setBackground(QWidget& widget, const QColor& colour) {
    if (widget.autoFillBackground() && widget.palette().color(QPalette::Base) == colour) return;
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Window, colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

void drawFocusFrame(QPainter& painter, const QRect& area, const QColor& colour) {
    painter.save();
    painter.setPen(QPen(colour, 1, Qt::DotLine));
    painter.drawRect(area.adjusted(0, 0, -1, -1));
    painter.restore();
}

}  // namespace sporix

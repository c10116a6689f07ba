#include "WindowGeometry.h"

#include <QPalette>

namespace sporix {

void placeWindow(QWidget& window, int x, int y, int outerWidth, int outerHeight) {
    window.move(x, y);
    window.resize(outerWidth - 2 * kFrameBorder, outerHeight - 2 * kFrameBorder - kTitleBarHeight);
}

QFont keyFont(KeyFace face, int pixelSize) {
    static const QStringList kSansSerif = {QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                                           QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                           QStringLiteral("Nimbus Sans")};
    static const QStringList kComic = QStringList{QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")} + kSansSerif;
    QFont font;
    font.setFamilies(face == KeyFace::Comic ? kComic : kSansSerif);
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

}  // namespace sporix

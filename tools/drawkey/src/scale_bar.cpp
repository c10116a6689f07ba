#include "scale_bar.h"

#include <QPainter>

void drawScaleBar(QPainter& painter, QPointF start, double pixelsPerMicron, const TextStyle& labelStyle,
                  bool antialias) {
    constexpr double barMicrons = 10;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, antialias);
    const QColor colour = painter.pen().color();
    const double length = barMicrons * pixelsPerMicron;
    const double middle = start.y() - labelStyle.capHeight / 2;
    painter.fillRect(QRectF(start.x(), middle - 1, length, 2), colour);
    painter.fillRect(QRectF(start.x(), middle - 4, 1, 8), colour);
    painter.fillRect(QRectF(start.x() + length - 1, middle - 4, 1, 8), colour);
    drawText(painter, QStringLiteral("10 \u00B5m"), QPointF(start.x() + length + 6, start.y()), labelStyle);
    painter.restore();
}

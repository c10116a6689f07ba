#include "charpic_stem_parts.h"

#include <cmath>

QPolygonF stemOutline(const std::vector<WidthKnot>& knots, QPointF foot, double length) {
    const UprightOutline outline = uprightOutline(knots, length, 0, 0.3, 80);
    QPolygonF shape = outline.closed();
    shape.translate(foot);
    return shape;
}

void fillStem(QPainter& painter, const QPolygonF& shape, const QColor& colour) {
    const QRectF box = shape.boundingRect();
    QLinearGradient shading(box.left(), 0, box.right(), 0);
    shading.setColorAt(0, colour.darker(104));
    shading.setColorAt(0.35, colour.lighter(103));
    shading.setColorAt(1, colour == palette::stem ? palette::stemDark : colour.darker(125));
    painter.setPen(inkPen());
    painter.setBrush(shading);
    painter.drawPolygon(shape);
}

void drawCapStub(QPainter& painter, double underY) {
    constexpr double halfWidth = 30;
    QPolygonF cap = sampledCurve(stemCentreX - halfWidth, stemCentreX + halfWidth, 40, [&](double x) {
        const double s = (x - stemCentreX) / halfWidth;
        return underY - 16 * std::sqrt(std::max(0.0, 1 - s * s));
    });
    cap << sampledCurve(stemCentreX + halfWidth, stemCentreX - halfWidth, 20, [&](double x) {
        const double s = (x - stemCentreX) / halfWidth;
        return underY - 3 * (1 - s * s);
    });
    QLinearGradient shading(0, underY - 16, 0, underY);
    shading.setColorAt(0, palette::capDark);
    shading.setColorAt(1, palette::capLight);
    painter.setPen(inkPen());
    painter.setBrush(shading);
    painter.drawPolygon(cap);
}

#include "charpic_style.h"

#include <QRadialGradient>

#include <cmath>
#include <numbers>

QPen inkPen(double width, QColor colour) {
    QPen pen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    pen.setCosmetic(true);
    return pen;
}

void fillOutlined(QPainter& painter, const QPolygonF& shape, const QColor& fill, double penWidth) {
    painter.setPen(penWidth > 0 ? inkPen(penWidth) : QPen(Qt::NoPen));
    painter.setBrush(fill);
    painter.drawPolygon(shape);
}

void fillOutlined(QPainter& painter, const QPainterPath& shape, const QColor& fill, double penWidth) {
    painter.setPen(penWidth > 0 ? inkPen(penWidth) : QPen(Qt::NoPen));
    painter.setBrush(fill);
    painter.drawPath(shape);
}

QPolygonF sampledCurve(double x0, double x1, int steps, const std::function<double(double)>& y) {
    QPolygonF curve;
    for (int i = 0; i <= steps; ++i) {
        const double x = x0 + (x1 - x0) * i / steps;
        curve << QPointF(x, y(x));
    }
    return curve;
}

QPolygonF blob(QPointF centre, double radius, double roughness, int corners, Rng& rng) {
    QPolygonF shape;
    const double turn = rng.range(0, 2 * std::numbers::pi);
    for (int i = 0; i < corners; ++i) {
        const double angle = turn + 2 * std::numbers::pi * i / corners;
        const double r = radius * (1 + rng.range(-roughness, roughness));
        shape << centre + QPointF(r * std::cos(angle), r * std::sin(angle));
    }
    return shape;
}

QRadialGradient capSeenFromAbove(QPointF centre, double radius) {
    // Darker in the centre, as most caps are.
    QRadialGradient shading(centre, radius);
    shading.setColorAt(0, palette::capDark);
    shading.setColorAt(0.45, palette::cap);
    shading.setColorAt(1, palette::capLight);
    return shading;
}

void drawCapDisk(QPainter& painter, QPointF centre, double radius) {
    painter.setPen(inkPen());
    painter.setBrush(capSeenFromAbove(centre, radius));
    painter.drawEllipse(centre, radius, radius);
}

void drawGround(QPainter& painter, double y) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette::soil);
    painter.drawRect(QRectF(-10, y, panelUnitsWide + 20, panelUnitsHigh + 10 - y));
    painter.setPen(inkPen(1.0, palette::stemDark.darker(130)));
    painter.drawLine(QPointF(-10, y), QPointF(panelUnitsWide + 10, y));
}

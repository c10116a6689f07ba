// Panels of how far the cap's skin peels from the margin towards the centre: a cap
// from above with a strip of skin pulled back, baring the flesh, and rolled up where
// it would tear no further.
#include "charpic_style.h"

#include <cmath>
#include <numbers>

namespace {

const QPointF centre(50, 40);
constexpr double radius = 35;
constexpr double firstAngle = -36;  // degrees, y downwards: the strip points to the right
constexpr double lastAngle = 36;
const QColor bareFlesh(252, 244, 238);

// The share of the radius from the centre at which the skin stops peeling.
double peeledTo(std::string_view keyword) {
    if (keyword == "to-centre") return 0.1;
    if (keyword == "two-thirds") return 0.4;
    if (keyword == "one-third") return 0.68;
    return 0.9;  // hardly
}

QPointF polar(double r, double degrees) {
    const double angle = degrees * std::numbers::pi / 180;
    return centre + QPointF(r * std::cos(angle), r * std::sin(angle));
}

QPolygonF arc(double r, double from, double to, int steps) {
    QPolygonF points;
    for (int i = 0; i <= steps; ++i) points << polar(r, from + (to - from) * i / steps);
    return points;
}

// The bared flesh, its sides torn a little unevenly.
QPolygonF bareSector(double inner, Rng& rng) {
    QPolygonF sector = arc(radius, firstAngle, lastAngle, 20);
    for (int i = 1; i <= 6; ++i) {
        const double r = radius - (radius - inner) * i / 6;
        sector << polar(r, lastAngle + rng.range(-1.5, 1.5) * (i < 6));
    }
    sector << arc(inner, lastAngle, firstAngle, 12);
    for (int i = 5; i >= 1; --i) {
        const double r = radius - (radius - inner) * i / 6;
        sector << polar(r, firstAngle + rng.range(-1.5, 1.5));
    }
    return sector;
}

void drawRolledSkin(QPainter& painter, double inner) {
    // A thick stroke along the tear, shaded like a roll.
    QPainterPath roll;
    roll.addPolygon(arc(inner, firstAngle - 2, lastAngle + 2, 16));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(palette::ink, 7, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(roll);
    painter.setPen(QPen(palette::capDark, 5.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(roll);
    painter.setPen(QPen(palette::capLight, 1.8, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(roll.translated(-0.8, -1.0));
}

}  // namespace

void drawCapPeelingPanel(QPainter& painter, const PanelSubject& subject, Rng& rng) {
    const double inner = radius * peeledTo(subject.keyword);
    drawCapDisk(painter, centre, radius);
    fillOutlined(painter, bareSector(inner, rng), bareFlesh, 0.8);
    drawRolledSkin(painter, inner);
    painter.setPen(inkPen());
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius, radius);
}

// Panels of the whole stem: its shape, and its inside when cut lengthwise.
#include "charpic_stem_parts.h"

#include <cmath>

namespace {

constexpr double centreX = stemCentreX;
constexpr double groundY = 77;

std::vector<WidthKnot> stemShapeKnots(std::string_view keyword) {
    if (keyword == "clavate") return {{0, 9.5}, {0.12, 11}, {0.45, 7.5}, {1, 5}};
    if (keyword == "bulbous") return {{0, 8}, {0.05, 12.5}, {0.13, 13}, {0.23, 7}, {0.35, 6}, {1, 6}};
    if (keyword == "tapering") return {{0, 1.5}, {0.15, 4}, {0.5, 6}, {1, 7}};
    if (keyword == "ventricose") return {{0, 4.5}, {0.45, 11}, {1, 4.5}};
    return {{0, 6.5}, {1, 6.5}};  // cylindrical
}

// A hollow: a long cavity with a ragged, cottony lining.
QPolygonF cavity(Rng& rng) {
    QPolygonF hollow;
    for (double y = 26; y <= 70; y += 3) hollow << QPointF(centreX - 4.2 + rng.range(-0.7, 0.7), y);
    for (double y = 70; y >= 26; y -= 3) hollow << QPointF(centreX + 4.2 + rng.range(-0.7, 0.7), y);
    return hollow;
}

}  // namespace

void drawStemShapePanel(QPainter& painter, const PanelSubject& subject, Rng&) {
    drawGround(painter, groundY);
    fillStem(painter, stemOutline(stemShapeKnots(subject.keyword), QPointF(centreX, groundY), 64));
    drawCapStub(painter, 18);
}

// The stem split lengthwise: the cut face shows solid flesh or a hollow.
void drawStemInteriorPanel(QPainter& painter, const PanelSubject& subject, Rng& rng) {
    drawGround(painter, groundY);
    const QPolygonF stem = stemOutline({{0, 9}, {0.2, 8.5}, {1, 8}}, QPointF(centreX, groundY), 62);
    fillOutlined(painter, stem, palette::flesh);
    painter.setPen(inkPen(0.6, palette::stemDark));  // fibres of the flesh
    for (double x = centreX - 5; x <= centreX + 5.1; x += 2.5)
        painter.drawLine(QPointF(x, 24), QPointF(x + (x - centreX) * 0.05, groundY - 4));
    if (subject.keyword == "hollow") {
        const QPolygonF hollow = cavity(rng);
        QLinearGradient depth(centreX - 4, 0, centreX + 4, 0);
        depth.setColorAt(0, QColor(150, 132, 108));
        depth.setColorAt(1, QColor(196, 180, 154));
        painter.setPen(inkPen(0.9));
        painter.setBrush(depth);
        painter.drawPolygon(hollow);
    }
    drawCapStub(painter, 22);
}

// Panels of the stem's base: its shape (equal, clavate, bulbous, rooting) and the
// volva or the remnants of the universal veil on it.
#include "charpic_stem_parts.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double centreX = stemCentreX;
constexpr double baseGroundY = 74;
constexpr double baseStemHalf = 8;
constexpr double bulbTop = 46;
constexpr double bulbRadius = 14;

enum class BaseShape { Plain, Clavate, Tapering, RoundBulb, MarginateBulb, Rooting, RootingBulb };
enum class Volva { None, Sac, Rings, Friable, Collar, Rim, Scurfy, Warts };

struct StemBase {
    BaseShape shape;
    Volva volva;
};

StemBase stemBaseOf(std::string_view keyword) {
    static const std::pair<std::string_view, StemBase> bases[] = {
        {"plain", {BaseShape::Plain, Volva::None}},
        {"clavate", {BaseShape::Clavate, Volva::None}},
        {"tapering", {BaseShape::Tapering, Volva::None}},
        {"bulbous", {BaseShape::RoundBulb, Volva::None}},
        {"marginate-bulb", {BaseShape::MarginateBulb, Volva::None}},
        {"rooting", {BaseShape::Rooting, Volva::None}},
        {"rooting-bulb", {BaseShape::RootingBulb, Volva::None}},
        {"volva-sac", {BaseShape::Plain, Volva::Sac}},
        {"volva-rings", {BaseShape::RoundBulb, Volva::Rings}},
        {"volva-friable", {BaseShape::RoundBulb, Volva::Friable}},
        {"volva-collar", {BaseShape::RoundBulb, Volva::Collar}},
        {"volva-rim", {BaseShape::MarginateBulb, Volva::Rim}},
        {"volva-scurfy", {BaseShape::Clavate, Volva::Scurfy}},
        {"volva-warts", {BaseShape::RoundBulb, Volva::Warts}},
    };
    for (const auto& [name, base] : bases)
        if (name == keyword) return base;
    return {BaseShape::Plain, Volva::None};
}

void drawStemBreak(QPainter& painter, double y, double halfWidth) {
    // A zigzag where the drawing leaves the stem out.
    painter.setPen(inkPen(1.0));
    painter.drawPolyline(QPolygonF{QPointF(centreX - halfWidth - 2, y + 1), QPointF(centreX - halfWidth / 3, y - 1),
                                   QPointF(centreX + halfWidth / 3, y + 1), QPointF(centreX + halfWidth + 2, y - 1)});
}

// Lower half of an ellipse under a straight top edge at y = top.
QPolygonF bowl(double top, double halfWidth, double depth) {
    QPolygonF shape;
    for (int i = 0; i <= 40; ++i) {
        const double angle = std::numbers::pi * i / 40;
        shape << QPointF(centreX + halfWidth * std::cos(angle), top + depth * std::sin(angle));
    }
    return shape;
}

void drawRoundBulb(QPainter& painter, double bottom) {
    QPolygonF bulb;
    const QPointF middle(centreX, bottom - bulbRadius);
    for (int i = 0; i <= 40; ++i) {
        const double angle = (-35 - 290.0 * i / 40) * std::numbers::pi / 180;  // round, opening into the stem above
        bulb << middle + QPointF(bulbRadius * std::cos(angle), -bulbRadius * std::sin(angle));
    }
    fillStem(painter, bulb);
}

void drawMarginateBulb(QPainter& painter) {
    // Flat-topped, with a sharp rim standing out from the stem.
    QPolygonF bulb = bowl(bulbTop + 4, 17, baseGroundY - bulbTop - 4);
    bulb << QPointF(centreX - 17.5, bulbTop + 1) << QPointF(centreX + 17.5, bulbTop + 1);
    fillStem(painter, bulb);
    painter.setPen(inkPen(0.8, palette::stemDark.darker(130)));
    painter.drawLine(QPointF(centreX - baseStemHalf, bulbTop + 1), QPointF(centreX + baseStemHalf, bulbTop + 1));
}

void drawStemFrom(QPainter& painter, const std::vector<WidthKnot>& knots, double footY) {
    fillStem(painter, stemOutline(knots, QPointF(centreX, footY), footY + 6));
}

// A stem running deep into the soil, white mycelial cords spreading from it.
void drawRootingStem(QPainter& painter) {
    constexpr double groundY = 44;
    drawGround(painter, groundY);
    painter.setBrush(Qt::NoBrush);
    for (const auto& [from, to] : {std::pair{QPointF(centreX - 3, 62), QPointF(centreX - 22, 74)},
                                   std::pair{QPointF(centreX + 3, 58), QPointF(centreX + 24, 66)},
                                   std::pair{QPointF(centreX + 2, 70), QPointF(centreX + 16, 79)}}) {
        QPainterPath cord(from);
        cord.quadTo(QPointF((from.x() + to.x()) / 2, from.y() + 1), to);
        painter.setPen(inkPen(2.4, palette::stemDark.darker(120)));
        painter.drawPath(cord);
        painter.setPen(inkPen(1.2, palette::veil));
        painter.drawPath(cord);
    }
    fillStem(painter,
             stemOutline({{0, 0.8}, {0.35, 4}, {0.6, baseStemHalf}, {1, baseStemHalf}}, QPointF(centreX, 80), 85));
}

// A bulb at the surface that runs out into a root below it.
void drawRootingBulb(QPainter& painter) {
    constexpr double groundY = 58;
    drawGround(painter, groundY);
    fillStem(painter, stemOutline({{0, 0.8}, {0.5, 4.5}, {1, 9}}, QPointF(centreX, 82), 26));
    drawStemFrom(painter, {{0, baseStemHalf}, {1, baseStemHalf}}, bulbTop);
    drawRoundBulb(painter, groundY + 3);
}

void drawBaseShape(QPainter& painter, BaseShape shape) {
    switch (shape) {
        case BaseShape::Rooting:
            drawRootingStem(painter);
            return;
        case BaseShape::RootingBulb:
            drawRootingBulb(painter);
            return;
        default:
            break;
    }
    drawGround(painter, baseGroundY);
    if (shape == BaseShape::Plain)
        drawStemFrom(painter, {{0, baseStemHalf * 1.25}, {0.2, baseStemHalf}, {1, baseStemHalf}}, baseGroundY);
    else if (shape == BaseShape::Clavate)
        drawStemFrom(painter, {{0, 12}, {0.3, 11}, {0.65, 8.6}, {1, baseStemHalf}}, baseGroundY);
    else if (shape == BaseShape::Tapering)
        drawStemFrom(painter, {{0, 2.2}, {0.3, 5.8}, {0.6, baseStemHalf}, {1, baseStemHalf}}, baseGroundY + 3);
    else {
        drawStemFrom(painter, {{0, baseStemHalf}, {0.2, baseStemHalf}, {1, baseStemHalf}}, bulbTop + 10);
        if (shape == BaseShape::MarginateBulb)
            drawMarginateBulb(painter);
        else
            drawRoundBulb(painter, baseGroundY);
    }
}

void drawSaccateVolva(QPainter& painter) {
    // A membranous cup with a free, lobed rim standing off the stem.
    QPolygonF cup{QPointF(centreX - 13, baseGroundY)};
    cup << QPointF(centreX - 17, 58) << QPointF(centreX - 19, 44) << QPointF(centreX - 14.5, 48)
        << QPointF(centreX - 11.5, 42) << QPointF(centreX - 9.5, 54) << QPointF(centreX + 9.5, 54)
        << QPointF(centreX + 12.5, 40) << QPointF(centreX + 15.5, 47) << QPointF(centreX + 19.5, 45)
        << QPointF(centreX + 17, 60) << QPointF(centreX + 13, baseGroundY);
    fillOutlined(painter, cup, palette::veil);
    painter.setPen(inkPen(0.7, palette::stemDark));
    painter.drawLine(QPointF(centreX - 14, 62), QPointF(centreX - 12, 70));
    painter.drawLine(QPointF(centreX + 13, 61), QPointF(centreX + 11, 70));
}

// A band hugging the stem, from y down to y + height, its ends bowed like a ring seen from the side.
QPainterPath roll(double y, double half, double height, double bow) {
    QPainterPath band;
    band.moveTo(centreX - half, y);
    band.quadTo(centreX, y + bow, centreX + half, y);
    band.lineTo(centreX + half, y + height);
    band.quadTo(centreX, y + height + bow, centreX - half, y + height);
    band.closeSubpath();
    return band;
}

void drawVolvalRings(QPainter& painter) {
    // Concentric rolls of the universal veil on the top of the bulb.
    for (int ring = 0; ring < 3; ++ring)
        fillOutlined(painter, roll(44 + ring * 5, 9 + ring * 2.3, 2.2, 4.5), palette::veil, 0.9);
}

void drawFriableVolva(QPainter& painter, Rng& rng) {
    // Crumbs of a powdery volva scattered over the bulb and the lower stem.
    for (int i = 0; i < 24; ++i) {
        const double y = rng.range(34, 70);
        const double half = y > 50 ? 12 : baseStemHalf - 1.5;
        const QPointF where(centreX + rng.range(-half, half), y);
        fillOutlined(painter, blob(where, rng.range(1.0, 2.0), 0.4, 6, rng), palette::veil, 0.7);
    }
}

// A close-fitting collar round the top of the bulb, its upper rim free of the stem.
void drawVolvalCollar(QPainter& painter) {
    QPolygonF collar{QPointF(centreX - 14.2, 60), QPointF(centreX - 12.6, 52), QPointF(centreX - 11.8, 46),
                     QPointF(centreX - 10, 47.6), QPointF(centreX + 10, 47.6), QPointF(centreX + 11.8, 46),
                     QPointF(centreX + 12.6, 52), QPointF(centreX + 14.2, 60)};
    fillOutlined(painter, collar, palette::veil);
    fillOutlined(painter, roll(39, baseStemHalf + 0.6, 1.8, 3), palette::veil, 0.8);  // a girdle above it
}

// A thin membranous rim standing up along the edge of a marginate bulb.
void drawVolvalRim(QPainter& painter) {
    for (double side : {-1.0, 1.0}) {
        const QPolygonF rim{QPointF(centreX + side * 17.5, bulbTop + 1.5), QPointF(centreX + side * 16.8, bulbTop - 4),
                            QPointF(centreX + side * 15.2, bulbTop - 2.5), QPointF(centreX + side * 14, bulbTop + 1.5)};
        fillOutlined(painter, rim, palette::veil, 0.9);
    }
}

// Hardly anything: a few faint flakes on the swollen base.
void drawScurfyVolva(QPainter& painter, Rng& rng) {
    painter.setPen(inkPen(0.7, palette::stemDark.darker(135)));
    for (int i = 0; i < 16; ++i) {
        const QPointF where(centreX + rng.range(-9, 9), rng.range(56, 71));
        painter.drawLine(where, where + QPointF(rng.range(-1.4, 1.4), rng.range(-0.6, 0.6)));
    }
}

// Pointed warts on the bulb, and scales running up the stem.
void drawVolvalWarts(QPainter& painter, Rng& rng) {
    const QPointF middle(centreX, baseGroundY - bulbRadius);
    for (int i = 0; i < 14; ++i) {
        const double angle = rng.range(-2.6, -0.55);
        const QPointF out(std::cos(angle), std::sin(angle));
        const QPointF base = middle + out * (bulbRadius - 0.5);
        const QPointF across(-out.y(), out.x());
        fillOutlined(painter, QPolygonF{base + across * 1.8, base + out * 3.2, base - across * 1.8}, palette::veil,
                     0.7);
    }
    for (double y = 30; y < 48; y += 5)
        for (double side : {-1.0, 1.0}) {
            const QPointF edge(centreX + side * baseStemHalf, y + rng.range(-1, 1));
            fillOutlined(painter, QPolygonF{edge, edge + QPointF(side * 2.6, 0.8), edge + QPointF(0, 2.6)},
                         palette::veil, 0.7);
        }
}

void drawVolva(QPainter& painter, Volva volva, Rng& rng) {
    switch (volva) {
        case Volva::Sac:
            drawSaccateVolva(painter);
            break;
        case Volva::Rings:
            drawVolvalRings(painter);
            break;
        case Volva::Friable:
            drawFriableVolva(painter, rng);
            break;
        case Volva::Collar:
            drawVolvalCollar(painter);
            break;
        case Volva::Rim:
            drawVolvalRim(painter);
            break;
        case Volva::Scurfy:
            drawScurfyVolva(painter, rng);
            break;
        case Volva::Warts:
            drawVolvalWarts(painter, rng);
            break;
        case Volva::None:
            break;
    }
}

}  // namespace

void drawStemBasePanel(QPainter& painter, const PanelSubject& subject, Rng& rng) {
    // Closer in than the whole stem: the base fills the panel, the stem above leaves it.
    constexpr double zoom = 1.35;
    painter.translate(centreX, panelUnitsHigh);
    painter.scale(zoom, zoom);
    painter.translate(-centreX, -panelUnitsHigh);
    const StemBase base = stemBaseOf(subject.keyword);
    drawBaseShape(painter, base.shape);
    drawVolva(painter, base.volva, rng);
    drawStemBreak(painter, panelUnitsHigh * (1 - 1 / zoom) + 3, baseStemHalf);
}

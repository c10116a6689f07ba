// Panels of the stem: its shape, its base and volva, its ring and its surface.
#include "charpic_style.h"

#include "profile_outline.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double centreX = 50;

// A stem standing on `foot`, its half-widths given along its length.
QPolygonF stemOutline(const std::vector<WidthKnot>& knots, QPointF foot, double length) {
    const UprightOutline outline = uprightOutline(knots, length, 0, 0.3, 80);
    QPolygonF shape = outline.closed();
    shape.translate(foot);
    return shape;
}

void fillStem(QPainter& painter, const QPolygonF& shape) {
    // Lit from the left, so the stem looks round.
    const QRectF box = shape.boundingRect();
    QLinearGradient shading(box.left(), 0, box.right(), 0);
    shading.setColorAt(0, palette::stem.darker(104));
    shading.setColorAt(0.35, palette::stem.lighter(103));
    shading.setColorAt(1, palette::stemDark);
    painter.setPen(inkPen());
    painter.setBrush(shading);
    painter.drawPolygon(shape);
}

// The lower part of a cap, cut off by the panel's top edge.
void drawCapStub(QPainter& painter, double underY) {
    QPolygonF cap = sampledCurve(centreX - 30, centreX + 30, 40, [&](double x) {
        const double s = (x - centreX) / 30;
        return underY - 16 * std::sqrt(std::max(0.0, 1 - s * s));
    });
    cap << sampledCurve(centreX + 30, centreX - 30, 20, [&](double x) {
        const double s = (x - centreX) / 30;
        return underY - 3 * (1 - s * s);
    });
    QLinearGradient shading(0, underY - 16, 0, underY);
    shading.setColorAt(0, palette::capDark);
    shading.setColorAt(1, palette::capLight);
    painter.setPen(inkPen());
    painter.setBrush(shading);
    painter.drawPolygon(cap);
}

std::vector<WidthKnot> stemShapeKnots(std::string_view keyword) {
    if (keyword == "clavate") return {{0, 9.5}, {0.12, 11}, {0.45, 7.5}, {1, 5}};
    if (keyword == "bulbous") return {{0, 8}, {0.05, 12.5}, {0.13, 13}, {0.23, 7}, {0.35, 6}, {1, 6}};
    if (keyword == "tapering") return {{0, 1.5}, {0.15, 4}, {0.5, 6}, {1, 7}};
    if (keyword == "ventricose") return {{0, 4.5}, {0.45, 11}, {1, 4.5}};
    return {{0, 6.5}, {1, 6.5}};  // cylindrical
}

}  // namespace

void drawStemShapePanel(QPainter& painter, std::string_view keyword, Rng&) {
    constexpr double groundY = 77;
    drawGround(painter, groundY);
    fillStem(painter, stemOutline(stemShapeKnots(keyword), QPointF(centreX, groundY), 64));
    drawCapStub(painter, 18);
}

namespace {

constexpr double baseGroundY = 74;
constexpr double baseStemHalf = 8;
constexpr double bulbTop = 46;

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

void drawRoundBulb(QPainter& painter) {
    QPolygonF bulb;
    const double radius = 14;
    const QPointF middle(centreX, baseGroundY - radius);
    for (int i = 0; i <= 40; ++i) {
        const double angle = (-35 - 290.0 * i / 40) * std::numbers::pi / 180;  // round, opening into the stem above
        bulb << middle + QPointF(radius * std::cos(angle), -radius * std::sin(angle));
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

void drawVolvalRings(QPainter& painter) {
    // Concentric rolls of the universal veil on the top of the bulb.
    for (int ring = 0; ring < 3; ++ring) {
        const double y = 44 + ring * 5;
        const double half = 9 + ring * 2.3;
        QPainterPath roll;
        roll.moveTo(centreX - half, y);
        roll.quadTo(centreX, y + 4.5, centreX + half, y);
        roll.lineTo(centreX + half, y + 2.2);
        roll.quadTo(centreX, y + 6.7, centreX - half, y + 2.2);
        roll.closeSubpath();
        fillOutlined(painter, roll, palette::veil, 0.9);
    }
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

void drawRootingStem(QPainter& painter) {
    constexpr double groundY = 44;
    drawGround(painter, groundY);
    fillStem(painter,
             stemOutline({{0, 0.8}, {0.35, 4}, {0.6, baseStemHalf}, {1, baseStemHalf}}, QPointF(centreX, 80), 85));
}

}  // namespace

void drawStemBasePanel(QPainter& painter, std::string_view keyword, Rng& rng) {
    if (keyword == "rooting") {
        drawRootingStem(painter);
        drawStemBreak(painter, 6, baseStemHalf);
        return;
    }
    drawGround(painter, baseGroundY);
    const bool plain = keyword == "plain" || keyword == "volva-sac";
    const double flare = plain ? 1.25 : 1.0;
    fillStem(painter, stemOutline({{0, baseStemHalf * flare}, {0.2, baseStemHalf}, {1, baseStemHalf}},
                                  QPointF(centreX, plain ? baseGroundY : bulbTop + 10), 80));
    if (keyword == "marginate-bulb")
        drawMarginateBulb(painter);
    else if (!plain)
        drawRoundBulb(painter);
    if (keyword == "volva-sac")
        drawSaccateVolva(painter);
    else if (keyword == "volva-rings")
        drawVolvalRings(painter);
    else if (keyword == "volva-friable")
        drawFriableVolva(painter, rng);
    drawStemBreak(painter, 6, baseStemHalf);
}

namespace {

constexpr double ringStemHalf = 6;
constexpr double ringAttachY = 32;

QPainterPath skirtPath(double flare, double drop, double wave, Rng& rng) {
    // Hangs from the attachment line and widens downwards like a skirt.
    QPainterPath skirt;
    skirt.moveTo(centreX - ringStemHalf, ringAttachY);
    skirt.cubicTo(centreX - ringStemHalf - flare * 0.5, ringAttachY + drop * 0.2, centreX - flare,
                  ringAttachY + drop * 0.6, centreX - flare, ringAttachY + drop);
    const int lobes = 8;
    for (int i = 1; i <= lobes; ++i) {
        const double x = centreX - flare + 2 * flare * i / lobes;
        const double y =
            ringAttachY + drop + (i % 2 ? wave * rng.range(0.5, 1) : 0) * (std::abs(x - centreX) < flare * 0.9 ? 1 : 0);
        skirt.lineTo(x, y);
    }
    skirt.cubicTo(centreX + flare, ringAttachY + drop * 0.6, centreX + ringStemHalf + flare * 0.5,
                  ringAttachY + drop * 0.2, centreX + ringStemHalf, ringAttachY);
    skirt.closeSubpath();
    return skirt;
}

void drawCollar(QPainter& painter, double y, double flare, double thickness) {
    QPainterPath collar;
    collar.moveTo(centreX - ringStemHalf, y);
    collar.quadTo(centreX - flare, y + thickness * 0.3, centreX - flare - 1, y + thickness);
    collar.quadTo(centreX, y + thickness * 2.2, centreX + flare + 1, y + thickness);
    collar.quadTo(centreX + flare, y + thickness * 0.3, centreX + ringStemHalf, y);
    collar.quadTo(centreX, y + thickness * 1.3, centreX - ringStemHalf, y);
    fillOutlined(painter, collar, palette::veil);
}

void drawFugaciousZone(QPainter& painter, Rng& rng) {
    // Only a few fibrils of a vanishing ring remain.
    QColor zone = palette::capDark;
    zone.setAlpha(60);
    painter.setPen(Qt::NoPen);
    painter.setBrush(zone);
    painter.drawRect(QRectF(centreX - ringStemHalf, ringAttachY - 1, 2 * ringStemHalf, 4));
    painter.setPen(inkPen(0.8, palette::capDark));
    for (int i = 0; i < 34; ++i) {
        const double x = centreX + rng.range(-ringStemHalf - 1.5, ringStemHalf + 1.5);
        const double y = ringAttachY + rng.range(-1, 2);
        painter.drawLine(QPointF(x, y), QPointF(x + rng.range(-0.8, 0.8), y + rng.range(2, 5)));
    }
}

}  // namespace

void drawRingPanel(QPainter& painter, std::string_view keyword, Rng& rng) {
    fillStem(painter, stemOutline({{0, ringStemHalf + 0.6}, {1, ringStemHalf}}, QPointF(centreX, 84), 80));
    drawCapStub(painter, 16);
    if (keyword == "membranous") {
        drawCollar(painter, ringAttachY, 13, 3);
    } else if (keyword == "skirt" || keyword == "striate-skirt") {
        const QPainterPath skirt = skirtPath(14, 16, 1.6, rng);
        fillOutlined(painter, skirt, palette::veil);
        if (keyword == "striate-skirt") {
            // Fine grooves on the upper side, printed there by the gills.
            painter.setPen(inkPen(0.7, palette::stemDark.darker(130)));
            for (int i = -6; i <= 6; ++i)
                painter.drawLine(QPointF(centreX + i * 0.9, ringAttachY + 1.5),
                                 QPointF(centreX + i * 1.9, ringAttachY + 10));
        }
    } else if (keyword == "double") {
        fillOutlined(painter, skirtPath(12, 11, 1.0, rng), palette::veil);
        drawCollar(painter, ringAttachY + 9, 13.5, 2.6);  // the thick lower rim
    } else if (keyword == "fugacious") {
        drawFugaciousZone(painter, rng);
    }
}

namespace {

constexpr double surfaceHalf = 16;
constexpr double surfaceTop = 4;
constexpr double surfaceBottom = 76;

QPolygonF stemSegment() {
    return QPolygonF{QPointF(centreX - surfaceHalf, surfaceTop), QPointF(centreX + surfaceHalf, surfaceTop),
                     QPointF(centreX + surfaceHalf, surfaceBottom), QPointF(centreX - surfaceHalf, surfaceBottom)};
}

// Positions on a round stem seen from the side crowd towards the edges.
QPointF onStem(double around, double y) { return {centreX + surfaceHalf * std::sin(around), y}; }

void drawStemNet(QPainter& painter, Rng& rng) {
    const int columns = 8;
    const int rows = 7;
    const double rowStep = (surfaceBottom - surfaceTop) / rows;
    std::vector<std::vector<QPointF>> nodes(std::size_t(rows + 1));
    for (int row = 0; row <= rows; ++row)
        for (int column = 0; column <= columns; ++column) {
            const double around =
                -std::numbers::pi / 2 + std::numbers::pi * (column + (row & 1) * 0.5 + rng.range(-0.2, 0.2)) / columns;
            nodes[std::size_t(row)].push_back(
                onStem(std::clamp(around, -1.55, 1.55), surfaceTop + row * rowStep + rng.range(-1.5, 1.5)));
        }
    // Each knot joins the two below it: a net of long meshes, as on a bolete's stem.
    painter.setPen(inkPen(1.0, palette::capDark));
    for (std::size_t row = 0; row < std::size_t(rows); ++row)
        for (int column = 0; column <= columns; ++column) {
            const int rightBelow = (row & 1) ? column + 1 : column;  // odd rows sit half a mesh to the right
            for (int below : {rightBelow - 1, rightBelow})
                if (below >= 0 && below <= columns)
                    painter.drawLine(nodes[row][std::size_t(column)], nodes[row + 1][std::size_t(below)]);
        }
}

void drawSpecks(QPainter& painter, int count, double size, bool scales, Rng& rng) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette::capDark.darker(150));
    for (int i = 0; i < count; ++i) {
        // Denser towards the base, as scabers are.
        const double y = surfaceTop + (surfaceBottom - surfaceTop) * std::sqrt(rng.unit());
        const QPointF where = onStem(std::asin(rng.range(-0.97, 0.97)), y);
        if (scales)
            painter.drawPolygon(QPolygonF{where + QPointF(-size * 0.5, 0), where + QPointF(size * 0.5, 0),
                                          where + QPointF(0, -size * 1.6)});
        else
            painter.drawEllipse(where, size, size);
    }
}

void drawLengthwiseFibrils(QPainter& painter, Rng& rng) {
    painter.setPen(inkPen(0.7, palette::stemDark.darker(140)));
    for (int i = 0; i < 40; ++i) {
        const double x = centreX + surfaceHalf * std::sin(rng.range(-1.45, 1.45));
        const double y = rng.range(surfaceTop, surfaceBottom - 10);
        painter.drawLine(QPointF(x, y), QPointF(x + rng.range(-0.6, 0.6), y + rng.range(8, 24)));
    }
}

void drawMottling(QPainter& painter, Rng& rng) {
    painter.setPen(Qt::NoPen);
    QColor blotch = palette::capDark;
    blotch.setAlpha(90);
    painter.setBrush(blotch);
    for (int i = 0; i < 14; ++i)
        painter.drawPolygon(
            blob(onStem(rng.range(-1.3, 1.3), rng.range(surfaceTop, surfaceBottom)), rng.range(2.5, 5), 0.4, 9, rng));
}

}  // namespace

void drawStemSurfacePanel(QPainter& painter, std::string_view keyword, Rng& rng) {
    const QPolygonF segment = stemSegment();
    fillStem(painter, segment);
    painter.save();
    QPainterPath clip;
    clip.addPolygon(segment);
    painter.setClipPath(clip, Qt::IntersectClip);
    if (keyword == "reticulate")
        drawStemNet(painter, rng);
    else if (keyword == "scabrous")
        drawSpecks(painter, 110, 1.1, true, rng);
    else if (keyword == "dotted")
        drawSpecks(painter, 80, 0.6, false, rng);
    else if (keyword == "fibrillose")
        drawLengthwiseFibrils(painter, rng);
    else if (keyword == "mottled")
        drawMottling(painter, rng);
    painter.restore();
    painter.setPen(inkPen());
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(segment[1], segment[2]);
    painter.drawLine(segment[3], segment[0]);
}

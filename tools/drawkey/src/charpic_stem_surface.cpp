// Panels of the stem's surface: a piece of the stem seen from the side with its net,
// dots, scabers, scales, fibrils or bands; some show them above a ring or at the apex only.
#include "charpic_stem_parts.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double centreX = stemCentreX;
constexpr double surfaceHalf = 21;
constexpr double surfaceTop = 4;
constexpr double surfaceBottom = 76;
constexpr double ringY = 36;  // where a ring sits on the stems that have one
const QColor darkStem(168, 138, 104);

// The part of the stem a texture covers, from top to bottom.
struct Stretch {
    double top = surfaceTop;
    double bottom = surfaceBottom;
};
constexpr Stretch wholeStem{};
constexpr Stretch apex{surfaceTop, 30};
constexpr Stretch aboveRing{surfaceTop, ringY};

QPolygonF stemSegment() {
    return QPolygonF{QPointF(centreX - surfaceHalf, surfaceTop), QPointF(centreX + surfaceHalf, surfaceTop),
                     QPointF(centreX + surfaceHalf, surfaceBottom), QPointF(centreX - surfaceHalf, surfaceBottom)};
}

// Positions on a round stem seen from the side crowd towards the edges.
QPointF onStem(double around, double y) { return {centreX + surfaceHalf * std::sin(around), y}; }

QPointF randomOnStem(double y, Rng& rng) { return onStem(std::asin(rng.range(-0.97, 0.97)), y); }

void drawStemNet(QPainter& painter, const Stretch& stretch, int rows, const QPen& pen, Rng& rng) {
    const int columns = 8;
    const double rowStep = (stretch.bottom - stretch.top) / rows;
    std::vector<std::vector<QPointF>> nodes(std::size_t(rows + 1));
    for (int row = 0; row <= rows; ++row)
        for (int column = 0; column <= columns; ++column) {
            const double around =
                -std::numbers::pi / 2 + std::numbers::pi * (column + (row & 1) * 0.5 + rng.range(-0.2, 0.2)) / columns;
            nodes[std::size_t(row)].push_back(onStem(
                std::clamp(around, -1.55, 1.55), stretch.top + row * rowStep + rng.range(-1.5, 1.5) * rowStep / 10));
        }
    // Each knot joins the two below it: a net of long meshes, as on a bolete's stem.
    painter.setPen(pen);
    for (std::size_t row = 0; row < std::size_t(rows); ++row)
        for (int column = 0; column <= columns; ++column) {
            const int rightBelow = (row & 1) ? column + 1 : column;  // odd rows sit half a mesh to the right
            for (int below : {rightBelow - 1, rightBelow})
                if (below >= 0 && below <= columns)
                    painter.drawLine(nodes[row][std::size_t(column)], nodes[row + 1][std::size_t(below)]);
        }
}

enum class Speck { Dot, Scaber, Flake };

// Specks over a stretch; scabers crowd towards the base, dots at an apex towards the top.
void drawSpecks(QPainter& painter, const Stretch& stretch, int count, double size, Speck kind, const QColor& colour,
                Rng& rng) {
    painter.setPen(kind == Speck::Flake ? inkPen(0.6, colour) : QPen(Qt::NoPen));
    painter.setBrush(colour);
    for (int i = 0; i < count; ++i) {
        double share = rng.unit();
        if (kind == Speck::Scaber) share = std::sqrt(share);                 // crowding towards the base
        if (stretch.bottom < ringY - 0.1) share = 1 - std::sqrt(1 - share);  // at an apex, towards the top
        const double y = stretch.top + (stretch.bottom - stretch.top) * share;
        const QPointF where = randomOnStem(y, rng);
        if (kind == Speck::Scaber)
            painter.drawPolygon(QPolygonF{where + QPointF(-size * 0.5, 0), where + QPointF(size * 0.5, 0),
                                          where + QPointF(0, -size * 1.6)});
        else if (kind == Speck::Flake)
            painter.drawLine(where, where + QPointF(rng.range(-size, size), rng.range(-size, size) * 0.5));
        else
            painter.drawEllipse(where, size, size);
    }
}

void drawLengthwiseFibrils(QPainter& painter, const Stretch& stretch, const QColor& colour, Rng& rng) {
    painter.setPen(inkPen(0.7, colour));
    for (int i = 0; i < 52; ++i) {
        const double x = centreX + surfaceHalf * std::sin(rng.range(-1.45, 1.45));
        const double y = rng.range(stretch.top, stretch.bottom - 10);
        painter.drawLine(QPointF(x, y), QPointF(x + rng.range(-0.6, 0.6), y + rng.range(8, 24)));
    }
}

void drawMottling(QPainter& painter, const QColor& colour, Rng& rng) {
    painter.setPen(Qt::NoPen);
    QColor blotch = colour;
    blotch.setAlpha(90);
    painter.setBrush(blotch);
    for (int i = 0; i < 18; ++i)
        painter.drawPolygon(
            blob(onStem(rng.range(-1.3, 1.3), rng.range(surfaceTop, surfaceBottom)), rng.range(2.5, 5), 0.4, 9, rng));
}

// Bands of a zigzag pattern, as the snakeskin on some amanitas' stems.
void drawZigzagBands(QPainter& painter, const QColor& colour, Rng& rng) {
    QColor band = colour;
    band.setAlpha(150);
    painter.setPen(Qt::NoPen);
    painter.setBrush(band);
    for (double y = 10; y < surfaceBottom; y += 11) {
        QPolygonF zigzag;
        const double depth = rng.range(2.5, 3.5);
        const double step = surfaceHalf / 5;
        for (int i = 0; i <= 10; ++i) zigzag << QPointF(centreX - surfaceHalf + step * i, y + (i % 2 ? depth : 0));
        for (int i = 10; i >= 0; --i)
            zigzag << QPointF(centreX - surfaceHalf + step * i, y + 2.2 + (i % 2 ? depth : 0));
        painter.drawPolygon(zigzag);
    }
}

// Cottony flocks standing off the stem.
void drawFlocks(QPainter& painter, const Stretch& stretch, const QColor& colour, Rng& rng) {
    for (int i = 0; i < 34; ++i) {
        const QPointF where = randomOnStem(rng.range(stretch.top + 3, stretch.bottom - 2), rng);
        fillOutlined(painter, blob(where, rng.range(1.6, 2.6), 0.45, 8, rng), colour, 0.6);
    }
}

// Ribs running lengthwise, here and there joined: a coarse false net.
void drawRibs(QPainter& painter, const QColor& colour, Rng& rng) {
    std::vector<QPolygonF> ribs;
    for (double around : {-1.1, -0.55, 0.0, 0.55, 1.1}) {
        QPolygonF rib;
        for (double y = surfaceTop; y <= surfaceBottom + 0.1; y += 6) rib << onStem(around + rng.range(-0.12, 0.12), y);
        ribs.push_back(rib);
    }
    painter.setPen(inkPen(2.2, colour));
    for (const QPolygonF& rib : ribs) painter.drawPolyline(rib);
    painter.setPen(inkPen(1.4, colour));
    for (std::size_t i = 0; i + 1 < ribs.size(); ++i)
        for (qsizetype k = 1; k + 1 < ribs[i].size(); k += 3)
            painter.drawLine(ribs[i][k], ribs[i + 1][std::min(k + 1, ribs[i + 1].size() - 1)]);
    painter.setPen(inkPen(0.7, palette::stem.lighter(105)));
    for (const QPolygonF& rib : ribs) painter.drawPolyline(rib.translated(-0.6, 0));
}

void drawWoollyStemScales(QPainter& painter, const QColor& colour, Rng& rng) {
    for (double y = 12; y < surfaceBottom; y += 9) {
        for (double around : {-1.0, 0.0, 1.0}) {
            const QPointF where = onStem(around + rng.range(-0.3, 0.3), y + rng.range(-2, 2));
            const QPolygonF tuft = blob(where, rng.range(2.6, 3.6), 0.3, 9, rng);
            fillOutlined(painter, tuft, colour, 0);
            painter.setPen(inkPen(0.6, colour));
            for (const QPointF& corner : tuft) painter.drawLine(corner, corner + (corner - where) * 0.3);
        }
    }
}

// Rows of small upturned scales in bands around the stem.
void drawScaleBands(QPainter& painter, const QColor& colour, Rng& rng) {
    painter.setPen(inkPen(0.5, colour.darker(120)));
    painter.setBrush(colour);
    for (double y = 14; y < surfaceBottom; y += 12)
        for (int i = 0; i < 9; ++i) {
            const QPointF where = onStem(-1.35 + 2.7 * i / 8 + rng.range(-0.08, 0.08), y + rng.range(-1.2, 1.2));
            painter.drawPolygon(
                QPolygonF{where + QPointF(-1.6, 0), where + QPointF(1.6, 0), where + QPointF(0.3, -3.2)});
        }
}

void drawStriae(QPainter& painter, const Stretch& stretch) {
    painter.setPen(inkPen(0.6, palette::stemDark.darker(125)));
    for (double around = -1.4; around <= 1.41; around += 0.2)
        painter.drawLine(onStem(around, stretch.top), onStem(around, stretch.bottom));
}

// A ring around the stem, to show what lies above it and what below.
void drawRingAcross(QPainter& painter) {
    QPainterPath ring;
    ring.moveTo(centreX - surfaceHalf - 1, ringY - 1);
    ring.quadTo(centreX, ringY + 3, centreX + surfaceHalf + 1, ringY - 1);
    ring.lineTo(centreX + surfaceHalf + 4, ringY + 7);
    ring.quadTo(centreX, ringY + 12, centreX - surfaceHalf - 4, ringY + 7);
    ring.closeSubpath();
    fillOutlined(painter, ring, palette::veil);
}

// Light ornaments need a darker stem to show on.
QColor stemColourUnder(const QColor& ornament) {
    const double luminance = 0.299 * ornament.red() + 0.587 * ornament.green() + 0.114 * ornament.blue();
    return luminance > 170 ? darkStem : palette::stem;
}

void drawTexture(QPainter& painter, std::string_view keyword, const QColor& tint, Rng& rng) {
    const QColor ornament = tint.isValid() ? tint : palette::capDark.darker(150);
    if (keyword == "reticulate")
        drawStemNet(painter, wholeStem, 7, inkPen(1.0, tint.isValid() ? tint : palette::capDark), rng);
    else if (keyword == "reticulate-apex")
        drawStemNet(painter, apex, 4, inkPen(0.8, tint.isValid() ? tint : palette::capDark), rng);
    else if (keyword == "scabrous")
        drawSpecks(painter, wholeStem, 140, 1.1, Speck::Scaber, ornament, rng);
    else if (keyword == "dotted")
        drawSpecks(painter, wholeStem, 110, 0.8, Speck::Dot, ornament, rng);
    else if (keyword == "dotted-apex")
        drawSpecks(painter, apex, 70, 0.8, Speck::Dot, ornament, rng);
    else if (keyword == "dotted-above-ring")
        drawSpecks(painter, aboveRing, 75, 0.8, Speck::Dot, ornament, rng);
    else if (keyword == "scurfy")
        drawSpecks(painter, wholeStem, 330, 0.7, Speck::Flake, tint.isValid() ? tint : palette::stemDark.darker(130),
                   rng);
    else if (keyword == "fibrillose")
        drawLengthwiseFibrils(painter, wholeStem, tint.isValid() ? tint : palette::stemDark.darker(140), rng);
    else if (keyword == "mottled")
        drawMottling(painter, tint.isValid() ? tint : palette::capDark, rng);
    else if (keyword == "zigzag")
        drawZigzagBands(painter, tint.isValid() ? tint : palette::capDark, rng);
    else if (keyword == "floccose")
        drawFlocks(painter, wholeStem, tint.isValid() ? tint : palette::veil, rng);
    else if (keyword == "ribbed")
        drawRibs(painter, tint.isValid() ? tint : palette::stemDark, rng);
    else if (keyword == "woolly-scales")
        drawWoollyStemScales(painter, tint.isValid() ? tint : QColor(62, 56, 52), rng);
    else if (keyword == "scale-bands")
        drawScaleBands(painter, tint.isValid() ? tint : palette::capDark, rng);
    else if (keyword == "striate-apex")
        drawStriae(painter, aboveRing);
}

}  // namespace

void drawStemSurfacePanel(QPainter& painter, const PanelSubject& subject, Rng& rng) {
    const QPolygonF segment = stemSegment();
    fillStem(painter, segment, subject.tint.isValid() ? stemColourUnder(subject.tint) : palette::stem);
    painter.save();
    QPainterPath clip;
    clip.addPolygon(segment);
    painter.setClipPath(clip, Qt::IntersectClip);
    drawTexture(painter, subject.keyword, subject.tint, rng);
    painter.restore();
    painter.setPen(inkPen());
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(segment[1], segment[2]);
    painter.drawLine(segment[3], segment[0]);
    if (subject.keyword == "striate-apex" || subject.keyword == "dotted-above-ring") drawRingAcross(painter);
}

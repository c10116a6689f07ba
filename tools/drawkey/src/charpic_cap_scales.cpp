// Cap-surface textures that stand on the cap: cracks, fibrils, scales and the remnants
// of the universal veil.
#include "charpic_cap_surface.h"

#include <cmath>
#include <numbers>

namespace {

// Points spread over the disk, none closer to another than `spacing`.
std::vector<QPointF> spreadPoints(const CapDisk& disk, double reach, int wanted, double spacing, Rng& rng) {
    std::vector<QPointF> placed;
    for (int tries = 0; int(placed.size()) < wanted && tries < 2000; ++tries) {
        const QPointF where = randomPointInDisk(disk.centre, reach, rng);
        bool crowded = false;
        for (const QPointF& other : placed) crowded = crowded || QLineF(other, where).length() < spacing;
        if (!crowded) placed.push_back(where);
    }
    return placed;
}

void drawVeilRemnants(QPainter& painter, const CapDisk& disk, bool patches, Rng& rng) {
    std::vector<QPointF> placed;
    const int wanted = patches ? 9 : 38;
    const double size = patches ? 5.5 : 1.9;
    for (int tries = 0; int(placed.size()) < wanted && tries < 2000; ++tries) {
        const QPointF where = randomPointInDisk(disk.centre, disk.radius - size - 1, rng);
        bool crowded = false;
        for (const QPointF& other : placed) crowded = crowded || QLineF(other, where).length() < size * 2.6;
        if (crowded) continue;
        placed.push_back(where);
        fillOutlined(painter, blob(where, size * rng.range(0.75, 1.2), patches ? 0.35 : 0.15, patches ? 9 : 7, rng),
                     palette::veil, 0.8);
    }
}

// A scale lying flat and pointing to the margin: a narrow triangle from its base.
QPolygonF scalePointingOut(const CapDisk& disk, QPointF base, double length, double width) {
    QPointF out = base - disk.centre;
    const double distance = std::max(0.5, std::hypot(out.x(), out.y()));
    out /= distance;
    const QPointF across(-out.y(), out.x());
    return QPolygonF{base + across * width / 2, base + out * length, base - across * width / 2};
}

// Strokes running outwards, each bent a little, between two bands of radii (in cap radii).
struct RadialStrokes {
    int count;
    double bend;  // radians, at most
    double innerFrom, innerTo, outerFrom, outerTo;
};

void drawRadialStrokes(QPainter& painter, const CapDisk& disk, const RadialStrokes& strokes, Rng& rng) {
    for (int i = 0; i < strokes.count; ++i) {
        const double angle = rng.range(0, 2 * std::numbers::pi);
        const double bend = rng.range(-strokes.bend, strokes.bend);
        const QPointF from(std::cos(angle), std::sin(angle));
        const QPointF to(std::cos(angle + bend), std::sin(angle + bend));
        painter.drawLine(disk.centre + from * disk.radius * rng.range(strokes.innerFrom, strokes.innerTo),
                         disk.centre + to * disk.radius * rng.range(strokes.outerFrom, strokes.outerTo));
    }
}

void drawScales(QPainter& painter, const CapDisk& disk, int count, double length, double width, const QColor& colour,
                double penWidth, Rng& rng) {
    for (const QPointF& base : spreadPoints(disk, disk.radius - length - 1, count, length * 0.9, rng)) {
        const double size = rng.range(0.8, 1.2);
        fillOutlined(painter, scalePointingOut(disk, base, length * size, width * size), colour, penWidth);
    }
}

}  // namespace

// Areolate cracking: a jittered grid of fields parted by pale cracks showing the flesh.
void drawCracks(QPainter& painter, const CapDisk& disk, Rng& rng) {
    const QPointF centre = disk.centre;
    const double radius = disk.radius;
    painter.save();
    QPainterPath clip;
    clip.addEllipse(centre, radius - 0.8, radius - 0.8);
    painter.setClipPath(clip, Qt::IntersectClip);
    painter.setPen(inkPen(1.4, palette::flesh));
    const double step = 9;
    const int cells = int(2 * radius / step) + 2;
    std::vector<std::vector<QPointF>> nodes(std::size_t(cells + 1), std::vector<QPointF>(std::size_t(cells + 1)));
    for (int row = 0; row <= cells; ++row)
        for (int column = 0; column <= cells; ++column)
            nodes[std::size_t(row)][std::size_t(column)] =
                centre + QPointF((column - cells / 2.0) * step + rng.range(-2.5, 2.5) + (row & 1) * step / 2,
                                 (row - cells / 2.0) * step + rng.range(-2.5, 2.5));
    for (std::size_t row = 0; row <= std::size_t(cells); ++row)
        for (std::size_t column = 0; column <= std::size_t(cells); ++column) {
            if (column < std::size_t(cells)) painter.drawLine(nodes[row][column], nodes[row][column + 1]);
            if (row < std::size_t(cells) && ((row + column) & 1) == 0)
                painter.drawLine(nodes[row][column], nodes[row + 1][column]);
        }
    painter.restore();
}

void drawFibrils(QPainter& painter, const CapDisk& disk, Rng& rng) {
    painter.setPen(inkPen(0.7, palette::capDark.darker(140)));
    drawRadialStrokes(painter, disk, {150, 0.06, 0.1, 0.5, 0.85, 0.98}, rng);
}

void drawFineScales(QPainter& painter, const CapDisk& disk, Rng& rng) {
    drawScales(painter, disk, 90, 3.2, 1.8, palette::capDark.darker(125), 0, rng);
}

// Coarse scales, each a tuft of fibres lying towards the margin.
void drawCoarseScales(QPainter& painter, const CapDisk& disk, Rng& rng) {
    for (const QPointF& base : spreadPoints(disk, disk.radius - 9, 22, 8.5, rng)) {
        const QPolygonF scale = scalePointingOut(disk, base, rng.range(8, 10), rng.range(5, 6.5));
        fillOutlined(painter, scale, palette::capDark.darker(118), 0.8);
        painter.setPen(inkPen(0.6, palette::capDark.darker(160)));
        for (double share : {0.3, 0.5, 0.7}) painter.drawLine(scale[0] + (scale[2] - scale[0]) * share, scale[1]);
    }
}

// Large, dark, woolly scales standing off a pale ground, as on the old man of the woods.
void drawWoollyScales(QPainter& painter, const CapDisk& disk, Rng& rng) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(214, 208, 198));
    painter.drawEllipse(disk.centre, disk.radius - 0.5, disk.radius - 0.5);
    const QColor wool(62, 56, 52);
    for (const QPointF& where : spreadPoints(disk, disk.radius - 5, 22, 9, rng)) {
        const QPolygonF tuft = blob(where, rng.range(3.6, 5), 0.3, 11, rng);
        fillOutlined(painter, tuft, wool, 0);
        painter.setPen(inkPen(0.7, wool));
        for (const QPointF& corner : tuft)  // fibres fraying from its edge
            painter.drawLine(corner, corner + (corner - where) * rng.range(0.15, 0.35));
    }
}

void drawVeilWarts(QPainter& painter, const CapDisk& disk, Rng& rng) { drawVeilRemnants(painter, disk, false, rng); }

void drawVeilPatches(QPainter& painter, const CapDisk& disk, Rng& rng) { drawVeilRemnants(painter, disk, true, rng); }

// One large membranous patch on the disc, as a torn piece of the volva.
void drawLargeVeilPatch(QPainter& painter, const CapDisk& disk, Rng& rng) {
    fillOutlined(painter, blob(disk.centre + QPointF(-3, -2), disk.radius * 0.42, 0.22, 13, rng), palette::veil, 1.0);
    fillOutlined(painter, blob(disk.centre + QPointF(disk.radius * 0.5, disk.radius * 0.35), 4, 0.3, 8, rng),
                 palette::veil, 0.9);
}

// Pointed warts seen from above: four faces, lit from the upper left.
void drawPyramidalWarts(QPainter& painter, const CapDisk& disk, Rng& rng) {
    const QColor lit = palette::veil;
    const QColor shaded(206, 198, 184);
    for (const QPointF& where : spreadPoints(disk, disk.radius - 5, 20, 8.2, rng)) {
        const double r = rng.range(3.0, 3.9);
        const QPointF top = where + QPointF(-r, 0), right = where + QPointF(0, -r);
        const QPointF bottom = where + QPointF(r, 0), left = where + QPointF(0, r);
        fillOutlined(painter, QPolygonF{top, right, where}, lit, 0);
        fillOutlined(painter, QPolygonF{right, bottom, where}, shaded, 0);
        fillOutlined(painter, QPolygonF{bottom, left, where}, shaded.darker(110), 0);
        fillOutlined(painter, QPolygonF{left, top, where}, lit, 0);
        painter.setPen(inkPen(0.7));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolygon(QPolygonF{top, right, bottom, left});
    }
}

// A fine powder of the veil: many tiny pale grains.
void drawMealyVeil(QPainter& painter, const CapDisk& disk, Rng& rng) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 248, 242, 230));
    for (int i = 0; i < 520; ++i)
        painter.drawEllipse(randomPointInDisk(disk.centre, disk.radius * 0.96, rng), 0.55, 0.55);
}

// A woolly fringe hanging over the margin, as a bearded milk cap's.
void drawBeardedMargin(QPainter& painter, const CapDisk& disk, Rng& rng) {
    painter.setPen(inkPen(0.8, palette::capLight.lighter(108)));
    drawRadialStrokes(painter, disk, {240, 0.08, 0.55, 0.85, 1.02, 1.1}, rng);
}

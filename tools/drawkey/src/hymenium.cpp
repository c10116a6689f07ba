#include "hymenium.h"

#include "profile_outline.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double stubMicrons = 4.0;  // the hypha below a basal septum

double radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

QPolygonF shifted(const QPolygonF& polygon, QPointF offset) {
    QPolygonF moved = polygon;
    moved.translate(offset);
    return moved;
}

// Fill, outline open at the base, septum across the base and a short hypha below it.
void drawCell(QPainter& painter, const UprightOutline& outline, QPointF base, double stubLength, const CellInk& ink) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink.fill);
    painter.drawPolygon(shifted(outline.closed(), base));
    painter.setPen(ink.outline);
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(shifted(outline.open(), base));
    const QPointF baseLeft = outline.left.front() + base;
    const QPointF baseRight = outline.right.back() + base;
    painter.drawLine(baseLeft, baseRight);
    if (stubLength > 0) {
        const QPointF narrowing((baseRight.x() - baseLeft.x()) * 0.08, 0);
        painter.drawLine(baseLeft, baseLeft + narrowing + QPointF(0, stubLength));
        painter.drawLine(baseRight, baseRight - narrowing + QPointF(0, stubLength));
    }
}

// Granules or oil drops inside the upper part of a cell.
void drawContents(QPainter& painter, const UprightOutline& outline, QPointF base, int count, double radius,
                  double elongation, const CellInk& ink, Rng& rng) {
    const QPolygonF inside = outline.closed();
    const QRectF box = inside.boundingRect();
    painter.setPen(ink.antialias ? QPen(ink.contents, 0.8) : QPen(ink.contents, 1));
    painter.setBrush(Qt::NoBrush);
    for (int placed = 0, tries = 0; placed < count && tries < count * 30; ++tries) {
        const QPointF centre(rng.range(box.left(), box.right()), rng.range(box.top(), box.top() + box.height() * 0.75));
        const double r = radius * rng.range(0.6, 1.2);
        const QPointF reach(r + 1.5, r * elongation + 1.5);
        if (!inside.containsPoint(centre + QPointF(reach.x(), 0), Qt::OddEvenFill) ||
            !inside.containsPoint(centre - QPointF(reach.x(), 0), Qt::OddEvenFill) ||
            !inside.containsPoint(centre + QPointF(0, reach.y()), Qt::OddEvenFill) ||
            !inside.containsPoint(centre - QPointF(0, reach.y()), Qt::OddEvenFill))
            continue;
        painter.drawEllipse(centre + base, r, r * elongation);
        ++placed;
    }
}

struct Sterigma {
    QPolygonF shape;
    QPointF tip;
    double tipAngle;  // degrees from upright, clockwise
};

// A horn-shaped sterigma rising from the apex, bending back towards upright.
Sterigma makeSterigma(QPointF start, double startAngle, double length, double baseWidth, double tipWidth) {
    constexpr int steps = 10;
    std::vector<QPointF> centre{start};
    std::vector<double> angles{startAngle};
    for (int i = 1; i <= steps; ++i) {
        const double s = double(i) / steps;
        const double angle = startAngle * (1 - 0.55 * s);
        centre.push_back(centre.back() +
                         QPointF(std::sin(radians(angle)), -std::cos(radians(angle))) * (length / steps));
        angles.push_back(angle);
    }
    QPolygonF left, right;
    for (int i = 0; i <= steps; ++i) {
        const double s = double(i) / steps;
        const double halfWidth = (baseWidth * (1 - s) + tipWidth * s) / 2;
        const QPointF across(std::cos(radians(angles[i])), std::sin(radians(angles[i])));
        left << centre[i] - across * halfWidth;
        right.prepend(centre[i] + across * halfWidth);
    }
    return {left + right, centre.back(), angles.back()};
}

void drawSterigma(QPainter& painter, const Sterigma& sterigma, const CellInk& ink) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink.fill);
    painter.drawPolygon(sterigma.shape);
    painter.setPen(ink.outline);
    const qsizetype half = sterigma.shape.size() / 2;
    painter.drawPolyline(sterigma.shape.mid(0, half));
    painter.drawPolyline(sterigma.shape.mid(half));
    painter.drawLine(sterigma.shape[half - 1], sterigma.shape[half]);
}

void drawCarriedSpore(QPainter& painter, const Sterigma& sterigma, bool mirrored, const AttachedSpores& spores) {
    painter.save();
    painter.translate(sterigma.tip);
    painter.rotate(sterigma.tipAngle);
    if (mirrored) painter.scale(-1, 1);
    painter.translate(-spores.spore->apiculusTip);
    drawSpore(painter, *spores.spore, *spores.ink);
    painter.restore();
}

std::vector<WidthKnot> basidiumKnots(double halfWidth) {
    return {{0, 0.4 * halfWidth}, {0.3, 0.55 * halfWidth}, {0.65, 0.88 * halfWidth}, {0.9, halfWidth}, {1, halfWidth}};
}

// Half-widths along a cystidium, as shares of the half-width given by cystidiumSize().
std::vector<WidthKnot> cystidiumKnots(Cystidia type) {
    switch (type) {
        case Cystidia::Fusiform:
            return {{0, 0.35}, {0.15, 0.45}, {0.45, 1.0}, {0.75, 0.7}, {0.92, 0.3}, {1, 0.1}};
        case Cystidia::Lageniform:
            return {{0, 0.4}, {0.1, 0.72}, {0.3, 1.0}, {0.5, 0.82}, {0.62, 0.34}, {0.8, 0.26}, {1, 0.26}};
        case Cystidia::Clavate:
            return {{0, 0.3}, {0.3, 0.45}, {0.6, 0.75}, {0.85, 0.96}, {1, 1.0}};
        case Cystidia::Cylindrical:
            return {{0, 0.75}, {0.2, 0.95}, {0.5, 1.0}, {0.8, 0.95}, {1, 0.9}};
        case Cystidia::Capitate:
            return {{0, 0.45}, {0.3, 0.62}, {0.7, 0.55}, {0.8, 0.42}, {0.86, 0.42}, {0.94, 0.95}, {1, 0.95}};
        case Cystidia::Utriform:
            return {{0, 0.3}, {0.15, 0.7}, {0.45, 1.0}, {0.7, 0.95}, {0.85, 0.8}, {1, 0.74}};
        case Cystidia::Mucronate:
            return {{0, 0.35}, {0.2, 0.6}, {0.5, 1.0}, {0.8, 0.72}, {0.9, 0.42}, {0.93, 0.16}, {1, 0.13}};
        case Cystidia::Macrocystidia:
            return {{0, 0.5}, {0.2, 0.8}, {0.5, 1.0}, {0.75, 0.9}, {0.9, 0.6}, {0.97, 0.36}, {1, 0.3}};
        case Cystidia::None:
            break;
    }
    return {{0, 1}, {1, 1}};
}

}  // namespace

BasidiumSize basidiumSizeFor(const SpeciesParams& species) {
    const double length = std::clamp(30 + species.length.mid(), 32.0, 48.0);
    const double width = std::clamp(0.9 * species.width.mid() + 4, 7.0, 15.0);
    const double sterigma = std::clamp(0.55 * species.length.mid(), 3.5, 8.0);
    return {length, width, sterigma};
}

double basidiumHeight(const BasidiumSize& size, double pixelsPerMicron, const AttachedSpores& spores) {
    double height = (size.length + size.sterigmaLength) * pixelsPerMicron;
    if (spores.count > 0 && spores.spore) height += spores.spore->bounds().height() * 0.8;  // carried leaning outwards
    return height;
}

void drawBasidium(QPainter& painter, QPointF base, const BasidiumSize& size, double pixelsPerMicron,
                  bool withSterigmata, const AttachedSpores& spores, const CellInk& ink, Rng& rng) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, ink.antialias);
    const double halfWidth = size.width / 2 * pixelsPerMicron;
    const double bodyLength = size.length * pixelsPerMicron - halfWidth;
    const UprightOutline body =
        uprightOutline(basidiumKnots(halfWidth), bodyLength, rng.range(-0.6, 0.6) * pixelsPerMicron);
    drawCell(painter, body, base, stubMicrons * pixelsPerMicron, ink);
    drawContents(painter, body, base, 3, 0.7 * pixelsPerMicron, 1.0, ink, rng);
    if (withSterigmata) {
        // Four sterigmata, two outer ones leaning out, two inner nearly upright.
        const double capAngles[4] = {152, 112, 68, 28};
        for (int i = 0; i < 4; ++i) {
            const QPointF start = body.capPoint(capAngles[i]) + base + QPointF(0, 0.3 * pixelsPerMicron);
            const double lean = (90 - capAngles[i]) * 0.8;
            const Sterigma sterigma = makeSterigma(start, lean, size.sterigmaLength * pixelsPerMicron,
                                                   1.3 * pixelsPerMicron, 0.45 * pixelsPerMicron);
            drawSterigma(painter, sterigma, ink);
            const bool carries = spores.spore && ((i == 3 && spores.count >= 1) || (i == 0 && spores.count >= 2));
            if (carries) drawCarriedSpore(painter, sterigma, i == 0, spores);
        }
    }
    painter.restore();
}

void drawSporeBearingBasidium(QPainter& painter, QPointF base, const BasidiumSize& size, double pixelsPerMicron,
                              int sterigmata, const AttachedSpores& spores, const CellInk& ink, Rng& rng) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, ink.antialias);
    const double halfWidth = size.width / 2 * pixelsPerMicron;
    const UprightOutline body = uprightOutline(basidiumKnots(halfWidth), size.length * pixelsPerMicron - halfWidth, 0);
    drawCell(painter, body, base, stubMicrons * pixelsPerMicron, ink);
    drawContents(painter, body, base, 3, 0.7 * pixelsPerMicron, 1.0, ink, rng);
    const std::vector<double> capAngles =
        sterigmata == 2 ? std::vector<double>{135, 45} : std::vector<double>{152, 112, 68, 28};
    for (const double angle : capAngles) {
        const QPointF start = body.capPoint(angle) + base + QPointF(0, 0.3 * pixelsPerMicron);
        const Sterigma sterigma = makeSterigma(start, (90 - angle) * 0.8, size.sterigmaLength * pixelsPerMicron,
                                               1.3 * pixelsPerMicron, 0.45 * pixelsPerMicron);
        drawSterigma(painter, sterigma, ink);
        if (spores.spore) drawCarriedSpore(painter, sterigma, angle > 90, spores);
    }
    painter.restore();
}

QSizeF cystidiumSize(Cystidia type) {
    switch (type) {
        case Cystidia::Fusiform:
            return {10, 60};
        case Cystidia::Lageniform:
            return {11, 50};
        case Cystidia::Clavate:
            return {12, 42};
        case Cystidia::Cylindrical:
            return {7, 55};
        case Cystidia::Capitate:
            return {9, 45};
        case Cystidia::Utriform:
            return {15, 46};
        case Cystidia::Mucronate:
            return {10, 62};
        case Cystidia::Macrocystidia:
            return {9, 88};
        case Cystidia::None:
            break;
    }
    return {0, 0};
}

void drawCystidium(QPainter& painter, QPointF base, Cystidia type, double pixelsPerMicron, double sizeFactor,
                   double lean, const CellInk& ink, Rng& rng) {
    if (type == Cystidia::None) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, ink.antialias);
    const QSizeF size = cystidiumSize(type) * sizeFactor * pixelsPerMicron;
    std::vector<WidthKnot> knots = cystidiumKnots(type);
    for (WidthKnot& knot : knots) knot.halfWidth *= size.width() / 2;
    const double capRatio = 1.0;
    const double bodyLength = size.height() - knots.back().halfWidth * capRatio;
    const UprightOutline body = uprightOutline(knots, bodyLength, lean * pixelsPerMicron, capRatio, 90);
    drawCell(painter, body, base, stubMicrons * pixelsPerMicron, ink);
    // Granular contents, long and refractive in macrocystidia.
    if (type == Cystidia::Macrocystidia)
        drawContents(painter, body, base, 22, 0.35 * pixelsPerMicron, 3.0, ink, rng);
    else
        drawContents(painter, body, base, 14, 0.45 * pixelsPerMicron, 1.0, ink, rng);
    painter.restore();
}

void drawHyphalEnds(QPainter& painter, QPointF base, double height, int count, double pixelsPerMicron,
                    const CellInk& ink, Rng& rng) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, ink.antialias);
    for (int i = 0; i < count; ++i) {
        const double halfWidth = rng.range(1.8, 2.6) * pixelsPerMicron;
        const double length = height * rng.range(0.75, 1.0) - halfWidth;
        const std::vector<WidthKnot> knots{
            {0, halfWidth}, {0.5, halfWidth * 1.05}, {0.8, halfWidth}, {1, halfWidth * 0.85}};
        const QPointF foot = base + QPointF((i - (count - 1) / 2.0) * 6.5 * pixelsPerMicron, 0);
        const UprightOutline hypha = uprightOutline(knots, length, rng.range(-3, 3) * pixelsPerMicron, 1.0);
        drawCell(painter, hypha, foot, stubMicrons * pixelsPerMicron, ink);
        // Septa divide the hypha into cells; the terminal cell is the longest.
        painter.setPen(ink.outline);
        for (double t : {0.35, 0.62}) {
            const int index = int(t * (hypha.left.size() - 1));
            painter.drawLine(hypha.left[std::size_t(index)] + foot,
                             hypha.right[hypha.right.size() - 1 - std::size_t(index)] + foot);
        }
    }
    painter.restore();
}

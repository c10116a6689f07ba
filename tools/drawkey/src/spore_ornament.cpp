#include "spore_ornament.h"

#include <QHash>

#include <cmath>
#include <numbers>

namespace {

enum class OutlineMark { None, Wart, Ridge, Spine };

// How each ornament looks, in micrometres; taken from the usual descriptions of
// warts 0.5-1 um high, spines 1-1.5 um, a mesh of about 1-1.5 um.
struct OrnamentLook {
    double spacing = 1;      // between neighbouring elements
    double keepChance = 1;   // share of the grid's elements that are present
    double wartRadius = 0;   // 0: no warts on the face
    double crestChance = 0;  // share of neighbour pairs joined by a crest
    OutlineMark mark = OutlineMark::None;
    double markHeight = 0;
    bool meshwork = false;       // crests joined into cells, as a reticulum, rather than loose
    bool acrossOnly = false;     // crests run across the spore only, as parallel ridges
    double crestMicrons = 0.22;  // crest width
};

OrnamentLook lookOf(Ornament ornament) {
    switch (ornament) {
        case Ornament::Smooth:
            return {};
        case Ornament::IsolatedWarts:
            return {1.6, 0.7, 0.36, 0.0, OutlineMark::Wart, 0.5};
        case Ornament::Warts:
            return {1.3, 1.0, 0.4, 0.0, OutlineMark::Wart, 0.6};
        case Ornament::WartsCrests:
            return {1.3, 1.0, 0.36, 0.35, OutlineMark::Wart, 0.6};
        case Ornament::PartialReticulum:
            return {0.8, 1.0, 0.22, 0.6, OutlineMark::Ridge, 0.6, true};
        case Ornament::Reticulate:
            return {0.8, 1.0, 0.0, 1.0, OutlineMark::Ridge, 0.7, true};
        case Ornament::Spines:
            return {1.4, 1.0, 0.3, 0.0, OutlineMark::Spine, 1.2};
        case Ornament::Ridges:
            return {1.1, 1.0, 0.0, 0.95, OutlineMark::Ridge, 0.6, false, true};
        case Ornament::HighCrests:
            return {1.3, 1.0, 0.0, 0.85, OutlineMark::Ridge, 1.4, true, false, 0.34};
    }
    return {};
}

struct GridNode {
    QPointF position;
    double foreshortening;  // 1 facing the viewer, towards 0 at the rim
};

// The ornament covers a sphere-like surface: a regular grid on the surface maps to
// the picture with sin(), crowding the elements towards the rim as a real spore does.
QHash<QPair<int, int>, GridNode> faceGrid(const OrnamentLook& look, const QPolygonF& body, double halfLength,
                                          double halfWidth, double pixelsPerMicron, Rng& rng) {
    QHash<QPair<int, int>, GridNode> nodes;
    const double quarterAcross = std::numbers::pi / 2 * halfWidth / pixelsPerMicron;
    const double quarterAlong = std::numbers::pi / 2 * halfLength / pixelsPerMicron;
    const double stepAcross = look.spacing / quarterAcross;
    const double stepAlong = look.spacing * (look.meshwork ? 1.75 : 1.0) / quarterAlong;  // hexagon-like cells
    const int columns = int(std::ceil(1 / stepAcross)) + 1;
    const int rows = int(std::ceil(1 / stepAlong)) + 1;
    const double inset = 0.88;  // keep the elements off the outline itself
    for (int row = -rows; row <= rows; ++row) {
        const double rowShift = (row & 1) ? stepAcross / 2 : 0;
        for (int column = -columns; column <= columns; ++column) {
            const double u = column * stepAcross + rowShift + rng.range(-0.25, 0.25) * stepAcross;
            const double v = row * stepAlong + rng.range(-0.25, 0.25) * stepAlong;
            const bool kept = rng.chance(look.keepChance);
            if (std::abs(u) >= 1 || std::abs(v) >= 1 || !kept) continue;
            const double x = std::sin(u * std::numbers::pi / 2);
            const double y = std::sin(v * std::numbers::pi / 2);
            const double rimDistance = x * x + y * y;
            const QPointF position(x * halfWidth, y * halfLength);
            if (rimDistance > inset || !body.containsPoint(position / 0.94, Qt::OddEvenFill)) continue;
            nodes.insert({column, row}, {position, std::sqrt(std::max(0.12, 1 - rimDistance))});
        }
    }
    return nodes;
}

void addFaceOrnament(SporeFigure& spore, const OrnamentLook& look, double halfLength, double halfWidth,
                     double pixelsPerMicron, Rng& rng) {
    const auto nodes = faceGrid(look, spore.body, halfLength, halfWidth, pixelsPerMicron, rng);
    // Sorted keys: QHash order is not fixed, the pictures must be.
    QList<QPair<int, int>> keys = nodes.keys();
    std::sort(keys.begin(), keys.end());
    for (const auto& key : keys) {
        const GridNode& node = nodes.value(key);
        // A meshwork joins every node across but only every other one downwards: with
        // the rows shifted by half a step that closes cells like a honeycomb's.
        const bool joinsDown = !look.meshwork || ((key.first + key.second) & 1) == 0;
        for (const QPair<int, int>& neighbour :
             {QPair<int, int>{key.first + 1, key.second}, {key.first, key.second + 1}}) {
            const bool joined = rng.chance(look.crestChance);
            const bool downwards = neighbour.second != key.second;
            if (joined && (!downwards || (joinsDown && !look.acrossOnly)) && nodes.contains(neighbour))
                spore.crests.emplace_back(node.position, nodes.value(neighbour).position);
        }
        if (look.wartRadius > 0) {
            const double radius = look.wartRadius * pixelsPerMicron * node.foreshortening * rng.range(0.8, 1.15);
            spore.warts.push_back({node.position, radius});
        }
    }
}

QPolygonF circlePolygon(QPointF centre, double radius) {
    QPolygonF polygon;
    constexpr int sides = 10;
    for (int i = 0; i < sides; ++i) {
        const double angle = 2 * std::numbers::pi * i / sides;
        polygon << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    return polygon;
}

QPolygonF outlineMark(const OrnamentLook& look, QPointF base, QPointF outward, double pixelsPerMicron, Rng& rng) {
    const QPointF along(-outward.y(), outward.x());
    const double height = look.markHeight * pixelsPerMicron * rng.range(0.8, 1.15);
    switch (look.mark) {
        case OutlineMark::Wart:
            return circlePolygon(base + outward * height * 0.25, height * 0.7);
        case OutlineMark::Ridge: {
            const double halfThickness = 0.12 * pixelsPerMicron;
            return QPolygonF{base - along * halfThickness, base + along * halfThickness,
                             base + along * halfThickness + outward * height,
                             base - along * halfThickness + outward * height};
        }
        case OutlineMark::Spine: {
            const double halfBase = 0.3 * pixelsPerMicron;
            return QPolygonF{base - along * halfBase - outward, base + along * halfBase - outward,
                             base + outward * height};
        }
        case OutlineMark::None:
            break;
    }
    return {};
}

// Marks at even steps along the outline, skipping the apiculus, which is smooth.
void addOutlineMarks(SporeFigure& spore, const OrnamentLook& look, double pixelsPerMicron, Rng& rng) {
    const QPolygonF& body = spore.body;
    const double step = look.spacing * pixelsPerMicron;
    const QPointF apiculusBase =
        spore.apiculus.isEmpty() ? QPointF(1e9, 1e9) : (spore.apiculus.first() + spore.apiculus.last()) / 2;
    double travelled = rng.range(0, step);
    double nextMark = step;
    for (qsizetype i = 0; i + 1 < body.size(); ++i) {
        const QLineF edge(body[i], body[i + 1]);
        travelled += edge.length();
        if (travelled < nextMark || edge.length() <= 0) continue;
        nextMark += step;
        const QPointF point = edge.center();
        QPointF outward(edge.dy() / edge.length(), -edge.dx() / edge.length());
        if (QPointF::dotProduct(outward, point) < 0) outward = -outward;
        if (QLineF(point, apiculusBase).length() < 1.3 * pixelsPerMicron) continue;
        spore.outlineMarks.push_back(outlineMark(look, point, outward, pixelsPerMicron, rng));
    }
}

}  // namespace

void addSporeOrnament(SporeFigure& spore, Ornament ornament, double halfLength, double halfWidth,
                      double pixelsPerMicron, Rng& rng) {
    const OrnamentLook look = lookOf(ornament);
    spore.crestWidth = std::max(1.0, look.crestMicrons * pixelsPerMicron);
    if (ornament == Ornament::Smooth) {
        const double wall = 0.45 * pixelsPerMicron;
        for (const QPointF& p : spore.body)
            spore.innerWall << QPointF(p.x() * (1 - wall / halfWidth), p.y() * (1 - wall / halfLength));
        spore.guttuleCentre = QPointF(0, -0.08 * halfLength);
        spore.guttuleRadius = 0.32 * std::min(halfLength, halfWidth);
        return;
    }
    addFaceOrnament(spore, look, halfLength, halfWidth, pixelsPerMicron, rng);
    addOutlineMarks(spore, look, pixelsPerMicron, rng);
}

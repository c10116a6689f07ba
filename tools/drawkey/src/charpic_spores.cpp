// Panels of the spores: their ornament, their shape and their colour in Melzer's reagent.
#include "charpic_style.h"

#include "spore.h"
#include "vocabulary.h"

namespace {

constexpr double unitsPerMicron = 4.4;       // a spore of 9 um fills half the panel's height
constexpr double shapeUnitsPerMicron = 3.9;  // the longest spore shape, 14 um, still fits

SporeInk sporeInk(QColor body, QColor outline, QColor ornament) {
    SporeInk ink;
    ink.body = body;
    ink.outline = QPen(outline, 0.9);
    ink.ornament = ornament;
    ink.innerWall = QPen(QColor(110, 110, 120), 0.6);
    ink.guttule = QPen(QColor(130, 130, 140), 0.6);
    ink.guttuleFill = QColor(252, 252, 250);
    ink.antialias = true;
    return ink;
}

const SporeInk plainInk = sporeInk(QColor(240, 238, 230), QColor(56, 56, 68), QColor(36, 36, 56));

void drawAt(QPainter& painter, const SporeFigure& spore, const SporeInk& ink, QPointF where) {
    painter.save();
    painter.translate(where);
    drawSpore(painter, spore, ink);
    painter.restore();
}

// One spore in face view on the left, one in side view on the right.
void drawSporePair(QPainter& painter, SporeShape shape, Ornament ornament, double length, double width,
                   double pixelsPerMicron, Rng& rng) {
    const struct {
        SporeView view;
        double x;
    } views[] = {{SporeView::Face, 28}, {SporeView::Profile, 72}};
    for (const auto& placement : views) {
        const SporeFigure spore = buildSpore(shape, ornament, length, width, placement.view, pixelsPerMicron, rng);
        drawAt(painter, spore, plainInk, QPointF(placement.x, panelUnitsHigh / 2 - 2));
    }
}

struct ShapeLook {
    SporeShape shape;
    Ornament ornament;
    double length;  // micrometres
    double width;
};

// Typical sizes, so that the shapes compare at one magnification.
ShapeLook shapeLookOf(std::string_view keyword) {
    static const std::pair<std::string_view, ShapeLook> looks[] = {
        {"globose", {SporeShape::Globose, Ornament::Smooth, 8, 8}},
        {"subglobose", {SporeShape::Subglobose, Ornament::Smooth, 8.5, 7.5}},
        {"broadly-ellipsoid", {SporeShape::BroadlyEllipsoid, Ornament::Smooth, 9.5, 7.3}},
        {"ellipsoid", {SporeShape::Ellipsoid, Ornament::Smooth, 10.5, 6.5}},
        {"elongate", {SporeShape::Elongate, Ornament::Smooth, 12.5, 5.5}},
        {"cylindrical", {SporeShape::Cylindrical, Ornament::Smooth, 12, 4.5}},
        {"fusiform", {SporeShape::Fusiform, Ornament::Smooth, 14, 5}},
        {"amygdaliform", {SporeShape::Amygdaliform, Ornament::Smooth, 11, 6}},
        {"fusiform-truncate", {SporeShape::Fusiform, Ornament::Smooth, 14, 5}},
        {"subglobose-reticulate", {SporeShape::Subglobose, Ornament::Reticulate, 9, 8}},
    };
    for (const auto& [name, look] : looks)
        if (name == keyword) return look;
    return {SporeShape::Ellipsoid, Ornament::Smooth, 10, 6.5};
}

// The apex cut off square, as where a spore has a germ pore.
void truncateApex(SporeFigure& spore) {
    const QRectF box = spore.body.boundingRect();
    const double cut = box.top() + box.height() * 0.07;
    const QRectF below(box.left() - 10, cut, box.width() + 20, box.height() + 40);
    spore.body = spore.body.intersected(QPolygonF(below));
    const double wall = spore.innerWall.isEmpty() ? 0 : 2.0;
    spore.innerWall = spore.innerWall.intersected(QPolygonF(below.adjusted(0, wall, 0, 0)));
}

SporeInk inkInMelzer(std::string_view keyword) {
    SporeInk ink = sporeInk(QColor(248, 244, 222), QColor(140, 130, 92), QColor(120, 110, 76));  // inamyloid
    if (keyword == "amyloid") ink = sporeInk(QColor(92, 104, 150), QColor(36, 42, 76), QColor(24, 28, 58));
    if (keyword == "dextrinoid") ink = sporeInk(QColor(168, 92, 58), QColor(92, 38, 18), QColor(80, 30, 12));
    // The oil drop takes the spore's colour, a little lighter.
    ink.guttule = QPen(ink.outline.color(), 0.6);
    ink.guttuleFill = ink.body.color().lighter(115);
    ink.innerWall = QPen(ink.outline.color(), 0.6);
    return ink;
}

}  // namespace

void drawSporeOrnamentPanel(QPainter& painter, const PanelSubject& subject, Rng& rng) {
    const Ornament ornament = ornamentNamed(subject.keyword).value_or(Ornament::Smooth);
    drawSporePair(painter, SporeShape::Ellipsoid, ornament, 9, 7.4, unitsPerMicron, rng);
}

void drawSporeShapePanel(QPainter& painter, const PanelSubject& subject, Rng& rng) {
    const ShapeLook look = shapeLookOf(subject.keyword);
    if (subject.keyword != "fusiform-truncate") {
        drawSporePair(painter, look.shape, look.ornament, look.length, look.width, shapeUnitsPerMicron, rng);
        return;
    }
    for (const auto& [view, x] : {std::pair{SporeView::Face, 30.0}, std::pair{SporeView::Profile, 70.0}}) {
        SporeFigure spore =
            buildSpore(look.shape, look.ornament, look.length, look.width, view, shapeUnitsPerMicron, rng);
        truncateApex(spore);
        drawAt(painter, spore, plainInk, QPointF(x, panelUnitsHigh / 2 - 2));
    }
}

// Three spores in a drop of the reagent, coloured as it colours them.
void drawSporeReactionPanel(QPainter& painter, const PanelSubject& subject, Rng& rng) {
    painter.setPen(QPen(QColor(176, 152, 96), 1));
    painter.setBrush(QColor(236, 218, 164));
    painter.drawEllipse(QPointF(50, 40), 37, 37);
    const SporeInk ink = inkInMelzer(subject.keyword);
    const struct {
        QPointF where;
        double turn;
    } spores[] = {{{36, 29}, -20}, {{64, 33}, 25}, {{48, 56}, 75}};
    for (const auto& placement : spores) {
        const SporeFigure spore = buildSpore(SporeShape::BroadlyEllipsoid, Ornament::Smooth, 9, 7, SporeView::Face,
                                             unitsPerMicron * 0.55, rng);
        painter.save();
        painter.translate(placement.where);
        painter.rotate(placement.turn);
        drawSpore(painter, spore, ink);
        painter.restore();
    }
}

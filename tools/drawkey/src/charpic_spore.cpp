// Panels of the spore ornament: one spore in face view and one in side view.
#include "charpic_style.h"

#include "spore.h"
#include "vocabulary.h"

void drawSporeOrnamentPanel(QPainter& painter, std::string_view keyword, Rng& rng) {
    constexpr double unitsPerMicron = 4.4;  // a spore of 9 um fills half the panel's height
    const Ornament ornament = ornamentNamed(keyword).value_or(Ornament::Smooth);
    SporeInk ink;
    ink.body = QColor(240, 238, 230);
    ink.outline = QPen(QColor(56, 56, 68), 0.9);
    ink.ornament = QColor(36, 36, 56);
    ink.innerWall = QPen(QColor(110, 110, 120), 0.6);
    ink.guttule = QPen(QColor(130, 130, 140), 0.6);
    ink.guttuleFill = QColor(252, 252, 250);
    ink.antialias = true;
    const struct {
        SporeView view;
        double x;
    } views[] = {{SporeView::Face, 28}, {SporeView::Profile, 72}};
    for (const auto& placement : views) {
        const SporeFigure spore =
            buildSpore(SporeShape::Ellipsoid, ornament, 9, 7.4, placement.view, unitsPerMicron, rng);
        painter.save();
        painter.translate(placement.x, panelUnitsHigh / 2 - 2);
        drawSpore(painter, spore, ink);
        painter.restore();
    }
}

// Panels of the hymenium and the cap's skin under the microscope: basidia with two or
// four spores, gill edges with or without cystidia, cap skins with or without them.
#include "charpic_style.h"

#include "hymenium.h"
#include "spore.h"

namespace {

constexpr double tissueTop = 72;  // the cells stand on a band of tissue

CellInk cellInk(QColor fill, QColor contents) {
    CellInk ink;
    ink.outline = inkPen(0.9, QColor(56, 56, 68));
    ink.fill = fill;
    ink.contents = contents;
    ink.antialias = true;
    return ink;
}

const CellInk hyalineInk = cellInk(QColor(250, 249, 244), QColor(150, 146, 136));
// Cystidia tinted, as their contents take up the stains.
const CellInk cystidiumInk = cellInk(QColor(232, 226, 240), QColor(96, 86, 120));

void drawTissue(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(238, 234, 222));
    painter.drawRect(QRectF(0, tissueTop, panelUnitsWide, panelUnitsHigh - tissueTop));
    painter.setPen(inkPen(0.6, QColor(176, 168, 150)));
    for (double y = tissueTop + 2.5; y < panelUnitsHigh; y += 2.5) painter.drawLine(QPointF(0, y), QPointF(100, y));
}

void drawCapSkin(QPainter& painter, bool withCystidia, Rng& rng) {
    constexpr double pixelsPerMicron = 1.3;
    if (!withCystidia) {
        drawHyphalEnds(painter, QPointF(50, tissueTop), 52, 6, pixelsPerMicron, hyalineInk, rng);
        return;
    }
    drawHyphalEnds(painter, QPointF(22, tissueTop), 48, 2, pixelsPerMicron, hyalineInk, rng);
    drawHyphalEnds(painter, QPointF(78, tissueTop), 48, 2, pixelsPerMicron, hyalineInk, rng);
    for (const auto& [x, lean] : {std::pair{42.0, -1.5}, std::pair{58.0, 1.5}})
        drawCystidium(painter, QPointF(x, tissueTop), Cystidia::Cylindrical, pixelsPerMicron, 0.85, lean, cystidiumInk,
                      rng);
}

void drawGillEdge(QPainter& painter, bool withCystidia, Rng& rng) {
    constexpr double pixelsPerMicron = 1.5;
    if (withCystidia) {  // a crowded row of club-shaped cells: a sterile edge
        for (double x = 14; x <= 86; x += 12)
            drawCystidium(painter, QPointF(x, tissueTop), Cystidia::Clavate, pixelsPerMicron, 0.8, rng.range(-1, 1),
                          cystidiumInk, rng);
        return;
    }
    const BasidiumSize size{26, 8, 4};
    for (const auto& [x, mature] : {std::pair{22.0, true}, std::pair{50.0, false}, std::pair{78.0, true}})
        drawBasidium(painter, QPointF(x, tissueTop), size, pixelsPerMicron, mature, AttachedSpores{}, hyalineInk, rng);
}

}  // namespace

void drawBasidiaPanel(QPainter& painter, const PanelSubject& subject, Rng& rng) {
    constexpr double pixelsPerMicron = 1.95;
    const bool twoSpored = subject.keyword == "two-spored";
    SporeInk sporeInk;
    sporeInk.body = QColor(150, 108, 72);  // the dark spores of the genus drawn here
    sporeInk.outline = QPen(QColor(72, 48, 30), 0.9);
    sporeInk.ornament = QColor(72, 48, 30);
    sporeInk.innerWall = QPen(QColor(112, 78, 52), 0.6);
    sporeInk.guttule = QPen(QColor(112, 78, 52), 0.6);
    sporeInk.guttuleFill = QColor(176, 136, 100);
    sporeInk.antialias = true;
    const SporeFigure spore = buildSpore(SporeShape::BroadlyEllipsoid, Ornament::Smooth, twoSpored ? 7.5 : 6.5,
                                         twoSpored ? 5.5 : 4.8, SporeView::Profile, pixelsPerMicron, rng);
    drawTissue(painter);
    const BasidiumSize size{24, 8, 4};
    drawSporeBearingBasidium(painter, QPointF(50, tissueTop), size, pixelsPerMicron, twoSpored ? 2 : 4,
                             AttachedSpores{&spore, &sporeInk, twoSpored ? 2 : 4}, hyalineInk, rng);
}

void drawCystidiaPanel(QPainter& painter, const PanelSubject& subject, Rng& rng) {
    drawTissue(painter);
    if (subject.keyword == "cap-hyphae" || subject.keyword == "cap-cystidia")
        drawCapSkin(painter, subject.keyword == "cap-cystidia", rng);
    else
        drawGillEdge(painter, subject.keyword == "edge-cystidia", rng);
}

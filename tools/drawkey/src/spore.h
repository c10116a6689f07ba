#pragma once

#include "rng.h"
#include "vocabulary.h"

#include <QBrush>
#include <QLineF>
#include <QPen>
#include <QPolygonF>

#include <vector>

class QPainter;

// A basidiospore drawn to scale: centred on (0, 0), long axis vertical, apex up and
// the apiculus (hilar appendix) at the lower end. Sizes exclude the ornament, as
// spore measurements do; the ornament stands out of the outline.

enum class SporeView {
    Face,     // seen from the back: symmetric, apiculus in the middle of the base
    Profile,  // seen from the side: the adaxial (left) side flatter, apiculus oblique
};

struct SporeWart {
    QPointF centre;
    double radius;
};

struct SporeFigure {
    QPolygonF body;
    QPolygonF apiculus;                   // drawn beneath the body
    QPointF apiculusTip;                  // where a sterigma carries the spore
    std::vector<SporeWart> warts;         // ornament on the side facing the viewer
    std::vector<QLineF> crests;           // crests and the reticulum's mesh on that side
    std::vector<QPolygonF> outlineMarks;  // ornament seen in outline: warts, ridges, spines
    double crestWidth = 1;                // pixels
    QPolygonF innerWall;                  // smooth spores: the wall's inner contour
    QPointF guttuleCentre;                // smooth spores: an oil drop
    double guttuleRadius = 0;

    QRectF bounds() const;
};

SporeFigure buildSpore(SporeShape shape, Ornament ornament, double lengthMicrons, double widthMicrons, SporeView view,
                       double pixelsPerMicron, Rng& rng);

struct SporeInk {
    QBrush body;
    QPen outline;
    QColor ornament;
    QPen innerWall;
    QPen guttule;
    QBrush guttuleFill;
    bool antialias = false;
};

void drawSpore(QPainter& painter, const SporeFigure& spore, const SporeInk& ink);

#pragma once

#include "charpic_style.h"

// The textures of a cap seen from above, for the cap-surface panels: a disk already
// filled with the cap's colours, on which each draws what its state shows.
struct CapDisk {
    QPointF centre;
    double radius;
};

QPointF randomPointInDisk(QPointF centre, double radius, Rng& rng);

// charpic_cap_surface.cpp: sheen, bloom and colour patterns
void drawSheen(QPainter& painter, const CapDisk& disk, Rng& rng);
void drawGloss(QPainter& painter, const CapDisk& disk, Rng& rng);
void drawGreasySheen(QPainter& painter, const CapDisk& disk, Rng& rng);
void drawSilkySheen(QPainter& painter, const CapDisk& disk, Rng& rng);
void drawMattGrain(QPainter& painter, const CapDisk& disk, Rng& rng);
void drawBloom(QPainter& painter, const CapDisk& disk, Rng& rng);
void drawStipple(QPainter& painter, const CapDisk& disk, Rng& rng);
void drawZones(QPainter& painter, const CapDisk& disk, Rng& rng);
void drawFaintZones(QPainter& painter, const CapDisk& disk, Rng& rng);
void drawDropZones(QPainter& painter, const CapDisk& disk, Rng& rng);
void drawBlotches(QPainter& painter, const CapDisk& disk, Rng& rng);
void drawWrinkles(QPainter& painter, const CapDisk& disk, Rng& rng);

// charpic_cap_scales.cpp: cracks, fibrils, scales and remnants of the veil
void drawCracks(QPainter& painter, const CapDisk& disk, Rng& rng);
void drawFibrils(QPainter& painter, const CapDisk& disk, Rng& rng);
void drawFineScales(QPainter& painter, const CapDisk& disk, Rng& rng);
void drawCoarseScales(QPainter& painter, const CapDisk& disk, Rng& rng);
void drawWoollyScales(QPainter& painter, const CapDisk& disk, Rng& rng);
void drawVeilWarts(QPainter& painter, const CapDisk& disk, Rng& rng);
void drawVeilPatches(QPainter& painter, const CapDisk& disk, Rng& rng);
void drawLargeVeilPatch(QPainter& painter, const CapDisk& disk, Rng& rng);
void drawPyramidalWarts(QPainter& painter, const CapDisk& disk, Rng& rng);
void drawMealyVeil(QPainter& painter, const CapDisk& disk, Rng& rng);
void drawBeardedMargin(QPainter& painter, const CapDisk& disk, Rng& rng);

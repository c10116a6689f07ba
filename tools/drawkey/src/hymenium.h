#pragma once

#include "params.h"
#include "rng.h"
#include "spore.h"

#include <QBrush>
#include <QPen>
#include <QRectF>

class QPainter;

// Basidia, cystidia and hyphal ends, drawn to scale standing on a base point and
// growing upwards.

struct CellInk {
    QPen outline;
    QBrush fill;
    QColor contents;  // granules, oil drops
    bool antialias = false;
};

// Basidium size in micrometres. The parameters give the spores only; basidia of
// these genera are mostly 30-50 um long, longer where the spores are larger, and a
// little wider than a spore.
struct BasidiumSize {
    double length;
    double width;
    double sterigmaLength;
};
BasidiumSize basidiumSizeFor(const SpeciesParams& species);

struct AttachedSpores {
    const SporeFigure* spore = nullptr;  // a profile view, carried on the outer sterigmata
    const SporeInk* ink = nullptr;
    int count = 0;  // 0, 1 or 2
};

// Height in pixels of a mature basidium, sterigmata and carried spores included.
double basidiumHeight(const BasidiumSize& size, double pixelsPerMicron, const AttachedSpores& spores);

void drawBasidium(QPainter& painter, QPointF base, const BasidiumSize& size, double pixelsPerMicron,
                  bool withSterigmata, const AttachedSpores& spores, const CellInk& ink, Rng& rng);

// A mature basidium with `sterigmata` (2 or 4) sterigmata, each carrying a spore.
void drawSporeBearingBasidium(QPainter& painter, QPointF base, const BasidiumSize& size, double pixelsPerMicron,
                              int sterigmata, const AttachedSpores& spores, const CellInk& ink, Rng& rng);

// Length and width of a cystidium type in micrometres, from the usual ranges.
QSizeF cystidiumSize(Cystidia type);

void drawCystidium(QPainter& painter, QPointF base, Cystidia type, double pixelsPerMicron, double sizeFactor,
                   double lean, const CellInk& ink, Rng& rng);

// A few septate hyphal ends as in a pileipellis, for species without cystidia.
void drawHyphalEnds(QPainter& painter, QPointF base, double height, int count, double pixelsPerMicron,
                    const CellInk& ink, Rng& rng);

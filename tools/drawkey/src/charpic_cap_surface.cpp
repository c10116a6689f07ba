// Panels of the cap seen from above: its surface. Here the sheens, blooms and colour
// patterns; the scales and veil remnants are in charpic_cap_scales.cpp.
#include "charpic_cap_surface.h"

#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace {

void fillDisk(QPainter& painter, const CapDisk& disk, const QBrush& brush) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(brush);
    painter.drawEllipse(disk.centre, disk.radius, disk.radius);
}

// A highlight towards the upper left, where the light comes from.
QRadialGradient highlight(const CapDisk& disk, double reach, int alpha) {
    QRadialGradient shine(disk.centre + QPointF(-disk.radius * 0.32, -disk.radius * 0.38), disk.radius * reach);
    shine.setColorAt(0, QColor(255, 255, 255, alpha));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    return shine;
}

void drawSpecks(QPainter& painter, const CapDisk& disk, int count, double size, const QColor& colour, Rng& rng) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    for (int i = 0; i < count; ++i)
        painter.drawEllipse(randomPointInDisk(disk.centre, disk.radius * 0.97, rng), size, size);
}

void drawRings(QPainter& painter, const CapDisk& disk, int rings, const QColor& light, const QColor& dark) {
    painter.setPen(Qt::NoPen);
    for (int ring = 0; ring < rings; ++ring) {
        const double r = disk.radius * (1 - double(ring) / rings) - 0.6;
        painter.setBrush(ring % 2 == 0 ? light : dark);
        painter.drawEllipse(disk.centre, r, r);
    }
}

}  // namespace

QPointF randomPointInDisk(QPointF centre, double radius, Rng& rng) {
    const double angle = rng.range(0, 2 * std::numbers::pi);
    const double distance = radius * std::sqrt(rng.unit());
    return centre + QPointF(distance * std::cos(angle), distance * std::sin(angle));
}

void drawSheen(QPainter& painter, const CapDisk& disk, Rng&) {
    QRadialGradient sheen(disk.centre + QPointF(-disk.radius * 0.3, -disk.radius * 0.35), disk.radius * 0.6);
    sheen.setColorAt(0, QColor(255, 255, 255, 90));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    fillDisk(painter, disk, sheen);
}

void drawGloss(QPainter& painter, const CapDisk& disk, Rng&) {
    const QPointF centre = disk.centre;
    const double radius = disk.radius;
    QRadialGradient shine(centre + QPointF(-radius * 0.35, -radius * 0.4), radius * 0.45);
    shine.setColorAt(0, QColor(255, 255, 255, 220));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    fillDisk(painter, disk, shine);
    painter.setBrush(QColor(255, 255, 255, 200));
    painter.drawEllipse(centre + QPointF(radius * 0.35, radius * 0.3), 2.2, 1.4);
    painter.drawEllipse(centre + QPointF(-radius * 0.1, radius * 0.45), 1.5, 1.0);
}

// Greasy: a soft, broad shine without the wet drops of a slimy cap.
void drawGreasySheen(QPainter& painter, const CapDisk& disk, Rng&) {
    fillDisk(painter, disk, highlight(disk, 0.7, 150));
}

// Silky: fine pale radial threads catching the light.
void drawSilkySheen(QPainter& painter, const CapDisk& disk, Rng& rng) {
    fillDisk(painter, disk, highlight(disk, 0.8, 110));
    painter.setPen(inkPen(0.5, QColor(255, 255, 255, 110)));
    for (int i = 0; i < 44; ++i) {
        const double angle = rng.range(0, 2 * std::numbers::pi);
        const QPointF direction(std::cos(angle), std::sin(angle));
        painter.drawLine(disk.centre + direction * disk.radius * rng.range(0.15, 0.5),
                         disk.centre + direction * disk.radius * rng.range(0.8, 0.97));
    }
}

// Matt: no shine at all, only a faint dull grain.
void drawMattGrain(QPainter& painter, const CapDisk& disk, Rng& rng) {
    drawSpecks(painter, disk, 260, 0.3, QColor(255, 255, 255, 70), rng);
}

// A hoary bloom: a whitish frost over the colour.
void drawBloom(QPainter& painter, const CapDisk& disk, Rng& rng) {
    QRadialGradient frost(disk.centre, disk.radius);
    frost.setColorAt(0, QColor(250, 250, 252, 120));
    frost.setColorAt(1, QColor(250, 250, 252, 60));
    fillDisk(painter, disk, frost);
    drawSpecks(painter, disk, 500, 0.4, QColor(255, 255, 255, 190), rng);
}

void drawStipple(QPainter& painter, const CapDisk& disk, Rng& rng) {
    drawSpecks(painter, disk, 700, 0.35, palette::capDark.darker(125), rng);
}

void drawZones(QPainter& painter, const CapDisk& disk, Rng&) {
    drawRings(painter, disk, 7, palette::capLight, palette::capDark);
}

// Zones barely darker than the ground between them.
void drawFaintZones(QPainter& painter, const CapDisk& disk, Rng&) {
    const QColor light = palette::cap;
    const QColor dark((light.red() * 3 + palette::capDark.red()) / 4,
                      (light.green() * 3 + palette::capDark.green()) / 4,
                      (light.blue() * 3 + palette::capDark.blue()) / 4);
    drawRings(painter, disk, 7, light, dark);
}

// Darker, drop-like spots lined up in rings.
void drawDropZones(QPainter& painter, const CapDisk& disk, Rng& rng) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette::capDark.darker(115));
    for (double share : {0.35, 0.55, 0.75, 0.9}) {
        const double r = disk.radius * share;
        const int drops = int(2 * std::numbers::pi * r / 4.2);
        const double turn = rng.range(0, 1);
        for (int i = 0; i < drops; ++i) {
            const double angle = 2 * std::numbers::pi * (i + turn + rng.range(-0.15, 0.15)) / drops;
            const QPointF at = disk.centre + QPointF(r * std::cos(angle), r * std::sin(angle));
            painter.drawEllipse(at, rng.range(0.9, 1.4), rng.range(0.9, 1.4));
        }
    }
}

void drawBlotches(QPainter& painter, const CapDisk& disk, Rng& rng) {
    QColor blotch = palette::capDark.darker(120);
    blotch.setAlpha(130);
    painter.setPen(Qt::NoPen);
    painter.setBrush(blotch);
    for (int i = 0; i < 16; ++i)
        painter.drawPolygon(
            blob(randomPointInDisk(disk.centre, disk.radius * 0.82, rng), rng.range(2.2, 4.5), 0.45, 9, rng));
}

// Wrinkles: wavy folds running round the cap, each with a lit side.
void drawWrinkles(QPainter& painter, const CapDisk& disk, Rng& rng) {
    for (int i = 0; i < 22; ++i) {
        const double r = disk.radius * rng.range(0.2, 0.88);
        const double start = rng.range(0, 2 * std::numbers::pi);
        const double sweep = rng.range(0.5, 1.3);
        QPolygonF fold;
        for (int k = 0; k <= 12; ++k) {
            const double angle = start + sweep * k / 12;
            const double wavy = r + 1.6 * std::sin(k * 1.3 + i);
            fold << disk.centre + QPointF(wavy * std::cos(angle), wavy * std::sin(angle));
        }
        painter.setBrush(Qt::NoBrush);
        painter.setPen(inkPen(1.0, palette::capDark.darker(130)));
        painter.drawPolyline(fold);
        painter.setPen(inkPen(0.8, palette::capLight.lighter(112)));
        painter.drawPolyline(fold.translated(-0.8, -0.8));
    }
}

void drawCapSurfacePanel(QPainter& painter, const PanelSubject& subject, Rng& rng) {
    using Texture = void (*)(QPainter&, const CapDisk&, Rng&);
    static const std::pair<std::string_view, Texture> textures[] = {
        {"smooth", drawSheen},
        {"viscid", drawGloss},
        {"greasy", drawGreasySheen},
        {"silky", drawSilkySheen},
        {"matt", drawMattGrain},
        {"pruinose", drawBloom},
        {"velvety", drawStipple},
        {"zonate", drawZones},
        {"faint-zones", drawFaintZones},
        {"drop-zones", drawDropZones},
        {"blotched", drawBlotches},
        {"wrinkled", drawWrinkles},
        {"cracked", drawCracks},
        {"fibrillose", drawFibrils},
        {"fine-scales", drawFineScales},
        {"coarse-scales", drawCoarseScales},
        {"woolly-scales", drawWoollyScales},
        {"warty-veil", drawVeilWarts},
        {"patchy-veil", drawVeilPatches},
        {"large-patch", drawLargeVeilPatch},
        {"pyramidal-warts", drawPyramidalWarts},
        {"mealy", drawMealyVeil},
        {"bearded-margin", drawBeardedMargin},
    };
    // A bearded margin needs room beyond the rim for its fringe.
    const CapDisk disk{QPointF(50, 40), subject.keyword == "bearded-margin" ? 33.0 : 36.0};
    drawCapDisk(painter, disk.centre, disk.radius);
    for (const auto& [keyword, texture] : textures)
        if (keyword == subject.keyword) texture(painter, disk, rng);
    painter.setPen(inkPen());
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(disk.centre, disk.radius, disk.radius);
}

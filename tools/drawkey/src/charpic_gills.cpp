// Panels of the cap's underside: how gills meet the stem, how close they stand,
// and the pores of boletes.
#include "charpic_style.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double centreX = 50;
constexpr double stemEdge = 57;       // right edge of the stem in section
constexpr double marginEdge = 91;     // where the gills end at the cap margin
constexpr double fleshAtStem = 28;    // underside of the cap flesh at the stem...
constexpr double fleshAtMargin = 34;  // ...and at the margin

double fleshUnderside(double x) {
    const double share = std::clamp((x - stemEdge) / (marginEdge - stemEdge), 0.0, 1.0);
    return fleshAtStem + (fleshAtMargin - fleshAtStem) * share;
}

QPolygonF mirrored(const QPolygonF& right) {
    QPolygonF left;
    for (const QPointF& p : right) left << QPointF(2 * centreX - p.x(), p.y());
    return left;
}

// Cap and stem cut lengthwise, in one piece of flesh.
void drawFleshSection(QPainter& painter) {
    QPolygonF flesh = sampledCurve(6, 94, 60, [](double x) {
        const double s = (x - centreX) / 44;
        return 34 - 22 * std::sqrt(std::max(0.0, 1 - s * s));
    });
    flesh << QPointF(marginEdge, fleshAtMargin) << QPointF(stemEdge, fleshAtStem) << QPointF(stemEdge + 1, 79)
          << QPointF(2 * centreX - stemEdge - 1, 79) << QPointF(2 * centreX - stemEdge, fleshAtStem)
          << QPointF(2 * centreX - marginEdge, fleshAtMargin);
    QLinearGradient shading(0, 12, 0, 34);
    shading.setColorAt(0, palette::capDark);
    shading.setColorAt(0.12, palette::cap);
    shading.setColorAt(0.2, palette::flesh);
    painter.setPen(inkPen());
    painter.setBrush(shading);
    painter.drawPolygon(flesh);
}

// The gill of the right half: along the flesh from the margin inwards, down the stem
// as far as it is attached, and back out along its edge.
QPolygonF gillSection(std::string_view keyword) {
    double innerEnd = stemEdge;
    QPolygonF edge;  // from the stem outwards
    if (keyword == "free") {
        innerEnd = 61.5;
        edge << QPointF(61.5, fleshUnderside(61.5) + 1.5) << QPointF(64, 38) << QPointF(72, 43);
    } else if (keyword == "adnexed") {
        edge << QPointF(stemEdge, 31.5) << QPointF(60, 37.5) << QPointF(68, 43);
    } else if (keyword == "sinuate") {
        edge << QPointF(stemEdge, 40) << QPointF(59.5, 40.5) << QPointF(61.5, 37) << QPointF(64.5, 42.5)
             << QPointF(70, 43.5);
    } else if (keyword == "decurrent") {
        edge << QPointF(stemEdge, 60) << QPointF(61, 50) << QPointF(68, 45);
    } else if (keyword == "subdecurrent") {
        edge << QPointF(stemEdge, 48) << QPointF(61, 45) << QPointF(68, 44);
    } else {  // adnate
        edge << QPointF(stemEdge, 42.5) << QPointF(64, 43.5);
    }
    edge << QPointF(82, 42.5) << QPointF(marginEdge, fleshAtMargin + 1.5);
    QPolygonF gill = sampledCurve(marginEdge, innerEnd, 20, fleshUnderside);
    for (const QPointF& p : edge) gill << p;
    return gill;
}

}  // namespace

void drawGillAttachmentPanel(QPainter& painter, const PanelSubject& subject, Rng&) {
    const std::string_view keyword = subject.keyword;
    drawFleshSection(painter);
    const QPolygonF right = gillSection(keyword);
    fillOutlined(painter, right, palette::gillCut);
    fillOutlined(painter, mirrored(right), palette::gillCut);
}

namespace {

constexpr double diskRadius = 37;
const QPointF diskCentre(centreX, 40);
constexpr double stemRadius = 7;

void drawUnderside(QPainter& painter) {
    painter.setPen(inkPen());
    painter.setBrush(palette::gill);
    painter.drawEllipse(diskCentre, diskRadius, diskRadius);
}

void drawStemCut(QPainter& painter) {
    painter.setPen(inkPen());
    painter.setBrush(palette::stem);
    painter.drawEllipse(diskCentre, stemRadius, stemRadius);
}

QPointF polar(double radius, double angle) {
    return diskCentre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
}

void drawRadialGills(QPainter& painter, int count, double from, double width) {
    painter.setPen(inkPen(width, palette::gillLine.darker(115)));
    for (int i = 0; i < count; ++i) {
        const double angle = 2 * std::numbers::pi * i / count;
        painter.drawLine(polar(from, angle), polar(diskRadius - 0.6, angle));
    }
}

void drawForkedGills(QPainter& painter, Rng& rng) {
    constexpr int count = 22;
    const double half = std::numbers::pi / count;
    painter.setPen(inkPen(1.0, palette::gillLine.darker(115)));
    for (int i = 0; i < count; ++i) {
        const double angle = 2 * std::numbers::pi * i / count;
        const double fork = rng.range(0.35, 0.6) * diskRadius;
        const QPointF split = polar(fork, angle);
        painter.drawLine(polar(stemRadius + 0.5, angle), split);
        painter.drawLine(split, polar(diskRadius - 0.6, angle - half * 0.5));
        painter.drawLine(split, polar(diskRadius - 0.6, angle + half * 0.5));
    }
}

// Full gills with shorter ones (lamellulae) from the margin between them.
void drawLamellulae(QPainter& painter, Rng& rng) {
    constexpr int count = 20;
    drawRadialGills(painter, count, stemRadius + 0.5, 1.1);
    painter.setPen(inkPen(0.9, palette::gillLine.darker(115)));
    for (int i = 0; i < count; ++i) {
        const double angle = 2 * std::numbers::pi * (i + 0.5) / count;
        painter.drawLine(polar(diskRadius * rng.range(0.45, 0.6), angle), polar(diskRadius - 0.6, angle));
        for (double side : {-0.25, 0.25})
            painter.drawLine(polar(diskRadius * rng.range(0.72, 0.85), angle + side * 2 * std::numbers::pi / count),
                             polar(diskRadius - 0.6, angle + side * 2 * std::numbers::pi / count));
    }
}

}  // namespace

void drawGillSpacingPanel(QPainter& painter, const PanelSubject& subject, Rng& rng) {
    const std::string_view keyword = subject.keyword;
    drawUnderside(painter);
    if (keyword == "crowded")
        drawRadialGills(painter, 110, stemRadius + 0.5, 0.7);
    else if (keyword == "close")
        drawRadialGills(painter, 56, stemRadius + 0.5, 0.9);
    else if (keyword == "distant")
        drawRadialGills(painter, 18, stemRadius + 0.5, 1.6);
    else if (keyword == "forked")
        drawForkedGills(painter, rng);
    else
        drawLamellulae(painter, rng);
    drawStemCut(painter);
    painter.setPen(inkPen());
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(diskCentre, diskRadius, diskRadius);
}

namespace {

void clipToDisk(QPainter& painter) {
    QPainterPath disk;
    disk.addEllipse(diskCentre, diskRadius, diskRadius);
    painter.setClipPath(disk, Qt::IntersectClip);
}

void drawHexPores(QPainter& painter, double spacing, double poreRadius, bool angular, Rng& rng) {
    painter.setPen(angular ? inkPen(0.7, palette::pores.darker(120)) : QPen(Qt::NoPen));
    painter.setBrush(palette::pores);
    const double rowStep = spacing * std::sqrt(3.0) / 2;
    for (double y = diskCentre.y() - diskRadius - spacing; y < diskCentre.y() + diskRadius + spacing; y += rowStep) {
        const int row = int(std::lround((y - diskCentre.y()) / rowStep));
        for (double x = diskCentre.x() - diskRadius - spacing + (row & 1) * spacing / 2;
             x < diskCentre.x() + diskRadius + spacing; x += spacing) {
            const QPointF centre(x + rng.range(-0.12, 0.12) * spacing, y + rng.range(-0.12, 0.12) * spacing);
            if (angular)
                painter.drawPolygon(blob(centre, poreRadius, 0.18, 6, rng));
            else
                painter.drawEllipse(centre, poreRadius, poreRadius);
        }
    }
}

void drawRadialPores(QPainter& painter, Rng& rng) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette::pores);
    for (double radius = stemRadius + 4; radius < diskRadius + 3; radius += 5.4) {
        const int count = int(2 * std::numbers::pi * radius / 4.2);
        const double turn = rng.range(0, 1);
        for (int i = 0; i < count; ++i) {
            const double angle = 2 * std::numbers::pi * (i + turn) / count;
            painter.save();
            painter.translate(polar(radius + rng.range(-0.6, 0.6), angle));
            painter.rotate(angle * 180 / std::numbers::pi);
            painter.drawEllipse(QPointF(0, 0), 2.3, 1.2);
            painter.restore();
        }
    }
}

// Section of cap and stem with the tube layer running down the stem.
void drawDecurrentTubes(QPainter& painter) {
    drawFleshSection(painter);
    for (double side : {-1.0, 1.0}) {
        QPolygonF layer = sampledCurve(marginEdge, stemEdge, 20, fleshUnderside);
        layer << QPointF(stemEdge, 56) << QPointF(62, 47) << QPointF(70, 44) << QPointF(84, 43)
              << QPointF(marginEdge, fleshAtMargin + 1.5);
        if (side < 0) layer = mirrored(layer);
        fillOutlined(painter, layer, palette::tubes);
        painter.save();
        QPainterPath clip;
        clip.addPolygon(layer);
        painter.setClipPath(clip, Qt::IntersectClip);
        painter.setPen(inkPen(0.7, palette::pores));
        for (double x = stemEdge; x <= marginEdge; x += 1.8) {
            const double at = centreX + side * (x - centreX);
            painter.drawLine(QPointF(at, 20), QPointF(at, 62));
        }
        painter.restore();
    }
}

// Large angular pores, each divided by lower walls into smaller ones.
void drawCompoundPores(QPainter& painter, Rng& rng) {
    drawHexPores(painter, 10.5, 4.2, true, rng);
    painter.setPen(inkPen(1.1, palette::tubes));
    const double rowStep = 10.5 * std::sqrt(3.0) / 2;
    for (double y = diskCentre.y() - diskRadius; y < diskCentre.y() + diskRadius; y += rowStep) {
        const int row = int(std::lround((y - diskCentre.y()) / rowStep));
        for (double x = diskCentre.x() - diskRadius + (row & 1) * 5.25; x < diskCentre.x() + diskRadius; x += 10.5) {
            const double angle = rng.range(0, std::numbers::pi);
            const QPointF half(3.6 * std::cos(angle), 3.6 * std::sin(angle));
            painter.drawLine(QPointF(x, y) - half, QPointF(x, y) + half);
        }
    }
}

// Milky drops beaded on the pores of young fruit bodies.
void drawDroplets(QPainter& painter, Rng& rng) {
    for (int i = 0; i < 11; ++i) {
        const double angle = rng.range(0, 2 * std::numbers::pi);
        const double distance = rng.range(stemRadius + 5, diskRadius - 4);
        const QPointF where = polar(distance, angle);
        const double r = rng.range(1.8, 2.8);
        painter.setPen(inkPen(0.7, palette::pores.darker(110)));
        painter.setBrush(QColor(252, 250, 240));
        painter.drawEllipse(where, r, r);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawEllipse(where + QPointF(-r * 0.35, -r * 0.35), r * 0.3, r * 0.3);
    }
}

}  // namespace

void drawPoreSurfacePanel(QPainter& painter, const PanelSubject& subject, Rng& rng) {
    const std::string_view keyword = subject.keyword;
    if (keyword == "decurrent-tubes") {
        drawDecurrentTubes(painter);
        return;
    }
    painter.setPen(inkPen());
    painter.setBrush(palette::tubes);
    painter.drawEllipse(diskCentre, diskRadius, diskRadius);
    painter.save();
    clipToDisk(painter);
    if (keyword == "small-round" || keyword == "droplets")
        drawHexPores(painter, 4.4, 1.3, false, rng);
    else if (keyword == "small-angular")
        drawHexPores(painter, 5.6, 2.0, true, rng);
    else if (keyword == "large-angular")
        drawHexPores(painter, 9.5, 3.8, true, rng);
    else if (keyword == "compound")
        drawCompoundPores(painter, rng);
    else
        drawRadialPores(painter, rng);
    if (keyword == "droplets") drawDroplets(painter, rng);
    painter.restore();
    if (keyword == "radially-elongate") drawStemCut(painter);
    painter.setPen(inkPen());
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(diskCentre, diskRadius, diskRadius);
}

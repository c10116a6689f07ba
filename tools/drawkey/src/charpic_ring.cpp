// Panels of the ring: a stem under its cap with the ring, or what is left of it.
#include "charpic_stem_parts.h"

#include <cmath>

namespace {

constexpr double centreX = stemCentreX;
constexpr double ringStemHalf = 6;
constexpr double ringAttachY = 32;

QPainterPath skirtPath(double attachY, double flare, double drop, double wave, Rng& rng) {
    // Hangs from the attachment line and widens downwards like a skirt.
    QPainterPath skirt;
    skirt.moveTo(centreX - ringStemHalf, attachY);
    skirt.cubicTo(centreX - ringStemHalf - flare * 0.5, attachY + drop * 0.2, centreX - flare, attachY + drop * 0.6,
                  centreX - flare, attachY + drop);
    const int lobes = 8;
    for (int i = 1; i <= lobes; ++i) {
        const double x = centreX - flare + 2 * flare * i / lobes;
        const double y =
            attachY + drop + (i % 2 ? wave * rng.range(0.5, 1) : 0) * (std::abs(x - centreX) < flare * 0.9 ? 1 : 0);
        skirt.lineTo(x, y);
    }
    skirt.cubicTo(centreX + flare, attachY + drop * 0.6, centreX + ringStemHalf + flare * 0.5, attachY + drop * 0.2,
                  centreX + ringStemHalf, attachY);
    skirt.closeSubpath();
    return skirt;
}

void drawCollar(QPainter& painter, double y, double flare, double thickness) {
    QPainterPath collar;
    collar.moveTo(centreX - ringStemHalf, y);
    collar.quadTo(centreX - flare, y + thickness * 0.3, centreX - flare - 1, y + thickness);
    collar.quadTo(centreX, y + thickness * 2.2, centreX + flare + 1, y + thickness);
    collar.quadTo(centreX + flare, y + thickness * 0.3, centreX + ringStemHalf, y);
    collar.quadTo(centreX, y + thickness * 1.3, centreX - ringStemHalf, y);
    fillOutlined(painter, collar, palette::veil);
}

void drawFugaciousZone(QPainter& painter, Rng& rng) {
    // Only a few fibrils of a vanishing ring remain.
    QColor zone = palette::capDark;
    zone.setAlpha(60);
    painter.setPen(Qt::NoPen);
    painter.setBrush(zone);
    painter.drawRect(QRectF(centreX - ringStemHalf, ringAttachY - 1, 2 * ringStemHalf, 4));
    painter.setPen(inkPen(0.8, palette::capDark));
    for (int i = 0; i < 34; ++i) {
        const double x = centreX + rng.range(-ringStemHalf - 1.5, ringStemHalf + 1.5);
        const double y = ringAttachY + rng.range(-1, 2);
        painter.drawLine(QPointF(x, y), QPointF(x + rng.range(-0.8, 0.8), y + rng.range(2, 5)));
    }
}

void drawStriateSkirt(QPainter& painter, Rng& rng) {
    fillOutlined(painter, skirtPath(ringAttachY, 14, 16, 1.6, rng), palette::veil);
    // Fine grooves on the upper side, printed there by the gills.
    painter.setPen(inkPen(0.7, palette::stemDark.darker(130)));
    for (int i = -6; i <= 6; ++i)
        painter.drawLine(QPointF(centreX + i * 0.9, ringAttachY + 1.5), QPointF(centreX + i * 1.9, ringAttachY + 10));
}

// A thick ring of cottony wool around the stem.
void drawCottonyRing(QPainter& painter, Rng& rng) {
    for (int i = 0; i < 16; ++i) {
        const QPointF where(centreX + rng.range(-ringStemHalf - 3, ringStemHalf + 3), ringAttachY + rng.range(0, 6));
        fillOutlined(painter, blob(where, rng.range(2.2, 3.4), 0.35, 9, rng), palette::veil, 0.7);
    }
}

// A gelatinous ring: a glistening, translucent band with a drop hanging from it.
void drawGlutinousRing(QPainter& painter) {
    const QColor jelly(176, 168, 196, 170);
    QPainterPath band;
    band.moveTo(centreX - ringStemHalf - 1, ringAttachY);
    band.quadTo(centreX, ringAttachY + 3, centreX + ringStemHalf + 1, ringAttachY);
    band.lineTo(centreX + ringStemHalf + 2.5, ringAttachY + 7);
    band.quadTo(centreX + 2, ringAttachY + 10, centreX + 1.5, ringAttachY + 14);  // the drop
    band.quadTo(centreX, ringAttachY + 16.5, centreX - 1.2, ringAttachY + 13.5);
    band.quadTo(centreX - 3, ringAttachY + 10, centreX - ringStemHalf - 2.5, ringAttachY + 7);
    band.closeSubpath();
    fillOutlined(painter, band, jelly, 0.9);
    painter.setPen(inkPen(1.2, QColor(255, 255, 255, 210)));
    painter.drawLine(QPointF(centreX - 4, ringAttachY + 3.5), QPointF(centreX - 1, ringAttachY + 4.6));
}

// A skirt whose lower edge is split into the blunt teeth of a cogwheel.
void drawCogwheelRing(QPainter& painter, Rng& rng) {
    fillOutlined(painter, skirtPath(ringAttachY, 13, 10, 0.6, rng), palette::veil);
    for (int i = -4; i <= 4; ++i) {
        const double x = centreX + i * 2.9;
        const double y = ringAttachY + 10.2 + 0.08 * std::abs(i);
        fillOutlined(
            painter,
            QPolygonF{QPointF(x - 1.1, y), QPointF(x + 1.1, y), QPointF(x + 1, y + 2.6), QPointF(x - 1, y + 2.6)},
            palette::stemDark.lighter(115), 0.7);
    }
}

// A skirt with woolly flocks on its underside.
void drawFloccoseRing(QPainter& painter, Rng& rng) {
    fillOutlined(painter, skirtPath(ringAttachY, 13, 12, 1.2, rng), palette::veil);
    for (int i = 0; i < 14; ++i) {
        const QPointF where(centreX + rng.range(-11, 11), ringAttachY + rng.range(8, 13));
        fillOutlined(painter, blob(where, rng.range(1.1, 1.8), 0.4, 7, rng), palette::stemDark.lighter(110), 0.6);
    }
}

// A ring that sheathes the stem from below and flares at its upper, free edge.
void drawSheathingRing(QPainter& painter) {
    QPainterPath sheath;
    sheath.moveTo(centreX - ringStemHalf - 0.6, 60);
    sheath.lineTo(centreX - ringStemHalf - 1.2, 42);
    sheath.quadTo(centreX - ringStemHalf - 3, 37, centreX - ringStemHalf - 5, 35);
    sheath.quadTo(centreX, 39.5, centreX + ringStemHalf + 5, 35);
    sheath.quadTo(centreX + ringStemHalf + 3, 37, centreX + ringStemHalf + 1.2, 42);
    sheath.lineTo(centreX + ringStemHalf + 0.6, 60);
    sheath.quadTo(centreX, 61.5, centreX - ringStemHalf - 0.6, 60);
    fillOutlined(painter, sheath, palette::veil);
}

}  // namespace

void drawRingPanel(QPainter& painter, const PanelSubject& subject, Rng& rng) {
    const std::string_view keyword = subject.keyword;
    // Closer in on the ring: the cap leaves the panel at the top.
    constexpr double zoom = 1.3;
    constexpr double fixedY = 20;
    painter.translate(centreX, fixedY);
    painter.scale(zoom, zoom);
    painter.translate(-centreX, -fixedY);
    fillStem(painter, stemOutline({{0, ringStemHalf + 0.6}, {1, ringStemHalf}}, QPointF(centreX, 84), 80));
    drawCapStub(painter, 16);
    if (keyword == "membranous") {
        drawCollar(painter, ringAttachY, 13, 3);
    } else if (keyword == "skirt") {
        fillOutlined(painter, skirtPath(ringAttachY, 14, 16, 1.6, rng), palette::veil);
    } else if (keyword == "striate-skirt") {
        drawStriateSkirt(painter, rng);
    } else if (keyword == "double") {
        fillOutlined(painter, skirtPath(ringAttachY, 12, 11, 1.0, rng), palette::veil);
        drawCollar(painter, ringAttachY + 9, 13.5, 2.6);  // the thick lower rim
    } else if (keyword == "fugacious") {
        drawFugaciousZone(painter, rng);
    } else if (keyword == "cottony") {
        drawCottonyRing(painter, rng);
    } else if (keyword == "glutinous") {
        drawGlutinousRing(painter);
    } else if (keyword == "cogwheel") {
        drawCogwheelRing(painter, rng);
    } else if (keyword == "floccose-below") {
        drawFloccoseRing(painter, rng);
    } else if (keyword == "sheathing") {
        drawSheathingRing(painter);
    } else if (keyword == "two-rings") {
        fillOutlined(painter, skirtPath(ringAttachY - 4, 11, 8, 0.8, rng), palette::veil);
        drawCollar(painter, 56, 10, 2.4);  // the lower ring, well apart from the upper
    }
}

#include "slide.h"

#include "hymenium.h"
#include "profile_outline.h"
#include "scale_bar.h"
#include "spore.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

const QPointF fieldCentre(slideWidth / 2.0, slideHeight / 2.0);
constexpr double fieldRadius = 192;
const QColor surround(14, 14, 16);

// Colours of the mount: the reagent's tint, and what it does to spore walls and ornament.
struct MountColours {
    QColor background;
    SporeInk spore;
};

SporeInk sporeInk(QColor body, QColor outline, QColor ornament, QColor drop) {
    SporeInk ink;
    ink.body = body;
    ink.outline = QPen(outline, 1.1);
    ink.ornament = ornament;
    ink.innerWall = QPen(outline.lighter(125), 0.8);
    ink.guttule = QPen(outline.lighter(140), 0.8);
    ink.guttuleFill = drop;
    ink.antialias = true;
    return ink;
}

MountColours mountColours(Reaction reaction) {
    switch (reaction) {
        case Reaction::Amyloid:  // ornament blue-black, spores greyish blue
            return {QColor(214, 222, 232),
                    sporeInk(QColor(196, 206, 222), QColor(62, 72, 104), QColor(24, 28, 58), QColor(232, 238, 246))};
        case Reaction::Dextrinoid:  // walls red-brown
            return {QColor(236, 224, 192),
                    sporeInk(QColor(188, 118, 78), QColor(104, 46, 22), QColor(86, 32, 14), QColor(214, 158, 118))};
        case Reaction::Inamyloid:  // hyaline to pale yellowish, the reagent's colour only
            break;
    }
    return {QColor(238, 232, 202),
            sporeInk(QColor(246, 240, 214), QColor(146, 136, 96), QColor(126, 116, 78), QColor(252, 250, 236))};
}

void drawField(QPainter& painter, const QColor& background) {
    painter.fillRect(QRectF(0, 0, slideWidth, slideHeight), surround);
    // The light falls off towards the rim of the field, as in a real eyepiece.
    QRadialGradient light(fieldCentre, fieldRadius + 4);
    light.setColorAt(0.0, background.lighter(104));
    light.setColorAt(0.85, background);
    light.setColorAt(1.0, background.darker(112));
    painter.setPen(Qt::NoPen);
    painter.setBrush(light);
    painter.drawEllipse(fieldCentre, fieldRadius + 4, fieldRadius + 4);
}

// Darkens the rim over whatever lies there, hiding the hard edge of the clip.
void drawRimShade(QPainter& painter) {
    QRadialGradient shade(fieldCentre, fieldRadius + 4);
    QColor clear = surround;
    clear.setAlpha(0);
    QColor half = surround;
    half.setAlpha(110);
    shade.setColorAt(0.0, clear);
    shade.setColorAt(0.86, clear);
    shade.setColorAt(0.96, half);
    shade.setColorAt(1.0, surround);
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawEllipse(fieldCentre, fieldRadius + 4, fieldRadius + 4);
}

QPointF randomPointInField(Rng& rng, double radius) {
    const double angle = rng.range(0, 2 * std::numbers::pi);
    const double distance = radius * std::sqrt(rng.unit());
    return fieldCentre + QPointF(distance * std::cos(angle), distance * std::sin(angle));
}

// Hyaline elements lie in the mount, faint beside the spores.
CellInk hyalineInk(const QColor& background) {
    return {QPen(background.darker(140), 0.9), QBrush(background.lighter(103)), background.darker(125), true};
}

void drawHypha(QPainter& painter, const CellInk& ink, Rng& rng) {
    const double halfWidth = rng.range(2.0, 3.2) * slidePixelsPerMicron;
    const double length = rng.range(35, 70) * slidePixelsPerMicron;
    const std::vector<WidthKnot> knots{{0, halfWidth}, {0.5, halfWidth * 1.08}, {1, halfWidth * 0.95}};
    const UprightOutline hypha = uprightOutline(knots, length, rng.range(-8, 8) * slidePixelsPerMicron);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink.fill);
    painter.drawPolygon(hypha.closed());
    painter.setPen(ink.outline);
    painter.drawPolyline(QPolygonF(QList<QPointF>(hypha.left.begin(), hypha.left.end())));
    painter.drawPolyline(QPolygonF(QList<QPointF>(hypha.right.begin(), hypha.right.end())));
    const std::size_t septum = hypha.left.size() / 2;
    painter.drawLine(hypha.left[septum], hypha.right[hypha.right.size() - 1 - septum]);
}

void drawHyalineElements(QPainter& painter, const SpeciesParams& species, const QColor& background, Rng& rng) {
    const CellInk ink = hyalineInk(background);
    const auto placeAtRandom = [&](double reach) {
        painter.translate(randomPointInField(rng, fieldRadius - reach));
        painter.rotate(rng.range(0, 360));
    };
    for (int i = 0; i < 2; ++i) {
        painter.save();
        placeAtRandom(0);
        drawHypha(painter, ink, rng);
        painter.restore();
    }
    const BasidiumSize basidium = basidiumSizeFor(species);
    for (int i = 0; i < 3; ++i) {
        painter.save();
        placeAtRandom(20);
        drawBasidium(painter, QPointF(0, 0), basidium, slidePixelsPerMicron, i != 1, {}, ink, rng);
        painter.restore();
    }
    const int cystidia = species.cystidia == Cystidia::None ? 0 : 2;
    for (int i = 0; i < cystidia; ++i) {
        painter.save();
        placeAtRandom(30);
        drawCystidium(painter, QPointF(0, 0), species.cystidia, slidePixelsPerMicron, rng.range(0.8, 1.0),
                      rng.range(-3, 3), ink, rng);
        painter.restore();
    }
}

struct LyingSpore {
    QPointF centre;
    double reach;
};

// Spores spread over the field without much overlap, some out of focus.
void drawSpores(QPainter& painter, const SpeciesParams& species, const SporeInk& ink, Rng& rng) {
    const double meanReach = species.length.mid() * slidePixelsPerMicron / 2;
    const double sporeArea = std::numbers::pi * meanReach * species.width.mid() * slidePixelsPerMicron / 2;
    const double fieldArea = std::numbers::pi * fieldRadius * fieldRadius;
    const int wanted = std::clamp(int(0.26 * fieldArea / sporeArea), 20, 90);
    std::vector<LyingSpore> lying;
    for (int tries = 0; int(lying.size()) < wanted && tries < wanted * 40; ++tries) {
        const double length = rng.range(species.length.min, species.length.max);
        const double share = species.length.max > species.length.min
                                 ? (length - species.length.min) / (species.length.max - species.length.min)
                                 : rng.unit();
        const double width = species.width.min + (species.width.max - species.width.min) *
                                                     std::clamp(share + rng.range(-0.3, 0.3), 0.0, 1.0);
        const LyingSpore candidate{randomPointInField(rng, fieldRadius - 4), length * slidePixelsPerMicron / 2 + 5};
        const bool touches = std::any_of(lying.begin(), lying.end(), [&](const LyingSpore& other) {
            return QLineF(other.centre, candidate.centre).length() < (other.reach + candidate.reach) * 0.9;
        });
        const bool clusters = rng.chance(0.06);  // spores also clump in a mount
        if (touches && !clusters) continue;
        lying.push_back(candidate);
        const SporeView view = rng.chance(0.55) ? SporeView::Face : SporeView::Profile;
        const SporeFigure figure =
            buildSpore(species.shape, species.ornament, length, width, view, slidePixelsPerMicron, rng);
        painter.save();
        painter.setOpacity(rng.chance(0.2) ? 0.55 : 1.0);
        painter.translate(candidate.centre);
        painter.rotate(rng.range(0, 360));
        drawSpore(painter, figure, ink);
        painter.restore();
    }
}

}  // namespace

QImage drawSlide(const SpeciesParams& species) {
    QImage image(slideWidth, slideHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    Rng rng = Rng::fromText(species.code.toStdString(), 2);
    const MountColours colours = mountColours(species.reaction);

    drawField(painter, colours.background);
    painter.save();
    QPainterPath field;
    field.addEllipse(fieldCentre, fieldRadius, fieldRadius);
    painter.setClipPath(field);
    drawHyalineElements(painter, species, colours.background, rng);
    drawSpores(painter, species, colours.spore, rng);
    painter.restore();
    drawRimShade(painter);

    painter.setPen(QColor(230, 230, 230));
    drawScaleBar(painter, QPointF(slideWidth - 110, slideHeight - 16), slidePixelsPerMicron, TextStyle{9, 1.2, 0},
                 true);
    painter.end();
    return image;
}

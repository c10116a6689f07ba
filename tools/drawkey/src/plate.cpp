#include "plate.h"

#include "hymenium.h"
#include "scale_bar.h"
#include "spore.h"
#include "stroke_font.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr double margin = 10;
constexpr double leftColumnRight = 262;  // spores and basidia to the left,
constexpr double rightColumnLeft = 272;  // cystidia or hyphae to the right
constexpr double hymeniumBase = 446;     // where basidia and cystidia stand
constexpr double labelTop = 50;          // baseline of the first labels
constexpr double sporeGap = 12;
constexpr double basidiaClearance = 30;  // from the spores to the basidia, their label between

const TextStyle titleStyle{13, 1.6, 0.22};
const TextStyle labelStyle{8, 1, 0};
const TextStyle noteStyle{7, 1, 0};

SporeInk blackInk() {
    SporeInk ink;
    ink.body = Qt::white;
    ink.outline = QPen(Qt::black, 1);
    ink.ornament = Qt::black;
    ink.innerWall = QPen(Qt::black, 1);
    ink.guttule = QPen(Qt::black, 1);
    ink.guttuleFill = Qt::NoBrush;
    return ink;
}

CellInk blackCellInk() { return {QPen(Qt::black, 1), QBrush(Qt::white), Qt::black, false}; }

struct PlacedSpore {
    SporeFigure figure;
    QPointF centre;
};

// One row of spores from the largest to the smallest, face and side views taking turns.
std::vector<PlacedSpore> sporeRow(const SpeciesParams& species, double top, int firstIndex, int total, Rng& rng,
                                  double* rowHeight) {
    std::vector<PlacedSpore> row;
    double x = margin + 4;
    *rowHeight = 0;
    for (int index = firstIndex; index < total; ++index) {
        const double share = total > 1 ? double(index) / (total - 1) : 0;
        const double length = species.length.max - share * (species.length.max - species.length.min);
        const double width = species.width.max - share * (species.width.max - species.width.min);
        const SporeView view = index % 2 == 0 ? SporeView::Face : SporeView::Profile;
        SporeFigure figure =
            buildSpore(species.shape, species.ornament, length, width, view, platePixelsPerMicron, rng);
        const QRectF box = figure.bounds();
        if (x + box.width() > leftColumnRight) break;
        row.push_back({figure, QPointF(x - box.left(), top - box.top())});
        x += box.width() + sporeGap;
        *rowHeight = std::max(*rowHeight, box.height());
    }
    return row;
}

// One row of spores, or two where the basidia still fit below them.
double drawSporeRows(QPainter& painter, const SpeciesParams& species, double top, double basidiaHeight, Rng& rng) {
    constexpr int mostSpores = 12;
    double firstHeight = 0;
    std::vector<PlacedSpore> spores = sporeRow(species, top, 0, mostSpores, rng, &firstHeight);
    double bottom = top + firstHeight;
    const double secondTop = bottom + sporeGap;
    if (secondTop + firstHeight + basidiaClearance + basidiaHeight <= hymeniumBase) {
        const int shown = int(spores.size());
        // Re-spread the sizes over both rows so that the second row ends with the smallest.
        spores = sporeRow(species, top, 0, 2 * shown, rng, &firstHeight);
        double secondHeight = 0;
        const auto second = sporeRow(species, secondTop, int(spores.size()), 2 * shown, rng, &secondHeight);
        spores.insert(spores.end(), second.begin(), second.end());
        bottom = secondTop + secondHeight;
    } else if (spores.size() > 1) {
        // Re-spread over the one row so that it, too, ends with the smallest.
        spores = sporeRow(species, top, 0, int(spores.size()), rng, &firstHeight);
        bottom = top + firstHeight;
    }
    const SporeInk ink = blackInk();
    for (const PlacedSpore& spore : spores) {
        painter.save();
        painter.translate(spore.centre);
        drawSpore(painter, spore.figure, ink);
        painter.restore();
    }
    return bottom;
}

SporeFigure carriedSpore(const SpeciesParams& species, Rng& rng) {
    return buildSpore(species.shape, species.ornament, species.length.mid(), species.width.mid(), SporeView::Profile,
                      platePixelsPerMicron, rng);
}

void drawBasidia(QPainter& painter, const SpeciesParams& species, const SporeFigure& carried, double top, Rng& rng) {
    BasidiumSize size = basidiumSizeFor(species);
    const SporeInk sporeInk = blackInk();
    const AttachedSpores spores{&carried, &sporeInk, 2};
    // Shorten a long basidium rather than let it run into the spores above.
    const double room = hymeniumBase - top;
    const double excess = basidiumHeight(size, platePixelsPerMicron, spores) - room;
    if (excess > 0) size.length = std::max(size.width * 1.8, size.length - excess / platePixelsPerMicron);
    const CellInk ink = blackCellInk();
    const double matureX = margin + (leftColumnRight - margin) * 0.36;
    const double youngX = margin + (leftColumnRight - margin) * 0.82;
    drawBasidium(painter, QPointF(matureX, hymeniumBase), size, platePixelsPerMicron, true, spores, ink, rng);
    BasidiumSize young = size;
    young.length *= 0.72;
    drawBasidium(painter, QPointF(youngX, hymeniumBase), young, platePixelsPerMicron, false, {}, ink, rng);
}

void drawRightColumn(QPainter& painter, const SpeciesParams& species, const PictureLanguage& language, Rng& rng) {
    const double columnWidth = plateWidth - margin - rightColumnLeft;
    const double centre = rightColumnLeft + columnWidth / 2;
    const CellInk ink = blackCellInk();
    if (species.cystidia == Cystidia::None) {
        drawTextCentred(painter, language.hyphae, QPointF(centre, labelTop), labelStyle);
        drawHyphalEnds(painter, QPointF(centre, hymeniumBase), 45 * platePixelsPerMicron, 3, platePixelsPerMicron, ink,
                       rng);
        return;
    }
    drawTextCentred(painter, language.cystidia, QPointF(centre, labelTop), labelStyle);
    const double width = cystidiumSize(species.cystidia).width() * platePixelsPerMicron;
    const double length = cystidiumSize(species.cystidia).height() * platePixelsPerMicron;
    const double room = hymeniumBase - labelTop - 12;
    const double factor = std::min(1.0, room / length);
    if (2 * width + 14 <= columnWidth) {
        drawCystidium(painter, QPointF(centre - width * 0.6 - 5, hymeniumBase), species.cystidia, platePixelsPerMicron,
                      factor, -1.5, ink, rng);
        drawCystidium(painter, QPointF(centre + width * 0.6 + 5, hymeniumBase), species.cystidia, platePixelsPerMicron,
                      factor * 0.82, 2.0, ink, rng);
    } else {
        drawCystidium(painter, QPointF(centre, hymeniumBase), species.cystidia, platePixelsPerMicron, factor, 1.5, ink,
                      rng);
    }
}

QString micronRange(const MicronRange& range, const PictureLanguage& language) {
    return language.decimal(range.min) + QLatin1Char('-') + language.decimal(range.max);
}

void drawFooter(QPainter& painter, const SpeciesParams& species, const PictureLanguage& language) {
    const double baseline = plateHeight - 12;
    drawScaleBar(painter, QPointF(margin + 4, baseline), platePixelsPerMicron, labelStyle, false);
    const QString sizes =
        QStringLiteral("%1 %2 \u00D7 %3 \u00B5m")
            .arg(language.spores, micronRange(species.length, language), micronRange(species.width, language));
    drawText(painter, sizes, QPointF(plateWidth - margin - textWidth(sizes, noteStyle), baseline), noteStyle);
}

}  // namespace

QImage drawPlate(const SpeciesParams& species, const QString& title, const PictureLanguage& language) {
    QImage image(plateWidth, plateHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);  // the file is 1-bit ink
    painter.setPen(Qt::black);
    Rng rng = Rng::fromText(species.code.toStdString(), 1);

    drawText(painter, title, QPointF(margin, 26), fitStyle(title, plateWidth - 2 * margin, titleStyle, 8));
    drawText(painter, language.spores, QPointF(margin + 2, labelTop), labelStyle);
    const SporeFigure carried = carriedSpore(species, rng);
    const double basidiaHeight = basidiumHeight(basidiumSizeFor(species), platePixelsPerMicron, {&carried, nullptr, 2});
    const double sporesBottom = drawSporeRows(painter, species, labelTop + 10, basidiaHeight, rng);
    // The label sits just above the basidia, however far down they stand.
    const double basidiaLabel = std::max(sporesBottom + 22, hymeniumBase - basidiaHeight - 8);
    drawText(painter, language.basidia, QPointF(margin + 2, basidiaLabel), labelStyle);
    drawBasidia(painter, species, carried, basidiaLabel + 8, rng);
    drawRightColumn(painter, species, language, rng);
    drawFooter(painter, species, language);
    painter.end();
    return image;
}

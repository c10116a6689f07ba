#include "charpic_colour.h"

#include "charpic.h"
#include "charpic_label.h"
#include "colour_notation.h"
#include "rng.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>

namespace {

constexpr int tallestRow = 48;
constexpr double rowPadding = 3;
constexpr double swatchWidth = 62;  // of a single swatch; stages of a change are narrower
constexpr double widestStage = 36;
constexpr double arrowWidth = 14;
constexpr double labelGap = 8;
const QColor frameColour(214, 210, 202);
const QColor swatchEdge(120, 112, 102);
const QColor arrowColour(90, 80, 70);

ColourStages stagesOf(const PicturePanel& panel) {
    return parseColourNotation(panel.keyword.toStdString()).value_or(ColourStages{});
}

std::size_t mostStages(const CharPicParams& picture) {
    std::size_t most = 1;
    for (const PicturePanel& panel : picture.panels) most = std::max(most, stagesOf(panel).size());
    return most;
}

struct Rows {
    int height = 0;
    double stageWidth = 0;  // of each stage of a change
    double swatchArea = 0;  // the same in every row, so that the swatches line up
    double labelLeft = 0;
    double labelWidth = 0;
};

Rows rowsFor(const CharPicParams& picture) {
    Rows rows;
    rows.height = std::min(charPicMaxHeight / std::max<int>(1, int(picture.panels.size())), tallestRow);
    // Low rows get narrower stages, leaving the labels room for their two lines.
    rows.stageWidth = std::clamp(rows.height * 1.15, 26.0, widestStage);
    const double stages = double(mostStages(picture));
    rows.swatchArea = stages == 1 ? swatchWidth : stages * rows.stageWidth + (stages - 1) * arrowWidth;
    rows.labelLeft = rowPadding + 3 + rows.swatchArea + labelGap;
    rows.labelWidth = charPicWidth - rows.labelLeft - rowPadding - 3;
    return rows;
}

LabelLayout rowLabel(const Rows& rows, const QString& label) {
    return layOutLabel(label, rows.labelWidth, rows.height - 3);
}

void drawPattern(QPainter& painter, const QRectF& box, const Swatch& swatch, Rng& rng) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(swatch.first);
    painter.drawRect(box);
    painter.setBrush(swatch.second);
    switch (swatch.pattern) {
        case SwatchPattern::Plain:
            break;
        case SwatchPattern::SideBySide:
            painter.drawRect(QRectF(box.center().x(), box.top(), box.width() / 2, box.height()));
            break;
        case SwatchPattern::AboveBelow:
            painter.drawRect(QRectF(box.left(), box.center().y(), box.width(), box.height() / 2));
            break;
        case SwatchPattern::BandTop:
            painter.drawRect(QRectF(box.left(), box.top(), box.width(), std::max(2.5, box.height() * 0.2)));
            break;
        case SwatchPattern::BandBottom: {
            const double band = std::max(2.5, box.height() * 0.2);
            painter.drawRect(QRectF(box.left(), box.bottom() - band, box.width(), band));
            break;
        }
        case SwatchPattern::Speckled: {
            const int dots = int(box.width() * box.height() / 70);
            const double radius = std::clamp(box.height() / 11, 1.2, 2.6);
            for (int i = 0; i < dots; ++i)
                painter.drawEllipse(QPointF(rng.range(box.left() + radius, box.right() - radius),
                                            rng.range(box.top() + radius, box.bottom() - radius)),
                                    radius, radius);
            break;
        }
        case SwatchPattern::Centre: {
            // Shading off into the rest, as a darker cap centre does.
            const double radius = box.height() * 0.42;
            QRadialGradient spot(box.center(), radius);
            spot.setColorAt(0, swatch.second);
            spot.setColorAt(0.6, swatch.second);
            QColor fading = swatch.second;
            fading.setAlpha(0);
            spot.setColorAt(1, fading);
            painter.setBrush(spot);
            painter.drawEllipse(box.center(), radius * 1.3, radius);
            break;
        }
        case SwatchPattern::Crossed:
            // An empty swatch struck through: the state says the part is missing.
            painter.setPen(QPen(swatch.second, std::max(1.5, box.height() / 12)));
            painter.drawLine(box.bottomLeft(), box.topRight());
            break;
    }
    painter.setPen(QPen(swatchEdge, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box);
}

void drawArrow(QPainter& painter, double left, double right, double y) {
    QPen pen(arrowColour, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    const double tip = right - 1;
    painter.drawLine(QPointF(left + 2, y), QPointF(tip, y));
    painter.drawPolyline(QPolygonF{QPointF(tip - 4, y - 3.5), QPointF(tip, y), QPointF(tip - 4, y + 3.5)});
}

void drawStages(QPainter& painter, const ColourStages& stages, const QRectF& area, double stageWidth, Rng& rng) {
    if (stages.size() == 1) {  // one colour gets the whole room
        drawPattern(painter, area.adjusted(0.5, 0.5, -0.5, -0.5), stages.front(), rng);
        return;
    }
    double left = area.left();
    for (std::size_t i = 0; i < stages.size(); ++i) {
        if (i > 0) {
            drawArrow(painter, left, left + arrowWidth, area.center().y());
            left += arrowWidth;
        }
        drawPattern(painter, QRectF(left + 0.5, area.top() + 0.5, stageWidth - 1, area.height() - 1), stages[i], rng);
        left += stageWidth;
    }
}

}  // namespace

QImage drawColourScale(const CharPicParams& picture, const QString& genusCode) {
    const Rows rows = rowsFor(picture);
    QImage image(charPicWidth, rows.height * int(picture.panels.size()), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (std::size_t index = 0; index < picture.panels.size(); ++index) {
        const PicturePanel& panel = picture.panels[index];
        const QRectF row(0, double(index) * rows.height, charPicWidth, rows.height);
        painter.setPen(QPen(frameColour, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(row.adjusted(1.5, 1.5, -1.5, -1.5));
        const QRectF swatchArea(rowPadding + 3, row.top() + rowPadding + 1, rows.swatchArea,
                                rows.height - 2 * rowPadding - 2);
        const QString seed = QStringLiteral("%1Pic%2%3").arg(genusCode).arg(picture.character).arg(panel.keyword);
        Rng rng = Rng::fromText(seed.toStdString(), 3);
        drawStages(painter, stagesOf(panel), swatchArea, rows.stageWidth, rng);
        const LabelLayout label = rowLabel(rows, panel.label);
        drawLabel(painter, label, rows.labelLeft, row.center().y() - label.height / 2 - 1, false);
    }
    painter.end();
    return image;
}

QStringList colourScaleProblems(const CharPicParams& picture) {
    const Rows rows = rowsFor(picture);
    QStringList problems;
    for (const PicturePanel& panel : picture.panels)
        if (!rowLabel(rows, panel.label).whole)
            problems << QStringLiteral("label \"%1\" does not fit its row; shorten it").arg(panel.label);
    return problems;
}

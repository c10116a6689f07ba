#include "charpic.h"

#include "charpic_colour.h"
#include "charpic_label.h"
#include "charpic_style.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr double panelPadding = 4;
constexpr double labelGap = 3;  // between the drawing and its label
constexpr int mostColumns = 3;
const QColor frameColour(214, 210, 202);

PanelDrawer drawerFor(std::string_view kind) {
    static const std::pair<std::string_view, PanelDrawer> drawers[] = {
        {"cap-shape", drawCapShapePanel},
        {"cap-margin", drawCapMarginPanel},
        {"cap-surface", drawCapSurfacePanel},
        {"cap-peeling", drawCapPeelingPanel},
        {"gill-attachment", drawGillAttachmentPanel},
        {"gill-spacing", drawGillSpacingPanel},
        {"stem-shape", drawStemShapePanel},
        {"stem-interior", drawStemInteriorPanel},
        {"stem-tone", drawStemTonePanel},
        {"stem-base", drawStemBasePanel},
        {"ring", drawRingPanel},
        {"spore-ornament", drawSporeOrnamentPanel},
        {"spore-shape", drawSporeShapePanel},
        {"spore-reaction", drawSporeReactionPanel},
        {"basidia", drawBasidiaPanel},
        {"cystidia", drawCystidiaPanel},
        {"pore-surface", drawPoreSurfacePanel},
        {"stem-surface", drawStemSurfacePanel},
    };
    for (const auto& [name, drawer] : drawers)
        if (name == kind) return drawer;
    return nullptr;
}

// Panels in a grid: the columns share the width, the rows the height.
struct Grid {
    int columns = 1;
    int rows = 1;
    int panelHeight = 0;
    std::vector<LabelLayout> labels;
    double labelHeight = 0;  // of the tallest label: the drawings all get the same room
    double drawingScale = 0;
    bool labelsWhole = true;

    QRectF panel(int index) const {
        const int column = index % columns;
        const double left = std::floor(double(charPicWidth) * column / columns);
        const double right = std::floor(double(charPicWidth) * (column + 1) / columns);
        return {left, double(index / columns * panelHeight), right - left, double(panelHeight)};
    }
    QRectF drawingArea(int index) const {
        const QRectF box = panel(index).adjusted(panelPadding, panelPadding, -panelPadding, -panelPadding);
        return box.adjusted(0, 0, 0, -labelHeight - labelGap);
    }
};

Grid gridWith(const CharPicParams& picture, int columns) {
    Grid grid;
    const int count = int(picture.panels.size());
    grid.columns = columns;
    grid.rows = (count + columns - 1) / columns;
    const int tallest = columns == 1 ? 170 : 150;  // a few panels need not fill the box
    grid.panelHeight = std::min(charPicMaxHeight / grid.rows, tallest);
    const double labelWidth = grid.panel(0).width() - 2 * panelPadding - 4;
    for (const PicturePanel& panel : picture.panels) {
        grid.labels.push_back(layOutLabel(panel.label, labelWidth));
        grid.labelHeight = std::max(grid.labelHeight, grid.labels.back().height);
        grid.labelsWhole = grid.labelsWhole && grid.labels.back().whole;
    }
    const QRectF area = grid.drawingArea(0);
    grid.drawingScale = std::max(0.0, std::min(area.width() / panelUnitsWide, area.height() / panelUnitsHigh));
    return grid;
}

// The grid giving the largest drawings with every label whole.
Grid bestGrid(const CharPicParams& picture) {
    Grid best = gridWith(picture, 1);
    for (int columns = 2; columns <= mostColumns; ++columns) {
        Grid candidate = gridWith(picture, columns);
        const bool better = candidate.labelsWhole == best.labelsWhole ? candidate.drawingScale > best.drawingScale
                                                                      : candidate.labelsWhole;
        if (better) best = std::move(candidate);
    }
    return best;
}

void drawPanel(QPainter& painter, const Grid& grid, int index, PanelDrawer drawer, const PicturePanel& content,
               Rng rng) {
    const QRectF panel = grid.panel(index);
    painter.setPen(QPen(frameColour, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(panel.adjusted(1.5, 1.5, -1.5, -1.5));

    const QRectF area = grid.drawingArea(index);
    const double scale = grid.drawingScale;
    painter.save();
    painter.setClipRect(area);
    painter.translate(area.center().x() - scale * panelUnitsWide / 2, area.center().y() - scale * panelUnitsHigh / 2);
    painter.scale(scale, scale);
    const std::string keyword = content.keyword.toStdString();
    drawer(painter, PanelSubject{keyword, content.tint}, rng);
    painter.restore();
    const LabelLayout& label = grid.labels[std::size_t(index)];
    drawLabel(painter, label, panel.center().x(), panel.bottom() - panelPadding - label.height, true);
}

QImage drawPanelGrid(const CharPicParams& picture, const QString& genusCode) {
    const Grid grid = bestGrid(picture);
    QImage image(charPicWidth, grid.rows * grid.panelHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const PanelDrawer drawer = drawerFor(picture.kind->name);
    for (int index = 0; index < int(picture.panels.size()); ++index) {
        const PicturePanel& content = picture.panels[std::size_t(index)];
        const QString seed = QStringLiteral("%1Pic%2%3").arg(genusCode).arg(picture.character).arg(content.keyword);
        drawPanel(painter, grid, index, drawer, content, Rng::fromText(seed.toStdString(), 3));
    }
    painter.end();
    return image;
}

bool isColourScale(const CharPicParams& picture) { return picture.kind->takesColours; }

}  // namespace

QImage drawCharPicture(const CharPicParams& picture, const QString& genusCode) {
    return isColourScale(picture) ? drawColourScale(picture, genusCode) : drawPanelGrid(picture, genusCode);
}

QStringList charPictureProblems(const CharPicParams& picture) {
    QStringList problems;
    for (const PicturePanel& panel : picture.panels)
        if (const QString missing = lettersNotDrawn(panel.label); !missing.isEmpty())
            problems << QStringLiteral("label \"%1\" has letters the font cannot draw: %2").arg(panel.label, missing);
    if (isColourScale(picture)) return problems + colourScaleProblems(picture);
    const Grid grid = bestGrid(picture);
    for (std::size_t i = 0; i < picture.panels.size(); ++i)
        if (!grid.labels[i].whole)
            problems << QStringLiteral("label \"%1\" does not fit its panel; shorten it").arg(picture.panels[i].label);
    return problems;
}

#include "charpic.h"

#include "charpic_style.h"
#include "stroke_font.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr double panelPadding = 4;
constexpr double labelCapHeight = 8.5;
constexpr double smallestLabelCap = 6;
constexpr int mostLabelLines = 2;
const QColor labelColour(34, 34, 34);
const QColor frameColour(214, 210, 202);

PanelDrawer drawerFor(std::string_view kind) {
    static const std::pair<std::string_view, PanelDrawer> drawers[] = {
        {"cap-shape", drawCapShapePanel},           {"cap-margin", drawCapMarginPanel},
        {"cap-surface", drawCapSurfacePanel},       {"gill-attachment", drawGillAttachmentPanel},
        {"gill-spacing", drawGillSpacingPanel},     {"stem-shape", drawStemShapePanel},
        {"stem-base", drawStemBasePanel},           {"ring", drawRingPanel},
        {"spore-ornament", drawSporeOrnamentPanel}, {"pore-surface", drawPoreSurfacePanel},
        {"stem-surface", drawStemSurfacePanel},
    };
    for (const auto& [name, drawer] : drawers)
        if (name == kind) return drawer;
    return nullptr;
}

QStringList wrapWords(const QString& text, double maxWidth, const TextStyle& style) {
    QStringList lines;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!lines.isEmpty() && textWidth(lines.last() + QLatin1Char(' ') + word, style) <= maxWidth)
            lines.last() += QLatin1Char(' ') + word;
        else
            lines << word;
    }
    return lines;
}

struct LabelLayout {
    QStringList lines;
    TextStyle style;
    double height;
};

// The label in at most two lines, shrunk if it must be.
LabelLayout layOutLabel(const QString& label, double maxWidth) {
    TextStyle style{labelCapHeight, 1.1, 0};
    QStringList lines = wrapWords(label, maxWidth, style);
    while ((lines.size() > mostLabelLines ||
            std::any_of(lines.begin(), lines.end(),
                        [&](const QString& line) { return textWidth(line, style) > maxWidth; })) &&
           style.capHeight > smallestLabelCap) {
        style.capHeight -= 0.5;
        lines = wrapWords(label, maxWidth, style);
    }
    if (lines.size() > mostLabelLines) {
        lines = lines.mid(0, mostLabelLines);
        lines.last() += QStringLiteral("...");
    }
    for (QString& line : lines) style = fitStyle(line, maxWidth, style, 3);
    const double lineStep = style.capHeight * 1.7;
    return {lines, style, lines.size() * lineStep};
}

void drawLabel(QPainter& painter, const LabelLayout& label, const QRectF& panel) {
    const double lineStep = label.style.capHeight * 1.7;
    double baseline = panel.bottom() - panelPadding - label.height + label.style.capHeight + 2;
    painter.setPen(labelColour);
    for (const QString& line : label.lines) {
        drawTextCentred(painter, line, QPointF(panel.center().x(), baseline), label.style);
        baseline += lineStep;
    }
}

void drawPanel(QPainter& painter, const QRectF& panel, PanelDrawer drawer, const PicturePanel& content, Rng rng) {
    painter.setPen(QPen(frameColour, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(panel.adjusted(1.5, 1.5, -1.5, -1.5));

    const LabelLayout label = layOutLabel(content.label, panel.width() - 2 * panelPadding - 4);
    const QRectF area(panel.left() + panelPadding, panel.top() + panelPadding, panel.width() - 2 * panelPadding,
                      panel.height() - 2 * panelPadding - label.height - 3);
    const double scale = std::min(area.width() / panelUnitsWide, area.height() / panelUnitsHigh);
    painter.save();
    painter.setClipRect(area);
    painter.translate(area.center().x() - scale * panelUnitsWide / 2, area.center().y() - scale * panelUnitsHigh / 2);
    painter.scale(scale, scale);
    drawer(painter, content.keyword.toStdString(), rng);
    painter.restore();
    drawLabel(painter, label, panel);
}

}  // namespace

QImage drawCharPicture(const CharPicParams& picture, const QString& genusCode) {
    const int count = int(picture.panels.size());
    const int columns = count > 4 ? 2 : 1;
    const int rows = (count + columns - 1) / columns;
    const int panelHeight = std::min(charPicMaxHeight / std::max(1, rows), columns == 1 ? 170 : 150);
    QImage image(charPicWidth, rows * panelHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const PanelDrawer drawer = drawerFor(picture.kind->name);
    for (int index = 0; index < count; ++index) {
        const int row = index / columns;
        const int column = index % columns;
        const double left = std::floor(double(charPicWidth) * column / columns);
        const double right = std::floor(double(charPicWidth) * (column + 1) / columns);
        const QRectF panel(left, row * panelHeight, right - left, panelHeight);
        const PicturePanel& content = picture.panels[std::size_t(index)];
        const QString seed = QStringLiteral("%1Pic%2%3").arg(genusCode).arg(picture.character).arg(content.keyword);
        drawPanel(painter, panel, drawer, content, Rng::fromText(seed.toStdString(), 3));
    }
    painter.end();
    return image;
}

#include "charpic_label.h"

#include <QPainter>

#include <algorithm>
#include <optional>

namespace {

constexpr double labelCapHeight = 8.5;
constexpr double comfortableLabelCap = 7;  // a third line is better than letters smaller than this
constexpr double smallestLabelCap = 6;
constexpr double lineStepPerCap = 1.7;
const QColor labelColour(34, 34, 34);

double lineStep(const TextStyle& style) { return style.capHeight * lineStepPerCap; }

// Pieces a line may break after: words, and the parts of hyphenated words.
QStringList breakablePieces(const QString& text) {
    QStringList pieces;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        qsizetype start = 0;
        for (qsizetype hyphen = word.indexOf(QLatin1Char('-')); hyphen > 0 && hyphen + 1 < word.size();
             hyphen = word.indexOf(QLatin1Char('-'), hyphen + 1)) {
            pieces << word.mid(start, hyphen + 1 - start);
            start = hyphen + 1;
        }
        pieces << word.mid(start) + QLatin1Char(' ');
    }
    if (!pieces.isEmpty()) pieces.last().chop(1);
    return pieces;
}

QStringList wrap(const QString& text, double maxWidth, const TextStyle& style) {
    QStringList lines;
    QString current;
    for (const QString& piece : breakablePieces(text)) {
        if (!current.isEmpty() && textWidth((current + piece).trimmed(), style) > maxWidth) {
            lines << current.trimmed();
            current.clear();
        }
        current += piece;
    }
    if (!current.isEmpty()) lines << current.trimmed();
    return lines;
}

bool fits(const QStringList& lines, int mostLines, double maxWidth, double maxHeight, const TextStyle& style) {
    return lines.size() <= mostLines && lines.size() * lineStep(style) <= maxHeight &&
           std::all_of(lines.begin(), lines.end(),
                       [&](const QString& line) { return textWidth(line, style) <= maxWidth; });
}

// The largest letters, down to `smallest`, with which the label fits in `mostLines` lines.
std::optional<LabelLayout> fitted(const QString& label, int mostLines, double smallest, double maxWidth,
                                  double maxHeight) {
    for (TextStyle style{labelCapHeight, 1.1, 0}; style.capHeight >= smallest; style.capHeight -= 0.5) {
        const QStringList lines = wrap(label, maxWidth, style);
        if (fits(lines, mostLines, maxWidth, maxHeight, style))
            return LabelLayout{lines, style, lines.size() * lineStep(style), true};
    }
    return std::nullopt;
}

}  // namespace

LabelLayout layOutLabel(const QString& label, double maxWidth, double maxHeight) {
    // Two lines of comfortable letters, else three; smaller letters only where neither fits.
    for (const double smallest : {comfortableLabelCap, smallestLabelCap})
        for (const int mostLines : {2, 3})
            if (const auto layout = fitted(label, mostLines, smallest, maxWidth, maxHeight)) return *layout;
    // Cut: the smallest letters, two lines, the rest left out.
    TextStyle style{smallestLabelCap, 1.1, 0};
    QStringList lines = wrap(label, maxWidth, style);
    if (lines.size() > 2) {
        lines = lines.mid(0, 2);
        lines.last() += QStringLiteral("...");
    }
    for (QString& line : lines) style = fitStyle(line, maxWidth, style, 3);
    return {lines, style, lines.size() * lineStep(style), false};
}

void drawLabel(QPainter& painter, const LabelLayout& label, double x, double top, bool centred) {
    double baseline = top + label.style.capHeight + 2;
    painter.setPen(labelColour);
    for (const QString& line : label.lines) {
        if (centred)
            drawTextCentred(painter, line, QPointF(x, baseline), label.style);
        else
            drawText(painter, line, QPointF(x, baseline), label.style);
        baseline += lineStep(label.style);
    }
}

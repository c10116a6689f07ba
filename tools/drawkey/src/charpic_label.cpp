#include "charpic_label.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr double labelCapHeight = 8.5;
constexpr double smallestLabelCap = 6;
constexpr double lineStepPerCap = 1.7;
constexpr int mostLabelLines = 2;
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

bool fits(const QStringList& lines, double maxWidth, double maxHeight, const TextStyle& style) {
    return lines.size() <= mostLabelLines && lines.size() * lineStep(style) <= maxHeight &&
           std::all_of(lines.begin(), lines.end(),
                       [&](const QString& line) { return textWidth(line, style) <= maxWidth; });
}

}  // namespace

LabelLayout layOutLabel(const QString& label, double maxWidth, double maxHeight) {
    TextStyle style{labelCapHeight, 1.1, 0};
    QStringList lines = wrap(label, maxWidth, style);
    while (!fits(lines, maxWidth, maxHeight, style) && style.capHeight > smallestLabelCap) {
        style.capHeight -= 0.5;
        lines = wrap(label, maxWidth, style);
    }
    const bool whole = fits(lines, maxWidth, maxHeight, style);
    if (lines.size() > mostLabelLines) {
        lines = lines.mid(0, mostLabelLines);
        lines.last() += QStringLiteral("...");
    }
    for (QString& line : lines) style = fitStyle(line, maxWidth, style, 3);
    return {lines, style, lines.size() * lineStep(style), whole};
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

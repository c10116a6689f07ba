#include "stroke_font.h"

#include "stroke_font_glyphs.h"

#include <QHash>
#include <QPainter>
#include <QStringList>

#include <cmath>
#include <numbers>
#include <vector>

namespace {

constexpr double unitsPerCap = 10.0;
constexpr double letterGap = 2.6;        // units between the ink of two letters
constexpr double arcStepDegrees = 10.0;  // fine enough for titles, coarse enough to stay fast

using Polyline = std::vector<QPointF>;

struct Glyph {
    double width = 0;
    std::vector<Polyline> strokes;  // in font units, y up
};

void appendArc(Polyline& stroke, const double* n) {
    const double cx = n[0], cy = n[1], rx = n[2], ry = n[3], start = n[4], sweep = n[5];
    const int steps = std::max(2, int(std::ceil(std::abs(sweep) / arcStepDegrees)));
    for (int i = 0; i <= steps; ++i) {
        const double angle = (start + sweep * i / steps) * std::numbers::pi / 180.0;
        stroke.emplace_back(cx + rx * std::cos(angle), cy + ry * std::sin(angle));
    }
}

std::vector<Polyline> parseStrokes(const char* source) {
    std::vector<Polyline> strokes;
    const QStringList tokens = QString::fromLatin1(source).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < tokens.size();) {
        const QChar command = tokens[i][0];
        const int count = (command == QLatin1Char('A') || command == QLatin1Char('S')) ? 6 : 2;
        double numbers[6] = {};
        for (int k = 0; k < count; ++k) numbers[k] = tokens.value(i + 1 + k).toDouble();
        i += 1 + count;
        if (command == QLatin1Char('M') || command == QLatin1Char('S') || strokes.empty()) strokes.emplace_back();
        if (command == QLatin1Char('A') || command == QLatin1Char('S'))
            appendArc(strokes.back(), numbers);
        else
            strokes.back().emplace_back(numbers[0], numbers[1]);
    }
    return strokes;
}

const QHash<char32_t, Glyph>& glyphTable() {
    static const QHash<char32_t, Glyph> table = [] {
        QHash<char32_t, Glyph> built;
        for (const GlyphDefinition& definition : strokeFontGlyphs())
            built.insert(definition.codePoint, Glyph{definition.width, parseStrokes(definition.strokes)});
        return built;
    }();
    return table;
}

// Accents are strokes placed relative to the letter's middle and its top.
std::vector<Polyline> accentStrokes(char16_t mark, double centre, double top) {
    const auto at = [&](double dx, double dy) { return QPointF(centre + dx, top + dy); };
    switch (mark) {
        case 0x0301:
            return {{at(-0.6, 0), at(0.9, 1.6)}};
        case 0x0300:
            return {{at(-0.9, 1.6), at(0.6, 0)}};
        case 0x0302:
            return {{at(-1.5, 0), at(0, 1.4), at(1.5, 0)}};
        case 0x030C:
            return {{at(-1.5, 1.4), at(0, 0), at(1.5, 1.4)}};
        case 0x0308:
            return {{at(-1.3, 0.6), at(-1.3, 0.7)}, {at(1.3, 0.6), at(1.3, 0.7)}};
        case 0x0303:
            return {{at(-1.8, 0.2), at(-0.9, 0.9), at(0.9, 0.2), at(1.8, 0.9)}};
        case 0x030A: {
            Polyline ring;
            const double params[6] = {centre, top + 0.9, 0.9, 0.9, 0, 360};
            appendArc(ring, params);
            return {ring};
        }
        case 0x0327:
            return {{QPointF(centre, 0), QPointF(centre - 0.3, -1), QPointF(centre + 0.9, -1.7),
                     QPointF(centre - 0.7, -2.6)}};
        default:
            return {};
    }
}

struct PlacedGlyph {
    const Glyph* glyph = nullptr;
    std::vector<Polyline> accents;
};

const Glyph* glyphFor(char32_t codePoint) {
    const auto& table = glyphTable();
    const auto found = table.constFind(codePoint);
    return found == table.constEnd() ? nullptr : &found.value();
}

// Letters missing from the font, spelt with letters it has.
QString substitute(QChar letter) {
    switch (letter.unicode()) {
        case 0x00E6:
            return QStringLiteral("ae");
        case 0x00C6:
            return QStringLiteral("AE");
        case 0x0152:
            return QStringLiteral("OE");
        case 0x00F8:
            return QStringLiteral("o");
        case 0x00D8:
            return QStringLiteral("O");
        case 0x2018:
        case 0x2019:
        case 0x201A:
            return QStringLiteral("'");
        case 0x201C:
        case 0x201D:
        case 0x201E:
            return QStringLiteral("\"");
        case 0x2014:
            return QStringLiteral("-");
        case 0x00A0:
            return QStringLiteral(" ");
        default:
            return QString();
    }
}

// How the font draws a letter.
enum class Placement {
    Glyph,        // its own glyph
    Accent,       // a combining accent, on the letter before it
    Composed,     // its base letter's glyph with accents
    Substituted,  // spelt with other letters
    Missing,      // not at all: a question mark stands for it
};

Placement placementOf(QChar letter) {
    if (glyphFor(letter.unicode())) return Placement::Glyph;
    if (letter.category() == QChar::Mark_NonSpacing) return Placement::Accent;
    const QString decomposed = letter.decomposition();
    if (!decomposed.isEmpty() && glyphFor(decomposed[0].unicode())) return Placement::Composed;
    return substitute(letter).isEmpty() ? Placement::Missing : Placement::Substituted;
}

void placeLetter(std::vector<PlacedGlyph>& placed, QChar letter) {
    const Placement placement = placementOf(letter);
    if (placement == Placement::Glyph) {
        placed.push_back({glyphFor(letter.unicode()), {}});
        return;
    }
    if (placement == Placement::Accent) {  // a combining accent typed on its own
        if (!placed.empty()) {
            const PlacedGlyph& previous = placed.back();
            auto strokes = accentStrokes(letter.unicode(), previous.glyph->width / 2, 8.3);
            placed.back().accents.insert(placed.back().accents.end(), strokes.begin(), strokes.end());
        }
        return;
    }
    if (placement == Placement::Composed) {
        const QString decomposed = letter.decomposition();
        QChar base = decomposed[0];
        if (base == QLatin1Char('i') && decomposed.size() > 1)
            base = QChar(0x0131);  // the accent takes the dot's place
        const Glyph* glyph = glyphFor(base.unicode());
        const double top = base.isLower() || base.unicode() == 0x0131 ? 8.3 : 11.2;
        PlacedGlyph entry{glyph, {}};
        for (qsizetype i = 1; i < decomposed.size(); ++i) {
            auto strokes = accentStrokes(decomposed[i].unicode(), glyph->width / 2, top);
            entry.accents.insert(entry.accents.end(), strokes.begin(), strokes.end());
        }
        placed.push_back(entry);
        return;
    }
    const QString replacement = substitute(letter);
    for (QChar drawn : replacement.isEmpty() ? QStringLiteral("?") : replacement)
        placed.push_back({glyphFor(drawn.unicode()), {}});
}

bool drawable(QChar letter) {
    return placementOf(letter) != Placement::Missing;
}

std::vector<PlacedGlyph> placeText(const QString& text) {
    std::vector<PlacedGlyph> placed;
    for (QChar letter : text) placeLetter(placed, letter);
    return placed;
}

double unitsWide(const std::vector<PlacedGlyph>& placed) {
    double width = 0;
    for (const PlacedGlyph& entry : placed) width += entry.glyph->width + letterGap;
    return placed.empty() ? 0 : width - letterGap;
}

}  // namespace

QString lettersNotDrawn(const QString& text) {
    QString missing;
    for (QChar letter : text)
        if (!drawable(letter) && !missing.contains(letter)) missing += letter;
    return missing;
}

double textWidth(const QString& text, const TextStyle& style) {
    return unitsWide(placeText(text)) * style.capHeight / unitsPerCap + style.penWidth;
}

QPainterPath textPath(const QString& text, QPointF baselineStart, const TextStyle& style) {
    const double scale = style.capHeight / unitsPerCap;
    const double left = baselineStart.x() + style.penWidth / 2;
    QPainterPath path;
    double penX = 0;
    const auto addStroke = [&](const Polyline& stroke) {
        for (std::size_t i = 0; i < stroke.size(); ++i) {
            const QPointF& p = stroke[i];
            const QPointF mapped(left + (penX + p.x() + style.slant * p.y()) * scale,
                                 baselineStart.y() - p.y() * scale);
            if (i == 0)
                path.moveTo(mapped);
            else
                path.lineTo(mapped);
        }
    };
    for (const PlacedGlyph& entry : placeText(text)) {
        for (const Polyline& stroke : entry.glyph->strokes) addStroke(stroke);
        for (const Polyline& stroke : entry.accents) addStroke(stroke);
        penX += entry.glyph->width + letterGap;
    }
    return path;
}

void drawText(QPainter& painter, const QString& text, QPointF baselineStart, const TextStyle& style) {
    painter.save();
    QPen pen(painter.pen().color(), style.penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(textPath(text, baselineStart, style));
    painter.restore();
}

void drawTextCentred(QPainter& painter, const QString& text, QPointF baselineCentre, const TextStyle& style) {
    const double width = textWidth(text, style);
    drawText(painter, text, QPointF(baselineCentre.x() - width / 2, baselineCentre.y()), style);
}

TextStyle fitStyle(const QString& text, double maxWidth, TextStyle style, double minCapHeight) {
    const double width = textWidth(text, style);
    if (width <= maxWidth || width <= 0) return style;
    const double factor = std::max(minCapHeight / style.capHeight, maxWidth / width);
    style.capHeight *= factor;
    style.penWidth = std::max(1.0, style.penWidth * factor);
    return style;
}

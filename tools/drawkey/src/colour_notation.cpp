#include "colour_notation.h"

#include <QString>

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<char, SwatchPattern>, 7> patternMarks{{{'/', SwatchPattern::SideBySide},
                                                                      {':', SwatchPattern::AboveBelow},
                                                                      {'*', SwatchPattern::Speckled},
                                                                      {'^', SwatchPattern::BandTop},
                                                                      {'_', SwatchPattern::BandBottom},
                                                                      {'+', SwatchPattern::Centre},
                                                                      {'~', SwatchPattern::Crossed}}};

std::optional<QColor> parseColour(std::string_view text) {
    constexpr std::string_view hexDigits = "0123456789abcdefABCDEF";
    if (text.size() != 7 || text[0] != '#' || text.find_first_not_of(hexDigits, 1) != std::string_view::npos)
        return std::nullopt;
    return QColor::fromString(QString::fromLatin1(text.data(), qsizetype(text.size())));
}

std::optional<Swatch> parseSwatch(std::string_view text) {
    if (const auto plain = parseColour(text)) return Swatch{SwatchPattern::Plain, *plain, {}};
    if (text.size() != 15) return std::nullopt;
    for (const auto& [mark, pattern] : patternMarks) {
        if (text[7] != mark) continue;
        const auto first = parseColour(text.substr(0, 7));
        const auto second = parseColour(text.substr(8));
        if (first && second) return Swatch{pattern, *first, *second};
    }
    return std::nullopt;
}

}  // namespace

std::optional<ColourStages> parseColourNotation(std::string_view text) {
    ColourStages stages;
    for (std::size_t start = 0;;) {
        const std::size_t arrow = text.find('>', start);
        const auto swatch = parseSwatch(text.substr(start, arrow == std::string_view::npos ? arrow : arrow - start));
        if (!swatch) return std::nullopt;
        stages.push_back(*swatch);
        if (arrow == std::string_view::npos) break;
        start = arrow + 1;
    }
    if (stages.size() > std::size_t(mostColourStages)) return std::nullopt;
    return stages;
}

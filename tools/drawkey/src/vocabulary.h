#pragma once

#include <optional>
#include <string_view>
#include <vector>

// The words a parameters file may use. Each enum's order follows its name table.

enum class SporeShape {
    Globose,
    Subglobose,
    BroadlyEllipsoid,
    Ellipsoid,
    Elongate,
    Cylindrical,
    Fusiform,
    Amygdaliform
};
enum class Ornament {
    Smooth,
    IsolatedWarts,
    Warts,
    WartsCrests,
    PartialReticulum,
    Reticulate,
    Spines,
    Ridges,      // long ridges across the spore, as zebra stripes
    HighCrests,  // wing-like crests over 1 um high
};
enum class Cystidia { None, Fusiform, Lageniform, Clavate, Cylindrical, Capitate, Utriform, Mucronate, Macrocystidia };
enum class Reaction { Amyloid, Inamyloid, Dextrinoid };

std::optional<SporeShape> sporeShapeNamed(std::string_view name);
std::optional<Ornament> ornamentNamed(std::string_view name);
std::optional<Cystidia> cystidiaNamed(std::string_view name);
std::optional<Reaction> reactionNamed(std::string_view name);

// Character picture kinds and the keywords each one can draw. A colour scale takes
// colour notations (colour_notation.h) instead of keywords; a tinted kind also takes
// <keyword>@#RRGGBB, the colour of what the panel shows on the surface.
struct CharPicKind {
    std::string_view name;
    std::vector<std::string_view> keywords;
    bool takesColours = false;
    bool takesTint = false;
};

const std::vector<CharPicKind>& charPicKinds();
const CharPicKind* charPicKindNamed(std::string_view name);
bool kindHasKeyword(const CharPicKind& kind, std::string_view keyword);

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
enum class Ornament { Smooth, IsolatedWarts, Warts, WartsCrests, PartialReticulum, Reticulate, Spines };
enum class Cystidia { None, Fusiform, Lageniform, Clavate, Cylindrical, Capitate, Utriform, Mucronate, Macrocystidia };
enum class Reaction { Amyloid, Inamyloid, Dextrinoid };

std::optional<SporeShape> sporeShapeNamed(std::string_view name);
std::optional<Ornament> ornamentNamed(std::string_view name);
std::optional<Cystidia> cystidiaNamed(std::string_view name);
std::optional<Reaction> reactionNamed(std::string_view name);

// Character picture kinds and the keywords each one can draw.
struct CharPicKind {
    std::string_view name;
    std::vector<std::string_view> keywords;
};

const std::vector<CharPicKind>& charPicKinds();
const CharPicKind* charPicKindNamed(std::string_view name);
bool kindHasKeyword(const CharPicKind& kind, std::string_view keyword);

#include "vocabulary.h"

#include <array>

namespace {

template <typename Enum, std::size_t N>
std::optional<Enum> lookUp(const std::array<std::string_view, N>& names, std::string_view name) {
    for (std::size_t i = 0; i < N; ++i)
        if (names[i] == name) return Enum(i);
    return std::nullopt;
}

constexpr std::array<std::string_view, 8> sporeShapeNames{
    "globose", "subglobose", "broadly-ellipsoid", "ellipsoid", "elongate", "cylindrical", "fusiform", "amygdaliform"};
constexpr std::array<std::string_view, 9> ornamentNames{
    "smooth",     "isolated-warts", "warts",  "warts-crests", "partial-reticulum",
    "reticulate", "spines",         "ridges", "high-crests"};
constexpr std::array<std::string_view, 9> cystidiaNames{
    "none", "fusiform", "lageniform", "clavate", "cylindrical", "capitate", "utriform", "mucronate", "macrocystidia"};
constexpr std::array<std::string_view, 3> reactionNames{"amyloid", "inamyloid", "dextrinoid"};

}  // namespace

std::optional<SporeShape> sporeShapeNamed(std::string_view name) { return lookUp<SporeShape>(sporeShapeNames, name); }
std::optional<Ornament> ornamentNamed(std::string_view name) { return lookUp<Ornament>(ornamentNames, name); }
std::optional<Cystidia> cystidiaNamed(std::string_view name) { return lookUp<Cystidia>(cystidiaNames, name); }
std::optional<Reaction> reactionNamed(std::string_view name) { return lookUp<Reaction>(reactionNames, name); }

const std::vector<CharPicKind>& charPicKinds() {
    static const std::vector<CharPicKind> kinds{
        {"cap-shape",
         {"convex", "plano-convex", "flat", "depressed", "funnel", "umbonate", "conical", "campanulate",
          "hemispherical", "ovoid", "flat-topped"}},
        {"cap-margin",
         {"smooth", "striate", "tuberculate-striate", "inrolled", "wavy", "appendiculate", "overhanging", "pale-band"}},
        {"cap-surface",
         {"smooth",          "viscid",      "velvety",       "cracked",       "warty-veil",    "patchy-veil",
          "fibrillose",      "zonate",      "matt",          "pruinose",      "greasy",        "silky",
          "wrinkled",        "fine-scales", "coarse-scales", "woolly-scales", "blotched",      "large-patch",
          "pyramidal-warts", "mealy",       "faint-zones",   "drop-zones",    "bearded-margin"}},
        {"cap-peeling", {"to-centre", "two-thirds", "one-third", "hardly"}},
        {"gill-attachment", {"free", "adnexed", "adnate", "sinuate", "decurrent", "subdecurrent"}},
        {"gill-spacing", {"crowded", "close", "distant", "forked", "lamellulae"}},
        {"stem-shape", {"cylindrical", "clavate", "bulbous", "tapering", "ventricose"}},
        {"stem-interior", {"solid", "hollow"}},
        {"stem-tone", {"whitish", "like-cap", "paler", "darker", "pitted"}},
        {"stem-base",
         {"plain", "bulbous", "marginate-bulb", "volva-sac", "volva-rings", "volva-friable", "rooting", "clavate",
          "tapering", "rooting-bulb", "volva-collar", "volva-rim", "volva-scurfy", "volva-warts"}},
        {"ring",
         {"none", "membranous", "skirt", "striate-skirt", "fugacious", "double", "cottony", "glutinous", "cogwheel",
          "floccose-below", "sheathing", "two-rings"}},
        {"spore-ornament",
         {"smooth", "isolated-warts", "warts", "warts-crests", "partial-reticulum", "reticulate", "spines", "ridges",
          "high-crests"}},
        {"spore-shape",
         {"globose", "subglobose", "broadly-ellipsoid", "ellipsoid", "elongate", "cylindrical", "fusiform",
          "amygdaliform", "fusiform-truncate", "subglobose-reticulate"}},
        {"spore-reaction", {"amyloid", "inamyloid", "dextrinoid"}},
        {"basidia", {"four-spored", "two-spored"}},
        {"cystidia", {"cap-hyphae", "cap-cystidia", "edge-basidia", "edge-cystidia"}},
        {"pore-surface",
         {"small-round", "large-angular", "radially-elongate", "decurrent-tubes", "small-angular", "compound",
          "droplets"}},
        {.name = "stem-surface",
         .keywords = {"smooth", "reticulate", "scabrous", "dotted", "fibrillose", "mottled", "striate-apex", "zigzag",
                      "floccose", "scurfy", "ribbed", "woolly-scales", "scale-bands", "dotted-apex",
                      "dotted-above-ring", "reticulate-apex"},
         .takesTint = true},
        {.name = "colour-scale", .keywords = {}, .takesColours = true},
    };
    return kinds;
}

const CharPicKind* charPicKindNamed(std::string_view name) {
    for (const CharPicKind& kind : charPicKinds())
        if (kind.name == name) return &kind;
    return nullptr;
}

bool kindHasKeyword(const CharPicKind& kind, std::string_view keyword) {
    for (std::string_view known : kind.keywords)
        if (known == keyword) return true;
    return false;
}

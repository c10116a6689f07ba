#pragma once

#include <QColor>

#include <optional>
#include <string_view>
#include <vector>

// The colours of one panel of a colour scale, as the parameters file writes them:
//
//   #RRGGBB     one colour
//   #A/#B       a state spanning two colours: A and B side by side
//   #A:#B       A above, B below (a stem yellow above, red below)
//   #A*#B       A speckled with B (dots, spots)
//   #A^#B       A with a thin band of B along its top (under the cap skin)
//   #A_#B       A with a thin band of B along its bottom (above the tubes, a gill edge)
//   #A+#B       A with B in its centre (a cap with a darker centre)
//   #A~#B       A crossed out by a diagonal of B: nothing there (no ring, no remnants)
//
// and a change of colour as up to three such swatches joined by '>', e.g.
// #FFFFFF>#F2D43C for white turning yellow.

enum class SwatchPattern { Plain, SideBySide, AboveBelow, Speckled, BandTop, BandBottom, Centre, Crossed };

struct Swatch {
    SwatchPattern pattern = SwatchPattern::Plain;
    QColor first;
    QColor second;  // unused for Plain
};

using ColourStages = std::vector<Swatch>;  // one swatch, or the stages of a change

inline constexpr int mostColourStages = 3;

std::optional<ColourStages> parseColourNotation(std::string_view text);

#pragma once

#include <span>

// The stroke font's glyphs, typed in by hand so that text looks the same on every
// machine whatever fonts it has.
//
// Units: the baseline is y = 0 and y grows upwards; capitals are 10 high, the
// x-height is 7, descenders reach -3. A glyph's ink spans x = 0 .. width.
// Strokes are a small path language, numbers separated by blanks:
//   M x y                      start a new stroke at (x, y)
//   L x y                      line to (x, y)
//   A cx cy rx ry start sweep  elliptical arc about (cx, cy), angles in degrees,
//                              counter-clockwise positive; continues the stroke
//                              (a line joins the current point to the arc's start)
//   S cx cy rx ry start sweep  the same arc, starting a new stroke
// A stroke of almost no length draws a dot (the pen has round caps).
struct GlyphDefinition {
    char32_t codePoint;
    double width;
    const char* strokes;
};

std::span<const GlyphDefinition> strokeFontGlyphs();

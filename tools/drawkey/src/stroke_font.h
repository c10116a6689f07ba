#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QString>

class QPainter;

// Text drawn with the hand-typed stroke font (stroke_font_glyphs.cpp). Letters that
// the font lacks are drawn as their base letter with the accent drawn on top, or as '?'.
struct TextStyle {
    double capHeight = 10;  // pixels
    double penWidth = 1;    // pixels
    double slant = 0;       // sideways shift per unit of height; 0.2 draws italics
};

// The letters of `text` that the font can neither draw nor spell with others: each
// would be drawn as '?'.
QString lettersNotDrawn(const QString& text);

// Width of the ink, pen included.
double textWidth(const QString& text, const TextStyle& style);

// The strokes of the text, the baseline starting at baselineStart.
QPainterPath textPath(const QString& text, QPointF baselineStart, const TextStyle& style);

// Draws in the colour of the painter's current pen.
void drawText(QPainter& painter, const QString& text, QPointF baselineStart, const TextStyle& style);
void drawTextCentred(QPainter& painter, const QString& text, QPointF baselineCentre, const TextStyle& style);

// The style shrunk (pen too) so that the text fits maxWidth; never below minCapHeight.
TextStyle fitStyle(const QString& text, double maxWidth, TextStyle style, double minCapHeight);

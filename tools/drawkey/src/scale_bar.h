#pragma once

#include "stroke_font.h"

#include <QPointF>

class QPainter;

// A 10 um bar with end ticks and its label to the right, the bar's left end at
// `start` on the label's baseline; drawn in the painter's pen colour.
void drawScaleBar(QPainter& painter, QPointF start, double pixelsPerMicron, const TextStyle& labelStyle,
                  bool antialias);

#pragma once

#include "charpic_style.h"
#include "profile_outline.h"

#include <vector>

// What the stem panels share: a stem standing upright in the middle of the panel and
// the lower part of its cap.
inline constexpr double stemCentreX = 50;

// A stem standing on `foot`, its half-widths given along its length.
QPolygonF stemOutline(const std::vector<WidthKnot>& knots, QPointF foot, double length);

// Filled lit from the left, so that it looks round, and outlined.
void fillStem(QPainter& painter, const QPolygonF& shape, const QColor& colour = palette::stem);

// The lower part of a cap whose underside is at underY, cut off by the panel's top edge.
void drawCapStub(QPainter& painter, double underY);

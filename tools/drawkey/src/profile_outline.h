#pragma once

#include <QPointF>
#include <QPolygonF>

#include <vector>

// Outlines of upright, roughly axially symmetric bodies (basidia, cystidia, hyphal
// cells, stems) from a few half-widths along the axis.

struct WidthKnot {
    double t;          // 0 at the base, 1 where the rounded apex begins
    double halfWidth;  // in the caller's units
};

// Smooth half-width at t: monotone cubic through the knots, so no overshoot.
double halfWidthAt(const std::vector<WidthKnot>& knots, double t);

struct UprightOutline {
    std::vector<QPointF> left;   // base to apex, on the left side
    std::vector<QPointF> cap;    // the rounded apex, left to right
    std::vector<QPointF> right;  // apex to base, on the right side
    QPointF capCentre;
    double capHalfWidth = 0;
    double capHeight = 0;

    QPolygonF open() const;                  // left, cap, right: open across the base where a septum or hypha goes
    QPolygonF closed() const;                // the same, closed across the base, for filling
    QPointF capPoint(double degrees) const;  // point on the cap, 0 = right, 90 = top, 180 = left
};

// The body stands on (0, 0) and grows towards negative y (up in an image): the knots
// spread over `length`, then a half-ellipse capRatio times the last half-width high
// rounds the apex. `lean` bends the axis so that its top is lean units to the side.
UprightOutline uprightOutline(const std::vector<WidthKnot>& knots, double length, double lean, double capRatio = 1.0,
                              int steps = 60);

#include "profile_outline.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Fritsch-Carlson tangents keep the curve between neighbouring knots.
std::vector<double> monotoneTangents(const std::vector<WidthKnot>& knots) {
    const std::size_t n = knots.size();
    std::vector<double> secants(n - 1);
    for (std::size_t i = 0; i + 1 < n; ++i)
        secants[i] = (knots[i + 1].halfWidth - knots[i].halfWidth) / (knots[i + 1].t - knots[i].t);
    std::vector<double> tangents(n);
    tangents[0] = secants[0];
    tangents[n - 1] = secants[n - 2];
    for (std::size_t i = 1; i + 1 < n; ++i)
        tangents[i] = secants[i - 1] * secants[i] <= 0 ? 0 : (secants[i - 1] + secants[i]) / 2;
    for (std::size_t i = 0; i + 1 < n; ++i) {
        if (secants[i] == 0) {
            tangents[i] = tangents[i + 1] = 0;
            continue;
        }
        const double alpha = tangents[i] / secants[i];
        const double beta = tangents[i + 1] / secants[i];
        const double sum = alpha * alpha + beta * beta;
        if (sum > 9) {
            const double tau = 3 / std::sqrt(sum);
            tangents[i] = tau * alpha * secants[i];
            tangents[i + 1] = tau * beta * secants[i];
        }
    }
    return tangents;
}

double centreX(double t, double lean) { return lean * t * t; }

}  // namespace

double halfWidthAt(const std::vector<WidthKnot>& knots, double t) {
    if (knots.size() == 1 || t <= knots.front().t) return knots.front().halfWidth;
    if (t >= knots.back().t) return knots.back().halfWidth;
    const std::vector<double> tangents = monotoneTangents(knots);
    std::size_t i = 0;
    while (t > knots[i + 1].t) ++i;
    const double span = knots[i + 1].t - knots[i].t;
    const double s = (t - knots[i].t) / span;
    const double h00 = (1 + 2 * s) * (1 - s) * (1 - s), h10 = s * (1 - s) * (1 - s);
    const double h01 = s * s * (3 - 2 * s), h11 = s * s * (s - 1);
    const double value = h00 * knots[i].halfWidth + h10 * span * tangents[i] + h01 * knots[i + 1].halfWidth +
                         h11 * span * tangents[i + 1];
    return std::max(0.0, value);
}

QPolygonF UprightOutline::open() const {
    QPolygonF polygon;
    for (const auto* part : {&left, &cap, &right})
        for (const QPointF& p : *part) polygon << p;
    return polygon;
}

QPolygonF UprightOutline::closed() const {
    QPolygonF polygon = open();
    if (!polygon.isEmpty()) polygon << polygon.first();
    return polygon;
}

QPointF UprightOutline::capPoint(double degrees) const {
    const double radians = degrees * std::numbers::pi / 180.0;
    return {capCentre.x() + capHalfWidth * std::cos(radians), capCentre.y() - capHeight * std::sin(radians)};
}

UprightOutline uprightOutline(const std::vector<WidthKnot>& knots, double length, double lean, double capRatio,
                              int steps) {
    UprightOutline outline;
    for (int i = 0; i <= steps; ++i) {
        const double t = double(i) / steps;
        const double halfWidth = halfWidthAt(knots, t);
        outline.left.emplace_back(centreX(t, lean) - halfWidth, -t * length);
    }
    for (int i = steps; i >= 0; --i) {
        const double t = double(i) / steps;
        const double halfWidth = halfWidthAt(knots, t);
        outline.right.emplace_back(centreX(t, lean) + halfWidth, -t * length);
    }
    outline.capHalfWidth = halfWidthAt(knots, 1.0);
    outline.capHeight = outline.capHalfWidth * capRatio;
    outline.capCentre = QPointF(centreX(1.0, lean), -length);
    const int capSteps = 24;
    for (int i = 1; i < capSteps; ++i) outline.cap.push_back(outline.capPoint(180.0 - 180.0 * i / capSteps));
    return outline;
}

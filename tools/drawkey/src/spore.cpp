#include "spore.h"

#include "spore_ornament.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace {

// Outline exponents: the half-width at a fraction u of the half-length from the
// middle is (1 - u^2)^q; q = 0.5 is an ellipse, smaller q squarer ends, larger q
// pointed ones. Apex and base may differ (an almond is pointed at the apex only).
struct OutlineExponents {
    double apex;
    double base;
};

OutlineExponents exponentsOf(SporeShape shape) {
    switch (shape) {
        case SporeShape::Cylindrical:
            return {0.27, 0.27};
        case SporeShape::Fusiform:
            return {0.66, 0.62};
        case SporeShape::Amygdaliform:
            return {0.85, 0.55};
        case SporeShape::Ellipsoid:
        case SporeShape::Elongate:
            return {0.5, 0.56};
        default:
            return {0.5, 0.5};
    }
}

constexpr int pointsPerSide = 60;

double profileFactor(double u, const OutlineExponents& exponents) {
    const double q = u < 0 ? exponents.apex : exponents.base;
    return std::pow(std::max(0.0, 1 - u * u), q);
}

// In side view the adaxial side is flatter above the apiculus (the suprahilar area).
double adaxialFlattening(double u, SporeShape shape) {
    const double depth = shape == SporeShape::Amygdaliform ? 0.22 : 0.12;
    const double offset = (u - 0.3) / 0.4;
    return 1 - depth * std::exp(-offset * offset);
}

QPointF sidePoint(double u, double side, double halfLength, double halfWidth, const OutlineExponents& exponents,
                  SporeShape shape, SporeView view) {
    double factor = profileFactor(u, exponents);
    if (view == SporeView::Profile && side < 0) factor *= adaxialFlattening(u, shape);
    return {side * halfWidth * factor, u * halfLength};
}

QPolygonF bodyOutline(SporeShape shape, double halfLength, double halfWidth, SporeView view) {
    const OutlineExponents exponents = exponentsOf(shape);
    QPolygonF outline;
    // u = -cos(phi) spaces the points densely at the ends, where the outline bends most.
    for (int i = 0; i < 2 * pointsPerSide; ++i) {
        const double phi = std::numbers::pi * i / pointsPerSide;
        const double u = -std::cos(phi);
        const double side = i <= pointsPerSide ? 1.0 : -1.0;
        outline << sidePoint(u, side, halfLength, halfWidth, exponents, shape, view);
    }
    outline << outline.first();
    return outline;
}

void addApiculus(SporeFigure& spore, SporeShape shape, double halfLength, double halfWidth, SporeView view,
                 double pixelsPerMicron) {
    const OutlineExponents exponents = exponentsOf(shape);
    const double reach = std::max(0.9 * pixelsPerMicron, 0.1 * 2 * halfLength);
    if (view == SporeView::Face) {
        const QPointF right = sidePoint(0.95, 1, halfLength, halfWidth, exponents, shape, view);
        const QPointF left(-right.x() * 0.9, right.y());
        const QPointF rightNarrow(right.x() * 0.9, right.y());
        spore.apiculusTip = QPointF(0, halfLength + reach * 0.9);
        spore.apiculus = QPolygonF{left, QPointF(-0.35 * right.x(), spore.apiculusTip.y()),
                                   QPointF(0.35 * right.x(), spore.apiculusTip.y()), rightNarrow};
        return;
    }
    const QPointF upper = sidePoint(0.68, -1, halfLength, halfWidth, exponents, shape, view);
    const QPointF lower = sidePoint(0.93, -1, halfLength, halfWidth, exponents, shape, view);
    const QLineF baseLine(upper, lower);
    QPointF outward(baseLine.dy(), -baseLine.dx());
    outward /= std::max(1e-9, std::hypot(outward.x(), outward.y()));
    if (outward.x() > 0) outward = -outward;
    const QPointF middle = baseLine.center();
    spore.apiculusTip = middle + outward * reach + QPointF(0, reach * 0.45);
    const QPointF shoulder = middle + outward * reach * 0.55 + QPointF(0, -reach * 0.15);
    spore.apiculus = QPolygonF{upper, shoulder, spore.apiculusTip, lower};
}

}  // namespace

QRectF SporeFigure::bounds() const {
    QRectF box = body.boundingRect().united(apiculus.boundingRect());
    for (const QPolygonF& mark : outlineMarks) box = box.united(mark.boundingRect());
    return box;
}

SporeFigure buildSpore(SporeShape shape, Ornament ornament, double lengthMicrons, double widthMicrons, SporeView view,
                       double pixelsPerMicron, Rng& rng) {
    SporeFigure spore;
    const double halfLength = lengthMicrons * pixelsPerMicron / 2;
    const double halfWidth = std::min(widthMicrons, lengthMicrons) * pixelsPerMicron / 2;
    spore.body = bodyOutline(shape, halfLength, halfWidth, view);
    addApiculus(spore, shape, halfLength, halfWidth, view, pixelsPerMicron);
    addSporeOrnament(spore, ornament, halfLength, halfWidth, pixelsPerMicron, rng);
    return spore;
}

void drawSpore(QPainter& painter, const SporeFigure& spore, const SporeInk& ink) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, ink.antialias);
    painter.setPen(ink.outline);
    painter.setBrush(ink.body);
    painter.drawPolygon(spore.apiculus);
    painter.drawPolygon(spore.body);

    painter.save();
    QPainterPath bodyPath;
    bodyPath.addPolygon(spore.body);
    painter.setClipPath(bodyPath, Qt::IntersectClip);
    painter.setPen(QPen(ink.ornament, spore.crestWidth, Qt::SolidLine, Qt::RoundCap));
    for (const QLineF& crest : spore.crests) painter.drawLine(crest);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink.ornament);
    for (const SporeWart& wart : spore.warts) painter.drawEllipse(wart.centre, wart.radius, wart.radius);
    painter.restore();

    // Aliased drawing needs the pen, or the smallest marks vanish.
    painter.setPen(ink.antialias ? QPen(Qt::NoPen) : QPen(ink.ornament, 1));
    painter.setBrush(ink.ornament);
    for (const QPolygonF& mark : spore.outlineMarks) painter.drawPolygon(mark);

    painter.setBrush(Qt::NoBrush);
    if (!spore.innerWall.isEmpty()) {
        painter.setPen(ink.innerWall);
        painter.drawPolygon(spore.innerWall);
    }
    if (spore.guttuleRadius > 0) {
        painter.setPen(ink.guttule);
        painter.setBrush(ink.guttuleFill);
        painter.drawEllipse(spore.guttuleCentre, spore.guttuleRadius, spore.guttuleRadius);
    }
    painter.restore();
}

// Panels of the cap: its shape in side view and its margin; and the stem's colour
// against the cap's, which needs the whole fruit body.
#include "charpic_style.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double centreX = 50;
constexpr double capRadius = 34;
constexpr double groundY = 77;
constexpr double stemHalfWidth = 6;

// A cap profile in side view: heights above the margin, in cap radii, over
// s = -1 (left margin) .. 1 (right margin); top for the upper surface, under for
// the gill side. marginY places the margin in the box.
struct CapProfile {
    double (*top)(double s);
    double (*under)(double s);
    double marginY;
};

double underFlat(double s) { return 0.1 * (1 - s * s); }
double underDeep(double s) { return 0.28 * (1 - s * s); }

CapProfile capProfile(std::string_view keyword) {
    using std::abs, std::exp, std::pow, std::sqrt;
    if (keyword == "plano-convex")
        return {[](double s) { return 0.34 * sqrt(std::max(0.0, 1 - pow(s, 4))); }, underFlat, 40};
    if (keyword == "flat") return {[](double s) { return 0.2 * sqrt(std::max(0.0, 1 - pow(s, 10))); }, underFlat, 38};
    if (keyword == "depressed")
        return {[](double s) { return 0.3 * sqrt(std::max(0.0, 1 - pow(s, 8))) - 0.14 * exp(-s * s / 0.12); },
                underFlat, 38};
    if (keyword == "funnel")
        return {[](double s) { return 0.78 * pow(abs(s), 1.4) + 0.13 * sqrt(std::max(0.0, 1 - pow(s, 8))); },
                [](double s) { return 0.78 * pow(abs(s), 1.4); }, 46};
    if (keyword == "umbonate")
        return {[](double s) { return 0.3 * sqrt(std::max(0.0, 1 - pow(s, 4))) + 0.2 * exp(-s * s / 0.05); }, underFlat,
                42};
    if (keyword == "conical")
        return {[](double s) { return 0.95 * pow(1 - abs(s), 1.1) + 0.04 * sqrt(std::max(0.0, 1 - s * s)); }, underDeep,
                50};
    if (keyword == "campanulate")
        return {[](double s) { return 0.85 * pow(std::max(0.0, 1 - pow(abs(s), 2.4)), 0.5); }, underDeep, 50};
    if (keyword == "hemispherical")
        return {[](double s) { return 0.92 * sqrt(std::max(0.0, 1 - s * s)); }, underDeep, 50};
    if (keyword == "flat-topped")  // steep sides under a broad flat top, as a young cap's
        return {[](double s) { return 0.62 * pow(std::max(0.0, 1 - pow(s, 8)), 0.6); }, underDeep, 52};
    return {[](double s) { return 0.55 * sqrt(std::max(0.0, 1 - s * s)); }, underFlat, 44};  // convex
}

// A cap in side view, darker towards its top.
void fillShadedCap(QPainter& painter, const QPolygonF& cap, double top, double bottom) {
    QLinearGradient shading(0, top, 0, bottom);
    shading.setColorAt(0, palette::capDark);
    shading.setColorAt(1, palette::capLight);
    painter.setPen(inkPen());
    painter.setBrush(shading);
    painter.drawPolygon(cap);
}

QPolygonF stemColumn(double top, double bottom, double halfWidth) {
    return QPolygonF{QPointF(centreX - halfWidth, top), QPointF(centreX + halfWidth, top),
                     QPointF(centreX + halfWidth * 1.1, bottom), QPointF(centreX - halfWidth * 1.1, bottom)};
}

void drawStemColumn(QPainter& painter, double top, double bottom, double halfWidth,
                    const QColor& colour = palette::stem) {
    fillOutlined(painter, stemColumn(top, bottom, halfWidth), colour);
}

// The gill side shows as a band under the cap with gill edges converging on the stem.
void drawGillBand(QPainter& painter, const CapProfile& profile, double radius, double marginY) {
    const auto underY = [&](double x) { return marginY - profile.under((x - centreX) / radius) * radius; };
    const double depth = 4.5;
    QPolygonF band = sampledCurve(centreX - radius, centreX + radius, 40, underY);
    for (const QPointF& p : sampledCurve(centreX + radius * 0.97, centreX - radius * 0.97, 40, underY))
        band << p - QPointF(0, std::min(depth, 0.9 * (radius - std::abs(p.x() - centreX))));
    fillOutlined(painter, band, palette::gill, 0);
    painter.setPen(inkPen(0.8, palette::gillLine));
    for (double x = centreX - radius + 3; x < centreX + radius - 2; x += 3.2) {
        const double y = underY(x);
        painter.drawLine(QPointF(x, y),
                         QPointF(centreX + (x - centreX) * 0.8, y - std::min(depth, radius - std::abs(x - centreX))));
    }
}

// The cap shaded from its top down, or in one flat colour where other parts are compared with it.
void drawCapSide(QPainter& painter, const CapProfile& profile, double radius, double marginY,
                 const QColor& flat = QColor()) {
    const auto topY = [&](double x) { return marginY - profile.top((x - centreX) / radius) * radius; };
    const auto underY = [&](double x) { return marginY - profile.under((x - centreX) / radius) * radius; };
    QPolygonF cap = sampledCurve(centreX - radius, centreX + radius, 80, topY);
    cap << sampledCurve(centreX + radius, centreX - radius, 40, underY);
    if (flat.isValid())
        fillOutlined(painter, cap, flat);
    else
        fillShadedCap(painter, cap, marginY - radius, marginY);
    drawGillBand(painter, profile, radius, marginY);
    painter.setPen(inkPen());
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(cap);
}

void drawOvoidFruitBody(QPainter& painter) {
    // An egg-shaped cap whose margin still hugs the stem.
    drawStemColumn(painter, 50, groundY, stemHalfWidth);
    const QPointF centre(centreX, 34);
    const double rx = 22, ry = 26;
    QPolygonF cap;
    for (int i = 0; i <= 60; ++i) {
        const double angle = (-62 + 304.0 * i / 60) * std::numbers::pi / 180;  // over the top, open at the bottom
        cap << centre + QPointF(rx * std::cos(angle), -ry * std::sin(angle));
    }
    fillShadedCap(painter, cap, centre.y() - ry, centre.y() + ry);
}

// The stem's colour against the cap's, which stays the same in every panel.
QColor stemTone(std::string_view keyword) {
    if (keyword == "like-cap" || keyword == "pitted") return palette::cap;
    if (keyword == "paler") return palette::capLight.lighter(112);
    if (keyword == "darker") return palette::capDark.darker(115);
    return palette::stem;  // whitish
}

// Scrobiculi: shallow, darker, glossy pits on the stem.
void drawStemPits(QPainter& painter, double top, double bottom, Rng& rng) {
    for (int i = 0; i < 7; ++i) {
        const QPointF where(centreX + rng.range(-3.5, 3.5), top + (bottom - top) * (i + rng.range(0.2, 0.8)) / 7);
        painter.setPen(inkPen(0.6, palette::capDark.darker(130)));
        painter.setBrush(palette::capDark);
        painter.drawEllipse(where, rng.range(1.4, 2.2), rng.range(2.0, 3.0));
    }
}

}  // namespace

void drawCapShapePanel(QPainter& painter, const PanelSubject& subject, Rng&) {
    const std::string_view keyword = subject.keyword;
    drawGround(painter, groundY);
    if (keyword == "ovoid") {
        drawOvoidFruitBody(painter);
        return;
    }
    const CapProfile profile = capProfile(keyword);
    const double stemTop = profile.marginY - profile.under(stemHalfWidth / capRadius) * capRadius;
    drawStemColumn(painter, stemTop, groundY, stemHalfWidth);
    drawCapSide(painter, profile, capRadius, profile.marginY);
}

// A whole fruit body, so that the stem's colour is seen beside the cap's.
void drawStemTonePanel(QPainter& painter, const PanelSubject& subject, Rng& rng) {
    drawGround(painter, groundY);
    const CapProfile profile = capProfile("plano-convex");
    const double stemTop = profile.marginY - 2;
    drawStemColumn(painter, stemTop, groundY, stemHalfWidth + 1, stemTone(subject.keyword));
    if (subject.keyword == "pitted") drawStemPits(painter, stemTop + 6, groundY - 4, rng);
    drawCapSide(painter, profile, capRadius, profile.marginY, palette::cap);
}

namespace {

void drawStriae(QPainter& painter, QPointF centre, double radius, double from, int count, bool tubercles) {
    painter.setPen(inkPen(0.9, palette::capDark.darker(120)));
    painter.setBrush(palette::capDark);
    for (int i = 0; i < count; ++i) {
        const double angle = 2 * std::numbers::pi * i / count;
        const QPointF direction(std::cos(angle), std::sin(angle));
        painter.drawLine(centre + direction * radius * from, centre + direction * radius * 0.98);
        if (!tubercles) continue;
        // Tubercles: little bumps between the grooves.
        const QPointF between(std::cos(angle + std::numbers::pi / count), std::sin(angle + std::numbers::pi / count));
        for (double at : {0.72, 0.82, 0.92}) painter.drawEllipse(centre + between * radius * at, 1.0, 1.0);
    }
}

void drawWavyDisk(QPainter& painter, QPointF centre, double radius) {
    QPolygonF rim;
    for (int i = 0; i < 180; ++i) {
        const double angle = 2 * std::numbers::pi * i / 180;
        const double r = radius * (1 + 0.055 * std::sin(7 * angle) + 0.02 * std::sin(13 * angle + 1));
        rim << centre + QPointF(r * std::cos(angle), r * std::sin(angle));
    }
    painter.setPen(inkPen());
    painter.setBrush(capSeenFromAbove(centre, radius));
    painter.drawPolygon(rim);
}

// Side view of a convex cap whose margin is rolled in under the gills.
void drawInrolledCap(QPainter& painter) {
    const double marginY = 46;
    const double radius = 36;
    const CapProfile profile = capProfile("convex");
    drawStemColumn(painter, marginY - 4, groundY, stemHalfWidth);
    drawCapSide(painter, profile, radius, marginY);
    for (double side : {-1.0, 1.0}) {
        // The margin as a thick rolled lip, with the spiral of the roll drawn in it.
        const QPointF hub(centreX + side * (radius - 5), marginY);
        painter.setPen(inkPen());
        painter.setBrush(palette::capLight);
        painter.drawEllipse(hub, 5.5, 5.0);
        QPolygonF curl;
        for (int i = 0; i <= 24; ++i) {
            const double angle = (60 - 330.0 * i / 24) * std::numbers::pi / 180;
            const double r = 4.2 - 3.2 * i / 24.0;
            curl << hub + QPointF(side * r * std::cos(angle), -r * std::sin(angle));
        }
        painter.setPen(inkPen(1.0, palette::capDark));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(curl);
    }
}

// Side view of a cap with shreds of the partial veil hanging from its margin.
void drawAppendiculateCap(QPainter& painter, Rng& rng) {
    const double marginY = 42;
    const CapProfile profile = capProfile("convex");
    drawStemColumn(painter, marginY - 3, groundY, stemHalfWidth);
    drawCapSide(painter, profile, capRadius, marginY);
    for (double x = centreX - capRadius + 3; x < centreX + capRadius - 3; x += rng.range(5, 7.5)) {
        const double hang = rng.range(3, 7);
        const double width = rng.range(2.2, 3.8);
        fillOutlined(
            painter,
            QPolygonF{QPointF(x - width, marginY - 0.5), QPointF(x + width, marginY - 0.5),
                      QPointF(x + width * 0.4, marginY + hang), QPointF(x - width * 0.5, marginY + hang * 0.8)},
            palette::veil, 0.9);
    }
}

// Side view of a bolete cap whose skin reaches beyond the tube layer as a sterile lip.
void drawOverhangingCap(QPainter& painter) {
    const double marginY = 44;
    const double radius = 38;
    const CapProfile profile = capProfile("convex");
    drawStemColumn(painter, marginY + 8, groundY, stemHalfWidth + 2);
    const auto topY = [&](double x) { return marginY - profile.top((x - centreX) / radius) * radius; };
    // The margin bends down into a thin lip beside the tubes.
    QPolygonF cap = sampledCurve(centreX - radius, centreX + radius, 80, topY);
    cap << QPointF(centreX + radius - 0.5, marginY + 5) << QPointF(centreX + radius - 2.5, marginY + 5)
        << QPointF(centreX + radius - 3.5, marginY + 1.5) << QPointF(centreX - radius + 3.5, marginY + 1.5)
        << QPointF(centreX - radius + 2.5, marginY + 5) << QPointF(centreX - radius + 0.5, marginY + 5);
    fillShadedCap(painter, cap, marginY - radius, marginY);
    // The tubes stop short of the margin, which hangs over them.
    const double tubesReach = radius - 7;
    QPolygonF tubes{QPointF(centreX - tubesReach, marginY + 1.5), QPointF(centreX + tubesReach, marginY + 1.5),
                    QPointF(centreX + tubesReach - 2, marginY + 9), QPointF(centreX - tubesReach + 2, marginY + 9)};
    fillOutlined(painter, tubes, palette::tubes);
    painter.setPen(inkPen(0.6, palette::pores));
    for (double x = centreX - tubesReach + 2.5; x < centreX + tubesReach - 2; x += 2.2)
        painter.drawLine(QPointF(x, marginY + 2.5), QPointF(x, marginY + 8.5));
}

// A cap from above with a narrow pale band along its margin.
void drawPaleBandedDisk(QPainter& painter, QPointF centre, double radius) {
    drawCapDisk(painter, centre, radius);
    QPainterPath band;
    band.addEllipse(centre, radius, radius);
    band.addEllipse(centre, radius - 3.2, radius - 3.2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette::veil);
    painter.drawPath(band);
    painter.setPen(inkPen());
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius, radius);
}

}  // namespace

void drawCapMarginPanel(QPainter& painter, const PanelSubject& subject, Rng& rng) {
    const std::string_view keyword = subject.keyword;
    const QPointF centre(centreX, 40);
    const double radius = 36;
    if (keyword == "inrolled") {
        drawGround(painter, groundY);
        drawInrolledCap(painter);
    } else if (keyword == "appendiculate") {
        drawGround(painter, groundY);
        drawAppendiculateCap(painter, rng);
    } else if (keyword == "overhanging") {
        drawGround(painter, groundY);
        drawOverhangingCap(painter);
    } else if (keyword == "wavy") {
        drawWavyDisk(painter, centre, radius);
    } else if (keyword == "pale-band") {
        drawPaleBandedDisk(painter, centre, radius);
    } else {
        drawCapDisk(painter, centre, radius);
        if (keyword == "striate")
            drawStriae(painter, centre, radius, 0.7, 56, false);
        else if (keyword == "tuberculate-striate")
            drawStriae(painter, centre, radius, 0.58, 36, true);
    }
}

#pragma once

#include "rng.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>

#include <functional>
#include <string_view>

// What the character panels share: their drawing box, colours and a few shapes.
// Every panel drawing works in a box 100 units wide and 80 high, y downwards; the
// caller scales it into the panel.
inline constexpr double panelUnitsWide = 100;
inline constexpr double panelUnitsHigh = 80;

namespace palette {
inline const QColor ink{66, 48, 36};
inline const QColor cap{188, 126, 86};
inline const QColor capDark{142, 88, 58};
inline const QColor capLight{214, 168, 124};
inline const QColor gill{242, 229, 202};
inline const QColor gillLine{176, 150, 112};
inline const QColor gillCut{226, 200, 160};  // gills in a section, set off from the flesh
inline const QColor stem{244, 236, 220};
inline const QColor stemDark{196, 178, 150};
inline const QColor flesh{251, 247, 236};
inline const QColor veil{253, 252, 248};
inline const QColor soil{222, 206, 178};
inline const QColor tubes{224, 198, 112};
inline const QColor pores{168, 128, 52};
}  // namespace palette

// Pens are cosmetic: line widths in pixels, whatever the panel's scale.
QPen inkPen(double width = 1.2, QColor colour = palette::ink);

void fillOutlined(QPainter& painter, const QPolygonF& shape, const QColor& fill, double penWidth = 1.2);
void fillOutlined(QPainter& painter, const QPainterPath& shape, const QColor& fill, double penWidth = 1.2);

// A closed curve y = f(x) sampled from x0 to x1, for profiles.
QPolygonF sampledCurve(double x0, double x1, int steps, const std::function<double(double)>& y);

// A rough round blob, for veil patches, warts and blotches.
QPolygonF blob(QPointF centre, double radius, double roughness, int corners, Rng& rng);

// A mushroom cap seen from above: filled disk with its rim outlined.
// The shading of a cap seen from above, and such a cap as a plain disk.
QRadialGradient capSeenFromAbove(QPointF centre, double radius);
void drawCapDisk(QPainter& painter, QPointF centre, double radius);

// The ground line with soil below it.
void drawGround(QPainter& painter, double y);

// What a panel shows: the keyword of its state, and the colour of what the surface
// carries (a net, dots) where the parameters give one.
struct PanelSubject {
    std::string_view keyword;
    QColor tint;  // invalid: the drawing's own colours
};

using PanelDrawer = void (*)(QPainter& painter, const PanelSubject& subject, Rng& rng);

// charpic_cap.cpp
void drawCapShapePanel(QPainter& painter, const PanelSubject& subject, Rng& rng);
void drawCapMarginPanel(QPainter& painter, const PanelSubject& subject, Rng& rng);
void drawStemTonePanel(QPainter& painter, const PanelSubject& subject, Rng& rng);
// charpic_cap_surface.cpp
void drawCapSurfacePanel(QPainter& painter, const PanelSubject& subject, Rng& rng);
void drawCapPeelingPanel(QPainter& painter, const PanelSubject& subject, Rng& rng);
// charpic_gills.cpp
void drawGillAttachmentPanel(QPainter& painter, const PanelSubject& subject, Rng& rng);
void drawGillSpacingPanel(QPainter& painter, const PanelSubject& subject, Rng& rng);
void drawPoreSurfacePanel(QPainter& painter, const PanelSubject& subject, Rng& rng);
// charpic_stem.cpp
void drawStemShapePanel(QPainter& painter, const PanelSubject& subject, Rng& rng);
void drawStemInteriorPanel(QPainter& painter, const PanelSubject& subject, Rng& rng);
void drawStemSurfacePanel(QPainter& painter, const PanelSubject& subject, Rng& rng);
// charpic_stem_base.cpp
void drawStemBasePanel(QPainter& painter, const PanelSubject& subject, Rng& rng);
// charpic_ring.cpp
void drawRingPanel(QPainter& painter, const PanelSubject& subject, Rng& rng);
// charpic_microscopy.cpp
void drawSporeOrnamentPanel(QPainter& painter, const PanelSubject& subject, Rng& rng);
void drawSporeShapePanel(QPainter& painter, const PanelSubject& subject, Rng& rng);
void drawSporeReactionPanel(QPainter& painter, const PanelSubject& subject, Rng& rng);
void drawBasidiaPanel(QPainter& painter, const PanelSubject& subject, Rng& rng);
void drawCystidiaPanel(QPainter& painter, const PanelSubject& subject, Rng& rng);

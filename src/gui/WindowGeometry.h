#pragma once

#include <QFont>
#include <QWidget>

class QPainter;

namespace sporix {

// Windows are laid out by their outer size (frame and title bar included), as on the
// desktop the key was designed for; the client area is that size less a standard frame.
inline constexpr int kFrameBorder = 4;
inline constexpr int kTitleBarHeight = 23;

// The client area is never smaller than its controls reach: where the frame and title bar
// take more than the design allowed, the window grows rather than cut a control.
void placeWindow(QWidget& window, int x, int y, int outerWidth, int outerHeight);

// Moves a placed window left or up as far as needed for it to stand whole on the screen's
// free area, where the design's place lies beyond the right or bottom edge.
void keepOnScreen(QWidget& window);

// The key's fonts, or the nearest installed face: a face of the same width comes before
// the toolkit's default, which is wider and would wrap the descriptions anew.
// The drop-down fields use a narrow face of the same height: a state text of 25
// characters must show whole in a 148-pixel field, as it did in the key's original face,
// and a face of normal width cuts the longest ones.
enum class KeyFace { SansSerif, Narrow, Comic };
QFont keyFont(KeyFace face, int pixelSize);

// A fixed colour for a control's background (silver lists, text boxes and drop-downs).
void setBackground(QWidget& widget, const QColor& colour);

// The keyboard focus shown as a dotted frame just inside `area`.
void drawFocusFrame(QPainter& painter, const QRect& area, const QColor& colour);

inline const QColor kSilver(0xC0, 0xC0, 0xC0);
inline const QColor kDisabledGrey(0x80, 0x80, 0x80);

}  // namespace sporix

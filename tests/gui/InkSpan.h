#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

namespace sporix::test {

// The columns of a rendered text that hold ink, in the picture's own pixels.
struct InkSpan {
    int left = -1;
    int right = -1;
    int width() const { return left < 0 ? 0 : right - left + 1; }
};

// The columns within `place` (in logical pixels; the picture may have more pixels per
// logical one) holding a pixel clearly darker than `background`.
InkSpan inkSpan(const QImage& picture, const QRect& place, const QColor& background);

}  // namespace sporix::test

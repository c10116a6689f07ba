#include "InkSpan.h"

namespace sporix::test {

InkSpan inkSpan(const QImage& picture, const QRect& place, const QColor& background) {
    const double scale = picture.devicePixelRatio();
    const QRect pixels = QRect(QPoint(qRound(place.left() * scale), qRound(place.top() * scale)),
                               QPoint(qRound((place.right() + 1) * scale) - 1, qRound((place.bottom() + 1) * scale) - 1))
                             .intersected(picture.rect());
    const int threshold = qGray(background.rgb()) - 60;
    InkSpan span;
    for (int x = pixels.left(); x <= pixels.right(); ++x) {
        for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
            if (qGray(picture.pixel(x, y)) >= threshold) continue;
            if (span.left < 0) span.left = x;
            span.right = x;
            break;
        }
    }
    return span;
}

}  // namespace sporix::test

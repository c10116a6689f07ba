#pragma once

#include <QWidget>

#include "Views.h"

namespace sporix {

// Shows, brings to the front or hides a window as its view says.
inline void showWindowAsViewed(QWidget& window, const ShownWindow& view, int& shownCount) {
    if (view.showCount != shownCount) {
        shownCount = view.showCount;
        window.show();
        window.raise();
        window.activateWindow();
    }
    if (!view.visible && window.isVisible()) window.hide();
}

}  // namespace sporix

#include "ActivationWatcher.h"

#include <QGuiApplication>
#include <QWindow>

namespace sporix {

ActivationWatcher::ActivationWatcher(QWidget& mainWindow, std::vector<QWidget*> otherWindows)
    : mainWindow_(mainWindow), otherWindows_(std::move(otherWindows)) {
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &ActivationWatcher::focusWindowChanged);
}

bool ActivationWatcher::isOtherWindow(const QWindow* window) const {
    for (const QWidget* other : otherWindows_) {
        if (other->windowHandle() == window) return true;
    }
    return false;
}

void ActivationWatcher::focusWindowChanged(QWindow* window) {
    if (window == nullptr) return;
    if (isOtherWindow(window)) {
        otherWindowWasActive_ = true;
        return;
    }
    if (window != mainWindow_.windowHandle()) return;
    if (activatedBefore_ && !otherWindowWasActive_) return;
    activatedBefore_ = true;
    otherWindowWasActive_ = false;
    Q_EMIT mainWindowActivated();
}

}  // namespace sporix

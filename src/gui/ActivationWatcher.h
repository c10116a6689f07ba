#pragma once

#include <QObject>
#include <QWidget>
#include <vector>

class QWindow;

namespace sporix {

// Tells when the main window becomes the active window at start, or again after another
// window of the program (help, description, slide, comparison) was active. Message boxes
// and other applications do not count: coming back from them says nothing.
class ActivationWatcher : public QObject {
    Q_OBJECT
public:
    ActivationWatcher(QWidget& mainWindow, std::vector<QWidget*> otherWindows);

Q_SIGNALS:
    void mainWindowActivated();

private Q_SLOTS:
    void focusWindowChanged(QWindow* window);

private:
    bool isOtherWindow(const QWindow* window) const;

    QWidget& mainWindow_;
    std::vector<QWidget*> otherWindows_;
    bool activatedBefore_ = false;
    bool otherWindowWasActive_ = false;
};

}  // namespace sporix

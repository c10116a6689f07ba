#pragma once

#include <QListWidget>

namespace sporix {

// A list whose lines open something: a click on a line opens it, and so do Return or Space
// on the current line; so does a line selected from outside the mouse and keyboard (the action a
// screen reader offers on a line selects it).
class OpeningList : public QListWidget {
    Q_OBJECT
public:
    explicit OpeningList(QWidget* parent);

Q_SIGNALS:
    void opened(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;

private:
    template <class Event, class Handler>
    void byUser(Event* event, Handler handler);

    bool userInput_ = false;  // selections made by the mouse or keys open nothing themselves
};

}  // namespace sporix

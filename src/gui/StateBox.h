#pragma once

#include <QComboBox>

namespace sporix {

// A character's drop-down list. The arrow keys and the wheel on the closed list only pass
// over the states; the state the user settles on (with Return, by leaving the list, or by
// choosing it in the open list) counts once, so that a search runs for it and not for
// every state passed over. Typed text counts keystroke by keystroke, as it always did.
class StateBox : public QComboBox {
    Q_OBJECT
public:
    explicit StateBox(QWidget* parent);

    // True while the arrow keys or the wheel move through the states.
    bool browsing() const { return browsing_; }
    bool eventFilter(QObject* watched, QEvent* event) override;

Q_SIGNALS:
    void settled();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    template <class Event, class Handler>
    void browse(Event* event, Handler handler);
    void settle();
    bool leavesTheList(const QEvent& event) const;

    bool browsing_ = false;
    bool passedOver_ = false;  // a state was passed over and not yet settled on
    bool wheeled_ = false;
};

}  // namespace sporix

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

Q_SIGNALS:
    // The text shown counts: typed or chosen, or the state passed over settled on.
    void counts();

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

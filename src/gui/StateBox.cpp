#include "StateBox.h"

#include <QAbstractItemView>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QScopedValueRollback>

namespace sporix {

namespace {

bool movesThroughStates(const QKeyEvent& event) {
    if (event.modifiers() & Qt::AltModifier) return false;  // Alt+Down opens the list
    const int key = event.key();
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown;
}

}  // namespace

// The text field is the list's focus proxy: the list itself sees the focus leave.
StateBox::StateBox(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    // A text typed or chosen in the open list counts at once, and settles what came before.
    connect(this, &QComboBox::editTextChanged, this, [this] {
        if (browsing_) return;
        passedOver_ = false;
        Q_EMIT counts();
    });
    // The same state chosen again in the open list, where the text does not change.
    connect(this, &QComboBox::activated, this, [this] {
        if (!browsing_) settle();
    });
}

// The open list takes the focus for a while; that is not leaving the list.
bool StateBox::leavesTheList(const QEvent& event) const {
    if (event.type() != QEvent::FocusOut || view()->window()->isVisible()) return false;
    return static_cast<const QFocusEvent&>(event).reason() != Qt::PopupFocusReason;
}

template <class Event, class Handler>
void StateBox::browse(Event* event, Handler handler) {
    const QString before = currentText();
    {
        const QScopedValueRollback browsing(browsing_, true);
        handler(event);
    }
    if (currentText() != before) passedOver_ = true;
}

void StateBox::keyPressEvent(QKeyEvent* event) {
    if (movesThroughStates(*event)) return browse(event, [this](QKeyEvent* e) { QComboBox::keyPressEvent(e); });
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && passedOver_) {
        settle();
        return event->accept();
    }
    QComboBox::keyPressEvent(event);
}

void StateBox::wheelEvent(QWheelEvent* event) {
    wheeled_ = true;
    browse(event, [this](QWheelEvent* e) { QComboBox::wheelEvent(e); });
}

void StateBox::focusOutEvent(QFocusEvent* event) {
    QComboBox::focusOutEvent(event);
    if (leavesTheList(*event)) settle();
}

// The wheel moves the list under the pointer, focused or not: leaving it settles.
void StateBox::leaveEvent(QEvent* event) {
    QComboBox::leaveEvent(event);
    if (wheeled_) settle();
}

void StateBox::settle() {
    wheeled_ = false;
    if (!passedOver_) return;
    passedOver_ = false;
    Q_EMIT counts();
}

}  // namespace sporix

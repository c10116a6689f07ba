#include "StateBox.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace sporix {

namespace {

bool movesThroughStates(const QKeyEvent& event) {
    if (event.modifiers() & Qt::AltModifier) return false;  // Alt+Down opens the list
    const int key = event.key();
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown;
}

}  // namespace

// The keyboard focus rests in the list's text field: its leaving is watched there.
StateBox::StateBox(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    lineEdit()->installEventFilter(this);
}

bool StateBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lineEdit() && event->type() == QEvent::FocusOut) settle();
    return QComboBox::eventFilter(watched, event);
}

template <class Event, class Handler>
void StateBox::browse(Event* event, Handler handler) {
    const QString before = currentText();
    browsing_ = true;
    handler(event);
    browsing_ = false;
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
    settle();
}

// The wheel moves the list under the pointer, focused or not: leaving it settles.
void StateBox::leaveEvent(QEvent* event) {
    QComboBox::leaveEvent(event);
    if (wheeled_) settle();
}

void StateBox::showPopup() {
    settle();
    QComboBox::showPopup();
}

void StateBox::settle() {
    wheeled_ = false;
    if (!passedOver_) return;
    passedOver_ = false;
    Q_EMIT settled();
}

}  // namespace sporix

#include "OpeningList.h"

#include <QKeyEvent>
#include <QScopedValueRollback>

namespace sporix {

OpeningList::OpeningList(QWidget* parent) : QListWidget(parent) {
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { Q_EMIT opened(row(item)); });
}

template <class Event, class Handler>
void OpeningList::byUser(Event* event, Handler handler) {
    const QScopedValueRollback marked(userInput_, true);
    handler(event);
}

void OpeningList::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool opens = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    if (opens && event->modifiers() == Qt::NoModifier && currentRow() >= 0) {
        event->accept();
        Q_EMIT opened(currentRow());
        return;
    }
    byUser(event, [this](QKeyEvent* e) { QListWidget::keyPressEvent(e); });
}

void OpeningList::mousePressEvent(QMouseEvent* event) {
    byUser(event, [this](QMouseEvent* e) { QListWidget::mousePressEvent(e); });
}

void OpeningList::mouseReleaseEvent(QMouseEvent* event) {
    byUser(event, [this](QMouseEvent* e) { QListWidget::mouseReleaseEvent(e); });
}

void OpeningList::mouseMoveEvent(QMouseEvent* event) {
    byUser(event, [this](QMouseEvent* e) { QListWidget::mouseMoveEvent(e); });
}

void OpeningList::mouseDoubleClickEvent(QMouseEvent* event) {
    byUser(event, [this](QMouseEvent* e) { QListWidget::mouseDoubleClickEvent(e); });
}

void OpeningList::focusInEvent(QFocusEvent* event) {
    byUser(event, [this](QFocusEvent* e) { QListWidget::focusInEvent(e); });
}

void OpeningList::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
    QListWidget::selectionChanged(selected, deselected);
    if (userInput_ || selected.indexes().isEmpty()) return;
    const int row = selected.indexes().front().row();
    setCurrentRow(row, QItemSelectionModel::NoUpdate);
    Q_EMIT opened(row);
}

}  // namespace sporix

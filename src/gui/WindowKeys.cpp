#include "WindowKeys.h"

#include <QPlainTextEdit>
#include <QShortcut>

namespace sporix {

void closeOnEscape(QWidget& window) {
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), &window);
    escape->setContext(Qt::WindowShortcut);
    QObject::connect(escape, &QShortcut::activated, &window, [&window] { window.close(); });
}

void makeReadOnly(QPlainTextEdit& text) {
    text.setReadOnly(true);
    text.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text.setTabChangesFocus(true);
}

}  // namespace sporix

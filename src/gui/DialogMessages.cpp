#include "DialogMessages.h"

#include <QApplication>
#include <QMessageBox>

#include "ViewText.h"

namespace sporix {

namespace {

void showBox(QMessageBox::Icon icon, const std::string& text) {
    QMessageBox box(icon, QApplication::applicationDisplayName(), shown(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    // The key's texts are shown as they stand, never read as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace

void DialogMessages::showMessage(const std::string& text) { showBox(QMessageBox::NoIcon, text); }

void DialogMessages::reportError(const std::string& text) { showBox(QMessageBox::Critical, text); }

}  // namespace sporix

#include "KeyAccessibility.h"

#include <QAccessibleWidget>
#include <QLineEdit>

#include "ClickableLabel.h"
#include "StateBox.h"

namespace sporix {

namespace {

// The toolkit's own interface names an editable drop-down list after its text; here the
// name stays the character and the chosen state is the value.
class StateBoxAccessible : public QAccessibleWidget {
public:
    explicit StateBoxAccessible(StateBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return box()->currentText().trimmed();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.editable = true;
        s.expandable = true;
        return s;
    }

    QStringList actionNames() const override { return QStringList{showMenuAction()} + QAccessibleWidget::actionNames(); }

    void doAction(const QString& name) override {
        if (name == showMenuAction()) return box()->showPopup();
        QAccessibleWidget::doAction(name);
    }

private:
    StateBox* box() const { return static_cast<StateBox*>(widget()); }
};

class HeadingAccessible : public QAccessibleWidget {
public:
    explicit HeadingAccessible(ClickableLabel* label) : QAccessibleWidget(label, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return label()->text();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }

    void doAction(const QString& name) override {
        if (name == pressAction()) return label()->press();
        QAccessibleWidget::doAction(name);
    }

private:
    ClickableLabel* label() const { return static_cast<ClickableLabel*>(widget()); }
};

QAccessibleInterface* keyInterfaces(const QString& className, QObject* object) {
    if (className == QLatin1String("sporix::StateBox")) return new StateBoxAccessible(static_cast<StateBox*>(object));
    if (className == QLatin1String("sporix::ClickableLabel"))
        return new HeadingAccessible(static_cast<ClickableLabel*>(object));
    return nullptr;
}

}  // namespace

void installKeyAccessibility() {
    QAccessible::removeFactory(keyInterfaces);
    QAccessible::installFactory(keyInterfaces);
}

}  // namespace sporix

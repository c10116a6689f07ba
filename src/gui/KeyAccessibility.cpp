#include "KeyAccessibility.h"

#include <QAccessibleWidget>
#include <functional>
#include <utility>

#include "ClickableLabel.h"
#include "StateBox.h"

namespace sporix {

namespace {

// A control with one action of its own before the toolkit's, such as opening its list.
class ActingAccessible : public QAccessibleWidget {
public:
    ActingAccessible(QWidget* control, QAccessible::Role role, QString action, std::function<void()> act)
        : QAccessibleWidget(control, role), action_(std::move(action)), act_(std::move(act)) {}

    QStringList actionNames() const override { return QStringList{action_} + QAccessibleWidget::actionNames(); }

    void doAction(const QString& name) override {
        if (name == action_) return act_();
        QAccessibleWidget::doAction(name);
    }

private:
    QString action_;
    std::function<void()> act_;
};

// The toolkit's own interface names an editable drop-down list after its text; here the
// name stays the character and the chosen state is the value.
class StateBoxAccessible : public ActingAccessible {
public:
    explicit StateBoxAccessible(StateBox* box)
        : ActingAccessible(box, QAccessible::ComboBox, showMenuAction(), [box] { box->showPopup(); }) {}

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

private:
    StateBox* box() const { return static_cast<StateBox*>(widget()); }
};

class HeadingAccessible : public ActingAccessible {
public:
    explicit HeadingAccessible(ClickableLabel* label)
        : ActingAccessible(label, QAccessible::Button, pressAction(), [label] { label->press(); }) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return label()->text();
        return QAccessibleWidget::text(t);
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

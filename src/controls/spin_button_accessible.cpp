#include "controls/spin_button_accessible.h"

#include "controls/spin_button.h"

#include <QAccessibleWidget>

namespace klaxora {

namespace {

class AccessibleSpinButton final : public QAccessibleWidget {
public:
    explicit AccessibleSpinButton(SpinButton* button) : QAccessibleWidget(button, QAccessible::SpinBox) {}

    QStringList actionNames() const override
    {
        return QStringList{increaseAction(), decreaseAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override
    {
        // From the event loop: a step may put up a modal box about the text it steps, whose loop must
        // not run inside the call that asked for the step.
        auto* button = static_cast<SpinButton*>(widget());
        if (!button->isEnabled())
            return;
        if (name == increaseAction())
            QMetaObject::invokeMethod(button, &SpinButton::upClick, Qt::QueuedConnection);
        else if (name == decreaseAction())
            QMetaObject::invokeMethod(button, &SpinButton::downClick, Qt::QueuedConnection);
        else
            QAccessibleWidget::doAction(name);
    }
};

QAccessibleInterface* spinButtonFactory(const QString& /*className*/, QObject* object)
{
    if (auto* button = qobject_cast<SpinButton*>(object))
        return new AccessibleSpinButton(button);
    return nullptr;
}

} // namespace

void installSpinButtonAccessibility()
{
    QAccessible::installFactory(spinButtonFactory);
}

} // namespace klaxora

#include "controls/flat_button_accessible.h"

#include "controls/accelerator_text.h"
#include "controls/flat_button.h"

#include <QAccessibleWidget>

namespace klaxora {

namespace {

class AccessibleFlatButton final : public QAccessibleWidget {
public:
    explicit AccessibleFlatButton(FlatButton* button) : QAccessibleWidget(button, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && button()->accessibleName().isEmpty())
            return withoutAcceleratorPrefixes(button()->caption());
        if (t == QAccessible::Description && button()->accessibleDescription().isEmpty())
            return button()->hint();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.pressed = button()->isDown() || (button()->isPressed() && button()->isHovered());
        s.checkable = button()->groupIndex() != 0;
        s.checked = button()->isDown();
        s.hasPopup = button()->dropDownMenu() != nullptr;
        return s;
    }

    QStringList actionNames() const override
    {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& name) override
    {
        if (name != pressAction()) {
            QAccessibleWidget::doAction(name);
            return;
        }
        // From the event loop, as a push button's animated click: a click may open a modal window, whose
        // loop must not run inside the call that asked for the press.
        FlatButton* target = button();
        QMetaObject::invokeMethod(
            target, [target] { target->press(); }, Qt::QueuedConnection);
    }

private:
    FlatButton* button() const { return static_cast<FlatButton*>(widget()); }
};

QAccessibleInterface* flatButtonFactory(const QString& /*className*/, QObject* object)
{
    if (auto* button = qobject_cast<FlatButton*>(object))
        return new AccessibleFlatButton(button);
    return nullptr;
}

} // namespace

void installFlatButtonAccessibility()
{
    QAccessible::installFactory(flatButtonFactory);
}

} // namespace klaxora

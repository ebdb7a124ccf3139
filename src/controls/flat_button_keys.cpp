#include "controls/flat_button_keys.h"

#include "controls/flat_button.h"

#include <QKeyEvent>
#include <QWidget>

namespace klaxora {

void FlatButtonKeys::install(QWidget* form)
{
    if (form->findChild<FlatButtonKeys*>(QString(), Qt::FindDirectChildrenOnly) == nullptr)
        new FlatButtonKeys(form);
}

FlatButtonKeys::FlatButtonKeys(QWidget* form) : QObject(form), form_(form)
{
    form->installEventFilter(this);
}

bool FlatButtonKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != form_ || event->type() != QEvent::KeyPress)
        return false;
    return route(*static_cast<QKeyEvent*>(event));
}

bool FlatButtonKeys::route(const QKeyEvent& key)
{
    const Qt::KeyboardModifiers held = key.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (held != Qt::NoModifier)
        return false;

    // Buttons of dialogs owned by this window belong to those dialogs.
    QList<FlatButton*> buttons;
    for (FlatButton* button : form_->findChildren<FlatButton*>()) {
        if (button->window() == form_)
            buttons.append(button);
    }

    const int code = key.key();
    if (code == Qt::Key_Return || code == Qt::Key_Enter || code == Qt::Key_Escape) {
        for (FlatButton* button : buttons) {
            if (button->dialogKey(code))
                return true;
        }
        return false;
    }

    const QString text = key.text();
    if (text.isEmpty() || !text.at(0).isPrint())
        return false;
    for (FlatButton* button : buttons) {
        if (button->dialogChar(text.at(0)))
            return true;
    }
    return false;
}

} // namespace klaxora

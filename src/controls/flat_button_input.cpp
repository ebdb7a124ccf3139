// Mouse and keyboard handling of FlatButton.
#include "controls/flat_button.h"

#include "controls/accelerator_text.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QKeySequence>
#include <QMouseEvent>
#include <QWindow>

namespace klaxora {

using namespace flatbtn;

bool FlatButton::reacts() const
{
    return isEnabled() && isVisibleTo(window());
}

bool FlatButton::cursorOverButton() const
{
    const QPoint p = mapFromGlobal(QCursor::pos());
    return p.x() > 0 && p.x() < width() && p.y() > 0 && p.y() < height();
}

void FlatButton::mouseEntered()
{
    if (hovered_)
        return;
    hovered_ = true;
    if (!down_ && isEnabled())
        repaint();
}

void FlatButton::mouseLeft()
{
    if (!hovered_)
        return;
    hovered_ = false;
    if (!down_ && isEnabled())
        repaint();
}

void FlatButton::enterEvent(QEnterEvent* e)
{
    mouseEntered();
    QWidget::enterEvent(e);
}

void FlatButton::leaveEvent(QEvent* e)
{
    mouseLeft();
    QWidget::leaveEvent(e);
}

// Qt sends no enter or leave events to the widget that holds the implicit mouse grab of a press,
// so while pressed the button follows the pointer itself.
void FlatButton::trackPointer(const QPoint& pos)
{
    if (rect().contains(pos))
        mouseEntered();
    else
        mouseLeft();
}

void FlatButton::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(e);
        return;
    }
    leftButtonDown();
}

void FlatButton::mouseMoveEvent(QMouseEvent* e)
{
    if (pressed_)
        trackPointer(e->position().toPoint());
    QWidget::mouseMoveEvent(e);
}

void FlatButton::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(e);
        return;
    }
    if (pressed_)
        trackPointer(e->position().toPoint());
    leftButtonUp();
}

void FlatButton::leftButtonDown()
{
    QWidget* form = window();
    if (!form->isActiveWindow()) {
        form->raise();
        form->activateWindow();
    }
    if (!reacts())
        return;
    pressed_ = true;
    hovered_ = true;
    repaint();
    if (dropDownMenu_) {
        const QPointer<FlatButton> self(this);
        dropDownMenu_->exec(mapToGlobal(QPoint(0, height())));
        if (self)
            afterMenu();
    }
}

void FlatButton::leftButtonUp()
{
    if (!reacts() || !pressed_)
        return;
    pressed_ = false;
    if (hovered_ && groupIndex_ != 0) {
        if (down_) {
            if (allowAllUp_)
                setDown(false);
        } else {
            for (FlatButton* mate : groupMates()) {
                if (mate->down_)
                    mate->setDown(false);
            }
            setDown(true);
        }
    }
    // Qt ends the implicit mouse grab of the press by itself.
    if (hovered_) {
        hovered_ = false;
        update();
        if (!dropDownMenu_)
            emit clicked();
    }
}

// After a menu: mouse events that came in while it was open (such as the press Qt replays after
// a click outside the menu) are dropped, so they neither click nor reopen the menu.
void FlatButton::afterMenu()
{
    if (QWindow* handle = window()->windowHandle()) {
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                  QEvent::MouseButtonDblClick, QEvent::MouseMove})
            QCoreApplication::removePostedEvents(handle, type);
    }
    if (!cursorOverButton())
        hovered_ = false;
    pressed_ = false;
    repaint();
}

void FlatButton::contextMenuEvent(QContextMenuEvent* e)
{
    // Without a menu of its own the button leaves the event to its parents.
    if (!popupMenu_) {
        e->ignore();
        return;
    }
    const QPointer<FlatButton> self(this);
    popupMenu_->exec(e->globalPos());
    if (self)
        afterMenu();
}

bool FlatButton::dialogKey(int key)
{
    if (!reacts())
        return false;
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (!(enter && default_) && !(key == Qt::Key_Escape && cancel_))
        return false;
    emit clicked();
    return true;
}

bool FlatButton::dialogChar(QChar typed)
{
    return isAccelerator(typed, caption_) && press();
}

bool FlatButton::press()
{
    if (!reacts())
        return false;
    // A visible press, then the menu or the click, each step letting the screen catch up.
    const QPointer<FlatButton> self(this);
    hovered_ = true;
    pressed_ = false;
    repaint();
    QCoreApplication::processEvents();
    if (!self)
        return true;
    leftButtonDown();
    if (!self)
        return true;
    QCoreApplication::processEvents();
    if (!self)
        return true;
    leftButtonUp();
    if (!self)
        return true;
    QCoreApplication::processEvents();
    if (self && !cursorOverButton()) {
        hovered_ = false;
        repaint();
    }
    return true;
}

// Alt with the accelerator reaches the button wherever the focus is in its window.
void FlatButton::grabAccelerator()
{
    if (acceleratorShortcut_ != 0)
        releaseShortcut(acceleratorShortcut_);
    acceleratorShortcut_ = 0;
    const std::optional<QChar> key = acceleratorOf(caption_);
    if (key && key->isPrint() && !key->isSpace())
        acceleratorShortcut_ =
            grabShortcut(QKeySequence(QKeyCombination(Qt::AltModifier, Qt::Key(key->toUpper().unicode()))));
}

bool FlatButton::event(QEvent* e)
{
    switch (e->type()) {
    case QEvent::Shortcut:
        if (static_cast<QShortcutEvent*>(e)->shortcutId() == acceleratorShortcut_) {
            if (const std::optional<QChar> key = acceleratorOf(caption_))
                dialogChar(*key);
            return true;
        }
        break;
    case QEvent::ToolTip:
        if (!showHint_)
            return true;
        break;
    default:
        break;
    }
    return QWidget::event(e);
}

} // namespace klaxora

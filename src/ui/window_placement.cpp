#include "ui/window_placement.h"

#include <QScreen>
#include <QWidget>

namespace klaxora {

std::optional<QRect> fittedMaximizedFrame(const QRect& frame, const QRect& available)
{
    if (available.height() < frame.height()) {
        return QRect(frame.left(), available.top(), frame.width(), available.height());
    }
    if (available.width() < frame.width()) {
        return QRect(available.left(), frame.top(), available.width(), frame.height());
    }
    return std::nullopt;
}

void fitMaximizedToScreen(QWidget* form)
{
    if (!form->isMaximized() || form->screen() == nullptr) {
        return;
    }
    const QRect frame = form->frameGeometry();
    const std::optional<QRect> fitted = fittedMaximizedFrame(frame, form->screen()->availableGeometry());
    if (!fitted) {
        return;
    }
    // The window system frame stays as it is; the client area takes the change.
    const QRect client = form->geometry();
    form->setGeometry(fitted->adjusted(client.left() - frame.left(), client.top() - frame.top(),
                                       client.right() - frame.right(), client.bottom() - frame.bottom()));
}

} // namespace klaxora

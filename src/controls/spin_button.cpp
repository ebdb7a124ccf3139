#include "controls/spin_button.h"

#include "controls/spin_button_accessible.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>

#include <algorithm>

namespace klaxora {

SpinButton::SpinButton(QWidget* parent) : QWidget(parent)
{
    installSpinButtonAccessibility();
    setFocusPolicy(Qt::StrongFocus);
    // A coarse timer may fire up to 5 % early; the first repeat must never come before its pause.
    repeat_.setTimerType(Qt::PreciseTimer);
    connect(&repeat_, &QTimer::timeout, this, &SpinButton::repeatHeldHalf);
}

QRect SpinButton::upRect() const
{
    return QRect(0, 0, width(), height() / 2);
}

QRect SpinButton::downRect() const
{
    return QRect(0, height() / 2, width(), height() - height() / 2);
}

QSize SpinButton::sizeHint() const
{
    return QSize(17, 24);
}

QSize SpinButton::minimumSizeHint() const
{
    return QSize(11, 14);
}

SpinButton::Half SpinButton::halfAt(QPoint point) const
{
    if (upRect().contains(point)) {
        return Half::Up;
    }
    if (downRect().contains(point)) {
        return Half::Down;
    }
    return Half::None;
}

void SpinButton::fire(Half half)
{
    if (half == Half::Up) {
        emit upClick();
    } else if (half == Half::Down) {
        emit downClick();
    }
}

void SpinButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const Half half = halfAt(event->position().toPoint());
    if (half == Half::None) {
        return;
    }
    held_ = half;
    overHeld_ = true;
    update();
    repeat_.start(InitRepeatPause);
    fire(half);
}

void SpinButton::mouseMoveEvent(QMouseEvent* event)
{
    if (held_ == Half::None) {
        return;
    }
    const bool over = halfAt(event->position().toPoint()) == held_;
    if (over != overHeld_) {
        overHeld_ = over;
        update();
    }
}

void SpinButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        stopRepeat();
    }
}

void SpinButton::repeatHeldHalf()
{
    // A handler may have opened a modal box: no more steps while it is up, and the release may go to it.
    const QWidget* modal = QApplication::activeModalWidget();
    const bool blocked = modal != nullptr && modal != window();
    if (held_ == Half::None || blocked || !(QApplication::mouseButtons() & Qt::LeftButton)) {
        stopRepeat();
        return;
    }
    repeat_.setInterval(RepeatPause);
    if (overHeld_) {
        fire(held_);
    }
}

void SpinButton::stopRepeat()
{
    repeat_.stop();
    if (held_ != Half::None) {
        held_ = Half::None;
        overHeld_ = false;
        update();
    }
}

void SpinButton::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Up) {
        fire(Half::Up);
    } else if (event->key() == Qt::Key_Down) {
        fire(Half::Down);
    } else {
        QWidget::keyPressEvent(event);
    }
}

void SpinButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        stopRepeat();
    }
    QWidget::changeEvent(event);
}

void SpinButton::hideEvent(QHideEvent* event)
{
    stopRepeat();
    QWidget::hideEvent(event);
}

void SpinButton::focusInEvent(QFocusEvent* event)
{
    update();
    QWidget::focusInEvent(event);
}

void SpinButton::focusOutEvent(QFocusEvent* event)
{
    update();
    QWidget::focusOutEvent(event);
}

void SpinButton::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    paintHalf(painter, Half::Up, upRect());
    paintHalf(painter, Half::Down, downRect());
}

void SpinButton::paintHalf(QPainter& painter, Half half, const QRect& area) const
{
    const bool sunken = held_ == half && overHeld_;
    const QBrush face = palette().brush(QPalette::Button);
    qDrawWinButton(&painter, area, palette(), sunken, &face);

    // The arrow is laid out pixel by pixel so it stays sharp at every size: rows of 1, 3, 5 ... pixels.
    const int rows = std::max(1, std::min((area.width() - 6) / 2 + 1, (area.height() - 5) / 2 + 1));
    const int shift = sunken ? 1 : 0;
    const int centreX = area.left() + (area.width() - 1) / 2 + shift;
    const int top = area.top() + (area.height() - rows) / 2 + shift;
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    for (int row = 0; row < rows; ++row) {
        const int halfWidth = half == Half::Up ? row : rows - 1 - row;
        painter.drawLine(centreX - halfWidth, top + row, centreX + halfWidth, top + row);
    }

    if (hasFocus()) {
        // Both halves answer the arrow keys, so both show the focus.
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = QRect(centreX - rows - 1, top - 2, 2 * rows + 3, rows + 4)
                          .intersected(area.adjusted(2, 2, -2, -2));
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

} // namespace klaxora

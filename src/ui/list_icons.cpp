#include "ui/list_icons.h"

#include "controls/picture_canvas.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace klaxora {

namespace {

const QColor BellOutline(0x6B, 0x47, 0x00);
const QColor PageOutline(0x40, 0x40, 0x48);

void drawBell(QPainter& painter)
{
    QPainterPath body;
    body.moveTo(2.5, 12.5);
    body.cubicTo(4.0, 11.5, 4.5, 10.5, 4.5, 8.0);
    body.cubicTo(4.5, 4.0, 6.0, 2.5, 8.5, 2.5);
    body.cubicTo(11.0, 2.5, 12.5, 4.0, 12.5, 8.0);
    body.cubicTo(12.5, 10.5, 13.0, 11.5, 14.5, 12.5);
    body.closeSubpath();

    QLinearGradient gold(3.0, 0.0, 14.0, 0.0);
    gold.setColorAt(0.0, QColor(0xFF, 0xF4, 0xA8));
    gold.setColorAt(0.45, QColor(0xF7, 0xCB, 0x1E));
    gold.setColorAt(1.0, QColor(0xC8, 0x8A, 0x00));

    painter.setPen(QPen(BellOutline, 1.0));
    painter.setBrush(QColor(0xE0, 0x9C, 0x00));
    painter.drawEllipse(QPointF(8.5, 14.0), 1.6, 1.6); // clapper
    painter.setBrush(gold);
    painter.drawPath(body);
    painter.drawLine(QPointF(8.5, 0.5), QPointF(8.5, 2.5)); // loop on top

    // The sound rings out on both sides.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0x30, 0x30, 0x30), 1.0));
    painter.drawLine(QPointF(1.0, 5.5), QPointF(2.5, 6.5));
    painter.drawLine(QPointF(0.5, 9.0), QPointF(2.0, 9.0));
    painter.drawLine(QPointF(16.0, 5.5), QPointF(14.5, 6.5));
    painter.drawLine(QPointF(16.5, 9.0), QPointF(15.0, 9.0));
}

void drawCalendarPage(QPainter& painter)
{
    painter.setPen(QPen(PageOutline, 1.0));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(1.5, 3.5, 14.0, 12.0));
    painter.setPen(Qt::NoPen);
    painter.fillRect(QRect(2, 4, 13, 3), QColor(0xD2, 0x2B, 0x2B));

    // Binder rings above the red band.
    painter.setPen(QPen(QColor(0x50, 0x50, 0x58), 1.0));
    painter.drawLine(QPointF(5.5, 1.5), QPointF(5.5, 5.0));
    painter.drawLine(QPointF(11.5, 1.5), QPointF(11.5, 5.0));

    // Days of the month, one marked.
    const QColor day(0x78, 0x78, 0x88);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column) {
            painter.fillRect(QRect(3 + column * 3, 8 + row * 2, 2, 1), day);
        }
    }
    painter.fillRect(QRect(8, 9, 4, 3), QColor(0x2A, 0x62, 0xC9));
}

// The bell, with a red disc and a white exclamation mark over its lower right.
void drawMissedBell(QPainter& painter)
{
    drawBell(painter);
    painter.setPen(QPen(QColor(0x80, 0x10, 0x10), 1.0));
    painter.setBrush(QColor(0xD2, 0x2B, 0x2B));
    painter.drawEllipse(QPointF(12.0, 12.0), 4.3, 4.3);
    painter.setPen(Qt::NoPen);
    painter.fillRect(QRect(11, 9, 2, 4), Qt::white);
    painter.fillRect(QRect(11, 14, 2, 1), Qt::white);
}

// The bell, with a blue disc and a white arrow going round in it over its lower right.
void drawRepeatingBell(QPainter& painter)
{
    drawBell(painter);
    painter.setPen(QPen(QColor(0x14, 0x3C, 0x8C), 1.0));
    painter.setBrush(QColor(0x2A, 0x62, 0xC9));
    painter.drawEllipse(QPointF(12.0, 12.0), 4.3, 4.3);
    painter.setPen(QPen(Qt::white, 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(9.6, 9.6, 4.8, 4.8), 90 * 16, 270 * 16);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPolygon(QPolygonF({QPointF(12.0, 8.4), QPointF(14.2, 9.6), QPointF(12.0, 10.9)}));
}

} // namespace

QImage todayAlarmPicture()
{
    return renderOnKeyColour(QSize(ListIconSize, ListIconSize), SilverKey, drawBell);
}

QImage futureAlarmPicture()
{
    return renderOnKeyColour(QSize(ListIconSize, ListIconSize), SilverKey, drawCalendarPage);
}

QImage missedAlarmPicture()
{
    return renderOnKeyColour(QSize(ListIconSize, ListIconSize), SilverKey, drawMissedBell);
}

QImage repeatingAlarmPicture()
{
    return renderOnKeyColour(QSize(ListIconSize, ListIconSize), SilverKey, drawRepeatingBell);
}

} // namespace klaxora

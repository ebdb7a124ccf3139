// The pictures of the main window's buttons.
#include "ui/button_pictures.h"

#include "controls/picture_canvas.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace klaxora {

namespace {

const QSize Small(SmallButtonPictureSize, SmallButtonPictureSize);
const QSize Large(LargeButtonPictureSize, LargeButtonPictureSize);

void drawPlus(QPainter& painter)
{
    const QRectF bar(-6.5, -2, 13, 4);
    const QPainterPath plus = turnedRect(bar, {8, 8}, 0).united(turnedRect(bar, {8, 8}, 90)).simplified();
    painter.setPen(QPen(QColor(0x14, 0x5A, 0x14), 1.0));
    painter.setBrush(shade({2, 2}, {14, 14}, QColor(0x7C, 0xE0, 0x6C), QColor(0x1E, 0x8C, 0x1E)));
    painter.drawPath(plus);
}

void drawPencil(QPainter& painter)
{
    painter.translate(8, 8);
    painter.rotate(-45);
    const QColor outline(0x3A, 0x2E, 0x10);
    painter.setPen(QPen(outline, 1.0));
    // Lying along x before the turn: tip at the left, eraser at the right.
    QPolygonF wood;
    wood << QPointF(-7.5, 0) << QPointF(-3.5, -2.5) << QPointF(-3.5, 2.5);
    painter.setBrush(QColor(0xF2, 0xD3, 0xA0));
    painter.drawPolygon(wood);
    painter.setBrush(shade({0, -2.5}, {0, 2.5}, QColor(0xFF, 0xE6, 0x5C), QColor(0xE0, 0x9A, 0x00)));
    painter.drawRect(QRectF(-3.5, -2.5, 7.5, 5));
    painter.setBrush(QColor(0xB8, 0xB8, 0xC0));
    painter.drawRect(QRectF(4, -2.5, 1.5, 5));
    painter.setBrush(QColor(0xF0, 0x8C, 0xA0));
    painter.drawRect(QRectF(5.5, -2.5, 2, 5));
    painter.setPen(Qt::NoPen);
    painter.setBrush(outline);
    painter.drawPolygon(QPolygonF() << QPointF(-7.5, 0) << QPointF(-6, -1) << QPointF(-6, 1));
}

void drawWasteBin(QPainter& painter)
{
    const QColor outline(0x30, 0x34, 0x40);
    painter.setPen(QPen(outline, 1.0));
    painter.setBrush(shade({3, 0}, {13, 0}, QColor(0xE4, 0xE8, 0xEE), QColor(0x86, 0x8E, 0x9C)));
    QPolygonF body;
    body << QPointF(3.5, 5.5) << QPointF(12.5, 5.5) << QPointF(11.5, 15.5) << QPointF(4.5, 15.5);
    painter.drawPolygon(body);
    painter.drawRect(QRectF(2.5, 3.5, 11, 2));
    painter.drawRect(QRectF(6.5, 1.5, 3, 2));
    painter.setPen(QPen(QColor(0x5C, 0x64, 0x74), 1.0));
    for (const double x : {6.5, 8.5, 10.0}) {
        painter.drawLine(QPointF(x - (x - 8.0) * 0.1, 7.5), QPointF(x, 13.5));
    }
}

void drawPage(QPainter& painter, const QRectF& page)
{
    painter.setPen(QPen(QColor(0x34, 0x48, 0x70), 1.0));
    painter.setBrush(Qt::white);
    painter.drawRect(page);
    painter.setPen(QPen(QColor(0x8C, 0x9C, 0xBC), 1.0));
    for (double y = page.top() + 2.0; y < page.bottom() - 1.0; y += 2.0) {
        painter.drawLine(QPointF(page.left() + 2.0, y), QPointF(page.right() - 2.0, y));
    }
}

void drawTwoPages(QPainter& painter)
{
    drawPage(painter, QRectF(1.5, 1.5, 8, 10));
    drawPage(painter, QRectF(6.5, 4.5, 8, 11));
}

void drawClockFace(QPainter& painter, QPointF centre, double radius)
{
    painter.setPen(QPen(QColor(0x28, 0x30, 0x48), 1.0));
    painter.setBrush(shade(centre - QPointF(radius, radius), centre + QPointF(radius, radius), Qt::white,
                           QColor(0xC8, 0xD4, 0xE8)));
    painter.drawEllipse(centre, radius, radius);
    painter.drawLine(centre, centre - QPointF(0, radius - 1.5));
    painter.drawLine(centre, centre + QPointF(radius - 2.0, 0));
}

void drawAdjustTime(QPainter& painter)
{
    drawClockFace(painter, {6.5, 8.5}, 5.5);
    // Later and earlier.
    painter.setPen(QPen(QColor(0x14, 0x32, 0x78), 1.0));
    painter.setBrush(QColor(0x3A, 0x74, 0xDC));
    painter.drawPolygon(QPolygonF() << QPointF(13.5, 0.5) << QPointF(16.0, 4.5) << QPointF(11.0, 4.5));
    painter.drawPolygon(QPolygonF() << QPointF(13.5, 15.5) << QPointF(16.0, 11.5) << QPointF(11.0, 11.5));
}

void drawMinimize(QPainter& painter)
{
    QPainterPath arrow;
    arrow.moveTo(9.5, 2.5);
    arrow.lineTo(14.5, 2.5);
    arrow.lineTo(14.5, 10.5);
    arrow.lineTo(19.5, 10.5);
    arrow.lineTo(12.0, 18.0);
    arrow.lineTo(4.5, 10.5);
    arrow.lineTo(9.5, 10.5);
    arrow.closeSubpath();
    painter.setPen(QPen(QColor(0x10, 0x2C, 0x6C), 1.0));
    painter.setBrush(shade({5, 3}, {19, 17}, QColor(0x8C, 0xB8, 0xFF), QColor(0x1E, 0x50, 0xC0)));
    painter.drawPath(arrow);
    painter.setPen(QPen(QColor(0x28, 0x28, 0x30), 1.0));
    painter.setBrush(shade({0, 19}, {0, 23}, QColor(0x90, 0x90, 0x9C), QColor(0x40, 0x40, 0x4C)));
    painter.drawRect(QRectF(2.5, 19.5, 19, 3));
}

void drawExit(QPainter& painter)
{
    const QColor outline(0x3C, 0x22, 0x0C);
    painter.setPen(QPen(outline, 1.0));
    painter.setBrush(QColor(0x24, 0x28, 0x3C));
    painter.drawRect(QRectF(3.5, 1.5, 11, 21)); // the doorway
    QPolygonF leaf;
    leaf << QPointF(3.5, 1.5) << QPointF(10.5, 4.5) << QPointF(10.5, 23.5) << QPointF(3.5, 22.5);
    painter.setBrush(shade({3, 0}, {11, 0}, QColor(0xD8, 0x94, 0x4C), QColor(0x8C, 0x4C, 0x14)));
    painter.drawPolygon(leaf);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xF8, 0xD8, 0x40));
    painter.drawEllipse(QPointF(9.0, 13.0), 1.0, 1.0);

    QPainterPath arrow;
    arrow.moveTo(12.5, 10.5);
    arrow.lineTo(17.5, 10.5);
    arrow.lineTo(17.5, 6.5);
    arrow.lineTo(23.0, 12.5);
    arrow.lineTo(17.5, 18.5);
    arrow.lineTo(17.5, 14.5);
    arrow.lineTo(12.5, 14.5);
    arrow.closeSubpath();
    painter.setPen(QPen(QColor(0x10, 0x50, 0x10), 1.0));
    painter.setBrush(shade({12, 7}, {23, 18}, QColor(0x86, 0xE6, 0x6E), QColor(0x1C, 0x8C, 0x1C)));
    painter.drawPath(arrow);
}

} // namespace

QImage addAlarmPicture()
{
    return renderButtonPicture(Small, drawPlus);
}

QImage editAlarmPicture()
{
    return renderButtonPicture(Small, drawPencil);
}

QImage deleteAlarmPicture()
{
    return renderButtonPicture(Small, drawWasteBin);
}

QImage cloneAlarmPicture()
{
    return renderButtonPicture(Small, drawTwoPages);
}

QImage adjustTimePicture()
{
    return renderButtonPicture(Small, drawAdjustTime);
}

QImage minimizePicture()
{
    return renderButtonPicture(Large, drawMinimize);
}

QImage exitPicture()
{
    return renderButtonPicture(Large, drawExit);
}

} // namespace klaxora

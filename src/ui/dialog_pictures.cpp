// The pictures of the alarm dialogs' buttons.
#include "ui/button_pictures.h"

#include "controls/picture_canvas.h"

#include <QPainter>
#include <QPainterPath>

namespace klaxora {

namespace {

const QSize Small(SmallButtonPictureSize, SmallButtonPictureSize);

void drawArrowHead(QPainter& painter, double tipX, double baseX)
{
    painter.setPen(QPen(QColor(0x10, 0x2C, 0x6C), 1.0));
    painter.setBrush(shade({0, 2}, {0, 14}, QColor(0x8C, 0xB8, 0xFF), QColor(0x1E, 0x50, 0xC0)));
    painter.drawPolygon(QPolygonF() << QPointF(tipX, 8) << QPointF(baseX, 2.5) << QPointF(baseX, 13.5));
}

// Drawn pointing left; a right arrow is the mirror image.
void drawArrows(QPainter& painter, bool pointRight, bool twice)
{
    if (pointRight) {
        painter.translate(16, 0);
        painter.scale(-1, 1);
    }
    if (twice) {
        drawArrowHead(painter, 1.5, 8.5);
        drawArrowHead(painter, 7.5, 14.5);
    } else {
        drawArrowHead(painter, 3.5, 12.5);
    }
}

void drawOpenFolder(QPainter& painter)
{
    const QColor outline(0x6C, 0x4C, 0x04);
    painter.setPen(QPen(outline, 1.0));
    QPolygonF back;
    back << QPointF(1.5, 3.5) << QPointF(5.5, 3.5) << QPointF(6.5, 4.5) << QPointF(12.5, 4.5)
         << QPointF(12.5, 13.5) << QPointF(1.5, 13.5);
    painter.setBrush(QColor(0xE0, 0xA8, 0x28));
    painter.drawPolygon(back);
    QPolygonF front;
    front << QPointF(4.0, 7.5) << QPointF(15.5, 7.5) << QPointF(12.5, 13.5) << QPointF(1.5, 13.5);
    painter.setBrush(shade({0, 7}, {0, 14}, QColor(0xFF, 0xE8, 0x84), QColor(0xF0, 0xC0, 0x30)));
    painter.drawPolygon(front);
}

void drawSpeaker(QPainter& painter)
{
    painter.setPen(QPen(QColor(0x20, 0x20, 0x28), 1.0));
    painter.setBrush(shade({1, 0}, {9, 0}, QColor(0xA8, 0xA8, 0xB4), QColor(0x40, 0x40, 0x4C)));
    QPolygonF cone;
    cone << QPointF(1.5, 5.5) << QPointF(4.5, 5.5) << QPointF(8.5, 1.5) << QPointF(8.5, 14.5)
         << QPointF(4.5, 10.5) << QPointF(1.5, 10.5);
    painter.drawPolygon(cone);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0x1E, 0x50, 0xC0), 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(6.0, 5.0, 6.0, 6.0), -50 * 16, 100 * 16);
    painter.drawArc(QRectF(4.5, 2.5, 11.0, 11.0), -50 * 16, 100 * 16);
}

void drawCheckMark(QPainter& painter)
{
    QPolygonF tick;
    tick << QPointF(2.5, 8.5) << QPointF(6.5, 12.5) << QPointF(13.5, 3.5);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0x14, 0x5A, 0x14), 4.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(tick);
    painter.setPen(QPen(QColor(0x4C, 0xC8, 0x3C), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(tick);
}

void drawCross(QPainter& painter)
{
    QPainterPath cross;
    for (const int degrees : {45, -45}) {
        cross = cross.united(turnedRect(QRectF(-6.5, -1.75, 13, 3.5), {8, 8}, degrees));
    }
    painter.setPen(QPen(QColor(0x70, 0x0C, 0x0C), 1.0));
    painter.setBrush(shade({2, 2}, {14, 14}, QColor(0xFF, 0x78, 0x68), QColor(0xC0, 0x10, 0x10)));
    painter.drawPath(cross.simplified());
}

void drawQuestionMark(QPainter& painter)
{
    painter.setPen(QPen(QColor(0x10, 0x2C, 0x6C), 1.0));
    painter.setBrush(shade({2, 2}, {14, 14}, QColor(0x8C, 0xB8, 0xFF), QColor(0x1E, 0x50, 0xC0)));
    painter.drawEllipse(QPointF(8, 8), 7, 7);
    QPainterPath hook;
    hook.moveTo(5.5, 6.0);
    hook.cubicTo(5.5, 3.0, 10.5, 3.0, 10.5, 6.0);
    hook.cubicTo(10.5, 7.8, 8.0, 8.0, 8.0, 10.0);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 2.0, Qt::SolidLine, Qt::FlatCap));
    painter.drawPath(hook);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(8, 12.5), 1.2, 1.2);
}

void drawGear(QPainter& painter)
{
    QPainterPath gear;
    gear.addEllipse(QPointF(8, 8), 5, 5);
    for (int tooth = 0; tooth < 8; ++tooth) {
        gear = gear.united(turnedRect(QRectF(-1.5, -7.5, 3, 4), {8, 8}, tooth * 45.0));
    }
    painter.setPen(QPen(QColor(0x30, 0x34, 0x40), 1.0));
    painter.setBrush(shade({2, 2}, {14, 14}, QColor(0xE4, 0xE8, 0xEE), QColor(0x78, 0x80, 0x90)));
    painter.drawPath(gear.simplified());
    // The axle hole is drawn dark, not left open: the background colour stays outside the drawing.
    painter.setBrush(QColor(0x40, 0x44, 0x50));
    painter.drawEllipse(QPointF(8, 8), 2, 2);
}

} // namespace

QImage prevMonthPicture()
{
    return renderButtonPicture(Small, [](QPainter& painter) { drawArrows(painter, false, false); });
}

QImage nextMonthPicture()
{
    return renderButtonPicture(Small, [](QPainter& painter) { drawArrows(painter, true, false); });
}

QImage prevYearPicture()
{
    return renderButtonPicture(Small, [](QPainter& painter) { drawArrows(painter, false, true); });
}

QImage nextYearPicture()
{
    return renderButtonPicture(Small, [](QPainter& painter) { drawArrows(painter, true, true); });
}

QImage chooseFilePicture()
{
    return renderButtonPicture(Small, drawOpenFolder);
}

QImage playNowPicture()
{
    return renderButtonPicture(Small, drawSpeaker);
}

QImage okPicture()
{
    return renderButtonPicture(Small, drawCheckMark);
}

QImage cancelPicture()
{
    return renderButtonPicture(Small, drawCross);
}

QImage helpPicture()
{
    return renderButtonPicture(Small, drawQuestionMark);
}

QImage optionsPicture()
{
    return renderButtonPicture(Small, drawGear);
}

} // namespace klaxora

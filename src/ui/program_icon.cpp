#include "ui/program_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace klaxora {

namespace {

// The drawing is laid out on a 64 x 64 design grid; lines never get thinner than one device pixel.
constexpr double Grid = 64.0;

struct Pens {
    double pixel; // one device pixel in grid units
    double width(double gridWidth) const { return std::max(gridWidth, pixel); }
};

QPointF onCircle(QPointF centre, double radius, double clockDegrees)
{
    const double angle = (clockDegrees - 90.0) * std::numbers::pi / 180.0;
    return centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
}

void drawBell(QPainter& painter, const Pens& pens, QPointF centre, double tilt)
{
    painter.save();
    painter.translate(centre);
    painter.rotate(tilt);
    QPainterPath dome;
    dome.moveTo(-11, 4);
    dome.cubicTo(-11, -12, 11, -12, 11, 4);
    dome.closeSubpath();
    QRadialGradient metal(QPointF(-4, -5), 16);
    metal.setColorAt(0.0, QColor(0xFF, 0xF6, 0xB8));
    metal.setColorAt(0.6, QColor(0xF0, 0xBE, 0x1C));
    metal.setColorAt(1.0, QColor(0xA8, 0x74, 0x00));
    painter.setPen(QPen(QColor(0x5C, 0x3C, 0x00), pens.width(1.2)));
    painter.setBrush(metal);
    painter.drawPath(dome);
    painter.restore();
}

void drawHands(QPainter& painter, const Pens& pens, QPointF centre, int size, QColor ink)
{
    if (size < 32) {
        // Too small for slanted hands: two-pixel hands along the pixel rows, from a centre on a pixel corner,
        // show a sharp three o'clock.
        painter.setPen(QPen(ink, 2 * pens.pixel, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(centre + QPointF(0, pens.pixel),
                         centre - QPointF(0, std::round(15.0 / pens.pixel) * pens.pixel));
        painter.drawLine(centre - QPointF(pens.pixel, 0),
                         centre + QPointF(std::round(10.0 / pens.pixel) * pens.pixel, 0));
        return;
    }
    // Ten past ten, the clock face's friendliest time.
    painter.setPen(QPen(ink, pens.width(3.2), Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, onCircle(centre, 10.0, 305));
    painter.setPen(QPen(ink, pens.width(2.2), Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, onCircle(centre, 15.0, 60));
    if (size >= 48) {
        painter.setPen(QPen(QColor(0xD0, 0x10, 0x10), pens.width(0.8), Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(onCircle(centre, 4.0, 20), onCircle(centre, 16.5, 200));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawEllipse(centre, 2.0, 2.0);
}

void drawClock(QPainter& painter, int size)
{
    const Pens pens{Grid / size};
    // The centre sits on a pixel corner so the face is drawn the same on all sides.
    const QPointF centre(std::round(32.0 / pens.pixel) * pens.pixel,
                         std::round(35.0 / pens.pixel) * pens.pixel);
    const QColor ink(0x24, 0x18, 0x18);

    // Legs under the body.
    painter.setPen(QPen(ink, pens.width(3.5), Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(19, 52), QPointF(12, 61));
    painter.drawLine(QPointF(45, 52), QPointF(52, 61));

    drawBell(painter, pens, QPointF(14, 13), -40);
    drawBell(painter, pens, QPointF(50, 13), 40);

    // Body.
    QRadialGradient red(centre - QPointF(9, 10), 34);
    red.setColorAt(0.0, QColor(0xFF, 0x82, 0x70));
    red.setColorAt(0.5, QColor(0xE0, 0x26, 0x20));
    red.setColorAt(1.0, QColor(0x96, 0x0C, 0x10));
    painter.setPen(QPen(QColor(0x58, 0x06, 0x08), pens.width(1.5)));
    painter.setBrush(red);
    painter.drawEllipse(centre, 25, 25);

    // Face.
    QRadialGradient paper(centre - QPointF(6, 7), 26);
    paper.setColorAt(0.0, Qt::white);
    paper.setColorAt(1.0, QColor(0xD8, 0xDC, 0xE4));
    painter.setPen(QPen(QColor(0x70, 0x10, 0x10), pens.width(1.0)));
    painter.setBrush(paper);
    painter.drawEllipse(centre, 19.5, 19.5);

    // Hour marks: all twelve where there is room, the four quarters at 22 pixels, none below.
    const int marks = size >= 32 ? 12 : (size >= 22 ? 4 : 0);
    painter.setPen(QPen(ink, pens.width(size >= 32 ? 1.6 : 2.5), Qt::SolidLine, Qt::FlatCap));
    for (int mark = 0; mark < marks; ++mark) {
        const double degrees = mark * 360.0 / marks;
        const bool quarter = std::fmod(degrees, 90.0) == 0.0;
        const double inner = quarter ? 14.5 : 16.0;
        painter.drawLine(onCircle(centre, inner, degrees), onCircle(centre, 18.0, degrees));
    }

    drawHands(painter, pens, centre, size, ink);
}

} // namespace

QImage programIconImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / Grid, size / Grid);
    drawClock(painter, size);
    painter.end();
    return image;
}

QIcon programIcon()
{
    QIcon icon;
    for (const int size : ProgramIconSizes) {
        icon.addPixmap(QPixmap::fromImage(programIconImage(size)));
    }
    return icon;
}

} // namespace klaxora

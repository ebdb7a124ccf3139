#include "ui/program_style.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QWidget>

namespace klaxora {

namespace {

// A double chevron pointing to the hidden menus, in the style's text colour.
QIcon overflowIcon(QColor colour, bool pointsLeft)
{
    constexpr int Side = 16;
    QImage picture(Side, Side, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    if (pointsLeft) {
        painter.translate(Side, 0);
        painter.scale(-1, 1);
    }
    QPainterPath chevrons;
    for (const double left : {4.5, 9.0}) {
        chevrons.moveTo(left, 4.5);
        chevrons.lineTo(left + 3.0, 8.0);
        chevrons.lineTo(left, 11.5);
    }
    painter.setPen(QPen(colour, 1.4, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawPath(chevrons);
    painter.end();
    return QIcon(QPixmap::fromImage(picture));
}

} // namespace

QIcon ProgramStyle::standardIcon(StandardPixmap picture, const QStyleOption* option,
                                 const QWidget* widget) const
{
    if (picture == SP_ToolBarHorizontalExtensionButton) {
        const QPalette palette = widget != nullptr ? widget->palette() : standardPalette();
        const bool rightToLeft = widget != nullptr ? widget->isRightToLeft() : false;
        return overflowIcon(palette.color(QPalette::ButtonText), rightToLeft);
    }
    return QProxyStyle::standardIcon(picture, option, widget);
}

} // namespace klaxora

#include "controls/flat_button_painter.h"

#include "controls/caption_text.h"
#include "controls/picture_drawing.h"

#include <QPainter>

namespace klaxora {

using namespace flatbtn;

namespace {

// The dotted fill of a down button, made once and shared by all buttons (remade only when the
// palette's colours differ from the ones it was made with).
QBrush downPattern(QColor face, QColor highlight)
{
    static QImage pattern;
    if (pattern.isNull() || pattern.pixel(0, 1) != face.rgb() || pattern.pixel(0, 0) != highlight.rgb()) {
        pattern = QImage(8, 8, QImage::Format_RGB32);
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x)
                pattern.setPixel(x, y, (x + y) % 2 == 0 ? highlight.rgb() : face.rgb());
        }
    }
    return QBrush(pattern);
}

// One-pixel frame: left and top edges in `first`, right and bottom edges in `second`;
// the top-right pixel belongs to the second colour, the bottom-left one to the first.
void drawFrame(QPainter& painter, QSize size, QColor first, QColor second)
{
    const int w = size.width();
    const int h = size.height();
    painter.fillRect(QRect(0, 0, 1, h), first);
    painter.fillRect(QRect(0, 0, w - 1, 1), first);
    painter.fillRect(QRect(w - 1, 0, 1, h - 1), second);
    painter.fillRect(QRect(1, h - 1, w - 1, 1), second);
}

void drawRaisedBorder(QPainter& painter, const FlatButtonLook& look)
{
    if (look.bevelStyle == bsRaised)
        drawFrame(painter, look.size, look.highlight, look.shadow);
    else
        drawFrame(painter, look.size, look.shadow, look.highlight);
}

void drawSunkenBorder(QPainter& painter, const FlatButtonLook& look)
{
    if (look.bevelStyle == bsRaised)
        drawFrame(painter, look.size, look.shadow, look.highlight);
    else
        drawFrame(painter, look.size, look.highlight, look.shadow);
}

// A downward triangle of 7, 5, 3 and 1 pixels whose top row starts one row above `at`.
void drawArrow(QPainter& painter, QPoint at, QColor color)
{
    for (int row = 0; row < 4; ++row)
        painter.fillRect(QRect(at.x() + row, at.y() - 1 + row, 7 - 2 * row, 1), color);
}

void drawCaptionIn(QPainter& painter, const FlatButtonLook& look, const QRect& rect, QColor color)
{
    painter.setPen(color);
    drawCaption(painter, rect, look.captionBuffer, look.font, look.alignment, look.wordWrap);
}

void paintDisabled(QPainter& painter, const FlatButtonLook& look, const FlatButtonGeometry& g)
{
    // Sunken border
    if (look.down)
        drawSunkenBorder(painter, look);
    // Disabled picture
    if (!look.disabledBitmap->isNull())
        drawTransparent(painter, g.bitmapPos, *look.disabledBitmap);
    else
        drawEmbossed(painter, g.bitmapPos, *look.bitmap, look.highlight, look.shadow);
    // Embossed caption
    if (look.captionShown) {
        drawCaptionIn(painter, look, g.textRect.translated(1, 1), look.highlight);
        drawCaptionIn(painter, look, g.textRect, look.shadow);
    }
}

void paintPressed(QPainter& painter, const FlatButtonLook& look, const FlatButtonGeometry& g)
{
    // Sunken border
    drawSunkenBorder(painter, look);
    // Caption text
    const QRect text = look.bevelStyle == bsRaised ? g.textRect.translated(1, 1) : g.textRect;
    if (look.captionShown)
        drawCaptionIn(painter, look, text, look.fontColor);
    // Moved picture
    if (!look.bitmap->isNull())
        drawTransparent(painter, g.bitmapPos + QPoint(1, 1), *look.bitmap);
    // Drop-down arrow
    if (look.arrowShown)
        drawArrow(painter, g.pressedArrowPos, look.fontColor);
}

void paintRaisedOrFlat(QPainter& painter, const FlatButtonLook& look, const FlatButtonGeometry& g)
{
    // Raised border
    if (look.hovered)
        drawRaisedBorder(painter, look);
    // Caption text
    const QColor color = look.hovered ? look.fontColor : look.unselectedFontColor;
    const QRect text = look.bevelStyle == bsLowered ? g.textRect.translated(1, 1) : g.textRect;
    if (look.captionShown)
        drawCaptionIn(painter, look, text, color);
    // Chosen picture
    if (!look.bitmap->isNull()) {
        const QImage* picture = look.bitmap;
        if (!look.hovered && look.monoDisplay)
            picture = look.noFocusBitmap->isNull() ? look.greyCopy : look.noFocusBitmap;
        drawTransparent(painter, g.bitmapPos, *picture);
    }
    // Drop-down arrow
    if (look.arrowShown)
        drawArrow(painter, g.arrowPos, color);
}

} // namespace

void paintFlatButton(QPainter& painter, const FlatButtonLook& look, const FlatButtonGeometry& geometry)
{
    // Dotted fill
    if (look.down && look.showDownPattern)
        painter.fillRect(QRect(QPoint(0, 0), look.size), downPattern(look.face, look.highlight));

    // State look
    if (!look.enabled)
        paintDisabled(painter, look, geometry);
    else if (look.down || (look.pressed && look.hovered))
        paintPressed(painter, look, geometry);
    else
        paintRaisedOrFlat(painter, look, geometry);
}

} // namespace klaxora

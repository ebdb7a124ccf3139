// Drawing a button's pictures: transparent by the top-left colour, and embossed for the disabled look.
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>

class QPainter;

namespace klaxora {

// Copies every pixel that differs from the picture's top-left pixel to `pos`; pixels of the
// top-left colour leave the canvas as it was.
void drawTransparent(QPainter& painter, QPoint pos, const QImage& picture);

// The disabled look: the picture's black pixels are painted in `highlight` one pixel right and
// down, then in `shadow` at `pos`; every other pixel leaves the canvas as it was.
void drawEmbossed(QPainter& painter, QPoint pos, const QImage& picture, QColor highlight, QColor shadow);

} // namespace klaxora

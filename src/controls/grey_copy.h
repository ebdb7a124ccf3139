// The four-shade grey picture a flat button shows while the mouse is elsewhere.
#pragma once

#include "controls/flat_button_types.h"

#include <QColor>
#include <QImage>

namespace klaxora {

// Every pixel not of the top-left pixel's colour becomes white, `highlight`, `shadow` or black
// by the sum of its red, green and blue against the thresholds of `shading`; pixels of the
// top-left colour stay as they are, so the copy keeps the picture's transparent colour.
// The alpha of each pixel is kept. Returns an ARGB32 image.
QImage makeGreyCopy(const QImage& bitmap, flatbtn::FlatButtonShading shading, QColor highlight,
                    QColor shadow);

} // namespace klaxora

// Where a flat button puts its bitmap, caption and drop-down arrow.
#pragma once

#include "controls/flat_button_types.h"

#include <QPoint>
#include <QRect>

namespace klaxora {

struct FlatButtonLayoutInput {
    int width = 0;
    int height = 0;
    bool captionShown = false;
    int textWidth = 0; // measured caption size; ignored without a caption
    int textHeight = 0;
    int bitmapWidth = 0; // 0 x 0 for an empty bitmap
    int bitmapHeight = 0;
    bool arrowShown = false;
    flatbtn::FlatButtonLayout layout = flatbtn::blBitmapTop;
    flatbtn::TextAlignment alignment = flatbtn::taCenter;
    bool wordWrap = false;
};

struct FlatButtonGeometry {
    QPoint bitmapPos;       // BX, BY (unused without a bitmap)
    int textLeft = 0;       // TL
    int textTop = 0;        // TT
    int textWidth = 0;      // TW after it was fitted into the button
    int textHeight = 0;     // TH
    int drawnTextWidth = 0; // E
    QRect textRect;         // TL, TT, E wide, TH high, before any press offset
    QPoint arrowPos;        // top-middle pixel row reference (x, y) of the arrow, flat or hovered
    QPoint pressedArrowPos; // the same while pressed or down
};

// All geometry of one paint, from the button's size, caption size, bitmap size and settings.
FlatButtonGeometry computeFlatButtonGeometry(const FlatButtonLayoutInput& in);

} // namespace klaxora

// The value types of the flat button, under the names its form descriptions use.
#pragma once

#include <QFlags>

namespace klaxora::flatbtn {

// Where the bitmap stands relative to the caption.
enum FlatButtonLayout { blBitmapTop, blBitmapBottom, blBitmapLeft, blBitmapRight };

enum FlatButtonOption {
    boMonoDisplay = 0x1, // grey picture while the mouse is elsewhere
    boIconOnly = 0x2,    // no caption; the caption becomes the hint
    boPopupMark = 0x4,   // small arrow when a drop-down menu is set
};
Q_DECLARE_FLAGS(FlatButtonOptions, FlatButtonOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(FlatButtonOptions)

// Thresholds of the grey copy.
enum FlatButtonShading { stLight, stMedium, stDark };

// Which border colour goes to the top and left edges.
enum BevelStyle { bsLowered, bsRaised };

// Horizontal placement of bitmap and caption.
enum TextAlignment { taLeftJustify, taRightJustify, taCenter };

} // namespace klaxora::flatbtn

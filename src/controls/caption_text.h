// Measuring and drawing a button caption: accelerator marks underlined, optional word wrap,
// and an ellipsis at the end of a line that does not fit.
#pragma once

#include "controls/flat_button_types.h"

#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

class QPainter;

namespace klaxora {

// Captions are measured and drawn from their first 258 characters; with word wrap one blank is
// appended, which lets the last word break like the others.
inline constexpr int CaptionBufferCharacters = 258;
QString captionBuffer(const QString& caption, bool wordWrap);

// Width of the widest line and height of all lines, breaking at `maxWidth` when wrapping.
QSize measureCaption(const QFont& font, const QString& buffer, int maxWidth, bool wordWrap);

// Draws in the painter's pen colour, clipped to `rect`, each line from the top of `rect`.
void drawCaption(QPainter& painter, const QRect& rect, const QString& buffer, const QFont& font,
                 flatbtn::TextAlignment alignment, bool wordWrap);

} // namespace klaxora

// Keeping a maximised main window inside the screen's free area.
#pragma once

#include <QRect>

#include <optional>

class QWidget;

namespace klaxora {

// The corrected outer rectangle of a maximised window, or nothing when it fits: a window taller than the
// available area gets its height and moves to its top; otherwise one wider than it gets its width and
// moves to its left. At most one of the two per call.
std::optional<QRect> fittedMaximizedFrame(const QRect& frame, const QRect& available);

// Applies FittedMaximizedFrame to `form` while it is maximised, with the available area of its screen.
void fitMaximizedToScreen(QWidget* form);

} // namespace klaxora

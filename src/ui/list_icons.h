// The 17 x 17 icons of the alarm list and its legend, on silver that the rows replace by their background.
#pragma once

#include <QImage>

namespace klaxora {

inline constexpr int ListIconSize = 17;

// AlarmImage: rows of alarms for today (a ringing bell).
QImage AlarmImagePicture();
// DoneImage: rows of alarms for a later date (a calendar page).
QImage DoneImagePicture();

} // namespace klaxora

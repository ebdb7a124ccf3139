// The 17 x 17 icons of the alarm list and its legend, on silver that the rows replace by their background.
#pragma once

#include <QImage>

namespace klaxora {

inline constexpr int ListIconSize = 17;

// The icon of rows of alarms for today (a ringing bell).
QImage todayAlarmPicture();
// The icon of rows of alarms for a later date (a calendar page).
QImage futureAlarmPicture();
// The icon of rows of missed alarms (the bell with a red mark).
QImage missedAlarmPicture();
// The icon of rows of repeating alarms (the bell with a blue circling arrow).
QImage repeatingAlarmPicture();

} // namespace klaxora

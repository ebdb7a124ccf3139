// Pictures of the program's buttons. Each lies on a fuchsia background that fills its top-left pixel and
// occurs nowhere in the drawing, because the buttons draw their pictures transparent by that colour.
#pragma once

#include <QImage>

namespace klaxora {

inline constexpr int SmallButtonPictureSize = 16;
inline constexpr int LargeButtonPictureSize = 24;

// Command bar of the main window, 16 x 16.
QImage addAlarmPicture();
QImage editAlarmPicture();
QImage deleteAlarmPicture();
QImage cloneAlarmPicture();
QImage adjustTimePicture();

// Bottom bar of the main window, 24 x 24.
QImage minimizePicture();
QImage exitPicture();

// Calendar steps of the alarm editor, 16 x 16: single arrows for months, double arrows for years.
QImage prevMonthPicture();
QImage nextMonthPicture();
QImage prevYearPicture();
QImage nextYearPicture();

// Dialog buttons, 16 x 16.
QImage chooseFilePicture();
QImage playNowPicture();
QImage okPicture();
QImage cancelPicture();
QImage helpPicture();
QImage optionsPicture();

} // namespace klaxora

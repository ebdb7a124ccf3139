// Pictures of the program's buttons. Each lies on a fuchsia background that fills its top-left pixel and
// occurs nowhere in the drawing, because the buttons draw their pictures transparent by that colour.
#pragma once

#include <QImage>

namespace klaxora {

inline constexpr int SmallButtonPictureSize = 16;
inline constexpr int LargeButtonPictureSize = 24;

// Command bar of the main window, 16 x 16.
QImage AddAlarmPicture();
QImage EditAlarmPicture();
QImage DeleteAlarmPicture();
QImage CloneAlarmPicture();
QImage AdjustTimePicture();

// Bottom bar of the main window, 24 x 24.
QImage MinimizePicture();
QImage ExitPicture();

// Calendar steps of the alarm editor, 16 x 16: single arrows for months, double arrows for years.
QImage PrevMonthPicture();
QImage NextMonthPicture();
QImage PrevYearPicture();
QImage NextYearPicture();

// Dialog buttons, 16 x 16.
QImage ChooseFilePicture();
QImage PlayNowPicture();
QImage OkPicture();
QImage CancelPicture();
QImage HelpPicture();
QImage OptionsPicture();

} // namespace klaxora

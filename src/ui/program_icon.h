// The program's own icon: a red alarm clock with two bells, drawn for each size so small ones stay crisp.
#pragma once

#include <QIcon>
#include <QImage>

#include <array>

namespace klaxora {

// The sizes the icon is drawn in; these are also the sizes of the desktop's icon themes.
inline constexpr std::array<int, 7> ProgramIconSizes{16, 22, 32, 48, 64, 128, 256};

// A square picture of the given size on a transparent background.
QImage programIconImage(int size);

// The icon with a picture for every size of ProgramIconSizes.
QIcon programIcon();

} // namespace klaxora

// The program's widget style: the desktop's own, with the few standard pictures the program shows at
// every start drawn here instead of read from image files.
#pragma once

#include <QProxyStyle>

namespace klaxora {

class ProgramStyle : public QProxyStyle {
public:
    // Around the style of that name, e.g. QApplication::style()->name(): the desktop's, or the one the
    // user chose with -style.
    explicit ProgramStyle(const QString& baseStyle) : QProxyStyle(baseStyle) {}

    // The menu bar asks for its overflow button's picture as it is made. Reading the style's image
    // file for it loads the image format plug-ins, a millisecond of every start for a button that
    // only shows on a window made too narrow for its menus.
    QIcon standardIcon(StandardPixmap picture, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace klaxora

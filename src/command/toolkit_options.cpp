#include "command/toolkit_options.h"

namespace klaxora {

namespace {

QCommandLineOption option(const char* name, const char* description, const char* valueName = nullptr)
{
    return valueName == nullptr ? QCommandLineOption(QLatin1String(name), QLatin1String(description))
                                : QCommandLineOption(QLatin1String(name), QLatin1String(description),
                                                     QLatin1String(valueName));
}

} // namespace

// As Qt 6 reads them, each also written with two dashes. Qt takes a value after "=" only for -style,
// -stylesheet and -qmljsdebugger; the parser takes it for all of them.
QList<QCommandLineOption> toolkitOptions()
{
    return {
        option("platform", "The window system: xcb, wayland, offscreen....", "name[:options]"),
        option("platformpluginpath", "Folder of the window system plug-ins.", "path"),
        option("platformtheme", "The desktop theme plug-in.", "theme"),
        option("plugin", "A further plug-in to load; may be given more than once.", "plugin"),
        option("style", "The widget style, e.g. fusion.", "style"),
        option("stylesheet", "A style sheet file for the windows.", "file"),
        option("reverse", "Lay the windows out right to left.", nullptr),
        option("qwindowgeometry", "The first window's geometry, as 100x100+50+50.", "geometry"),
        option("qwindowicon", "The windows' icon.", "icon"),
        option("qwindowtitle", "The first window's title.", "title"),
        option("session", "Restore the session of this name (from the session manager).", "session"),
        option("widgetcount", "Print how many widgets were left at the end.", nullptr),
        option("testability", "Load Qt's testability plug-in.", nullptr),
        option("qmljsdebugger", "Qt's QML debugger, as port:1234[,block].", "value"),
        // The X11 platform's own.
        option("display", "The X display to use instead of $DISPLAY (X11).", "display"),
        option("geometry", "Same as --qwindowgeometry (X11).", "geometry"),
        option("title", "Same as --qwindowtitle (X11).", "title"),
        option("icon", "Same as --qwindowicon (X11).", "icon"),
        option("name", "The instance name the window manager sees (X11).", "name"),
        option("visual", "The id of the X visual to draw with (X11).", "id"),
        option("nograb", "Never grab the mouse, e.g. in a debugger (X11).", nullptr),
        option("dograb", "Grab the mouse even in a debugger (X11).", nullptr),
    };
}

} // namespace klaxora

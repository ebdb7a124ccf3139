#include "command/toolkit_options.h"

namespace klaxora {

namespace {

QCommandLineOption Option(const char* name, const char* description, const char* valueName = nullptr)
{
    return valueName == nullptr ? QCommandLineOption(QLatin1String(name), QLatin1String(description))
                                : QCommandLineOption(QLatin1String(name), QLatin1String(description),
                                                     QLatin1String(valueName));
}

} // namespace

// As Qt 6 reads them, each also written with two dashes. Qt takes a value after "=" only for -style,
// -stylesheet and -qmljsdebugger; the parser takes it for all of them.
QList<QCommandLineOption> ToolkitOptions()
{
    return {
        Option("platform", "The window system: xcb, wayland, offscreen....", "name[:options]"),
        Option("platformpluginpath", "Folder of the window system plug-ins.", "path"),
        Option("platformtheme", "The desktop theme plug-in.", "theme"),
        Option("plugin", "A further plug-in to load; may be given more than once.", "plugin"),
        Option("style", "The widget style, e.g. fusion.", "style"),
        Option("stylesheet", "A style sheet file for the windows.", "file"),
        Option("reverse", "Lay the windows out right to left.", nullptr),
        Option("qwindowgeometry", "The first window's geometry, as 100x100+50+50.", "geometry"),
        Option("qwindowicon", "The windows' icon.", "icon"),
        Option("qwindowtitle", "The first window's title.", "title"),
        Option("session", "Restore the session of this name (from the session manager).", "session"),
        Option("widgetcount", "Print how many widgets were left at the end.", nullptr),
        Option("testability", "Load Qt's testability plug-in.", nullptr),
        Option("qmljsdebugger", "Qt's QML debugger, as port:1234[,block].", "value"),
        // The X11 platform's own.
        Option("display", "The X display to use instead of $DISPLAY (X11).", "display"),
        Option("geometry", "Same as --qwindowgeometry (X11).", "geometry"),
        Option("title", "Same as --qwindowtitle (X11).", "title"),
        Option("icon", "Same as --qwindowicon (X11).", "icon"),
        Option("name", "The instance name the window manager sees (X11).", "name"),
        Option("visual", "The id of the X visual to draw with (X11).", "id"),
        Option("nograb", "Never grab the mouse, e.g. in a debugger (X11).", nullptr),
        Option("dograb", "Grab the mouse even in a debugger (X11).", nullptr),
    };
}

} // namespace klaxora

// The options that Qt itself takes from the command line of a program with a window (QCoreApplication,
// QGuiApplication, QApplication and the X11 platform): the command line knows them, so that a start with
// one of them opens the window while an option that nobody knows is refused, and --help-all lists them.
#pragma once

#include <QCommandLineOption>
#include <QList>

namespace klaxora {

QList<QCommandLineOption> toolkitOptions();

} // namespace klaxora

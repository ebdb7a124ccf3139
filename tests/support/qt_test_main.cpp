// Entry point of the widget tests: one QApplication on the offscreen platform for the whole run.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <unistd.h>

int main(int argc, char** argv)
{
    // Widget tests never need a display; a private runtime folder keeps Qt from warning.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (std::getenv("XDG_RUNTIME_DIR") == nullptr) {
        const std::string dir = "/tmp/klaxora-test-runtime-" + std::to_string(getuid());
        QDir().mkpath(QString::fromStdString(dir));
        QFile::setPermissions(QString::fromStdString(dir),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
    }
    // Nor the user's desktop services: an alarm falling due in a test must not put a notice on the
    // developer's screen. Tests that want a session bus start a private one.
    const std::string noBus = std::string("unix:path=") + std::getenv("XDG_RUNTIME_DIR") + "/no-bus-here";
    setenv("DBUS_SESSION_BUS_ADDRESS", noBus.c_str(), 1);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

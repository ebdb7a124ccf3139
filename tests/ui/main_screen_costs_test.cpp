// What the main window costs while it runs: an idle tick repaints the clock panel and nothing else and
// touches no file; and what it leaves until it shows, or takes over from before it existed, with the same
// results: the program icon, the question for the notification area, and the files read while the
// toolkit started.
#include "controls/bevel_panel.h"
#include "controls/qt_tray_shell.h"
#include "controls/tray_icon.h"
#include "store/program_files.h"
#include "ui/alarm_list_view.h"
#include "ui/main_screen_test_support.h"
#include "ui/program_icon.h"

#include <QEvent>
#include <QPixmap>
#include <QWidget>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>

#include <map>

namespace klaxora::test {
namespace {

// Counts the paint events of a window and all its widgets.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& window)
    {
        window.installEventFilter(this);
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            widget->installEventFilter(this);
        }
    }
    // The widgets painted since the last call, with the number of paints.
    std::map<const QObject*, int> take() { return std::exchange(painted_, {}); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            ++painted_[watched];
        }
        return false;
    }

private:
    std::map<const QObject*, int> painted_;
};

// The identity of the file's contents as the rewrite leaves them: a new file each time.
std::pair<ino_t, off_t> fileIdentity(const std::string& path)
{
    struct stat status {};
    EXPECT_EQ(stat(path.c_str(), &status), 0) << path;
    return {status.st_ino, status.st_size};
}

TEST_F(MainScreenTest, AnIdleTickRepaintsOnlyTheClockAndTouchesNoFile)
{
    prepare(TwoFutureAlarms);
    MainScreen& screen = create();
    // The first tick after the load repaints the list once, with the rows the load put in.
    screen.engine().tick();
    QApplication::processEvents();
    PaintCounter paints(screen);
    const auto file = fileIdentity(alarmFile());

    for (int second = 0; second < 3; ++second) {
        clock.advanceSeconds(1);
        screen.engine().tick();
        QApplication::processEvents();
        const auto painted = paints.take();
        EXPECT_EQ(painted.size(), 1u) << "tick " << second;
        EXPECT_EQ(painted.count(find<BevelPanel>("clockPanel")), 1u) << "tick " << second;
    }
    EXPECT_EQ(fileIdentity(alarmFile()), file);

    // Once the rows change, the list shows it.
    screen.store().addAlarm("11:30am", "06/14/2026", "Plants", "", 0);
    screen.engine().tick();
    QApplication::processEvents();
    EXPECT_EQ(paints.take().count(alarmList()->viewport()), 1u);
}

TEST_F(MainScreenTest, LeftUnsaidTheNotificationAreaIsAskedOfTheDesktopAfterTheWindowShows)
{
    Preferences useTray;
    useTray.useTray = true;
    prepare(TwoFutureAlarms, useTray);
    MainScreenSetup setup;
    setup.folder = folder.path();
    setup.userFormats = klaxora::testing::usUser();
    setup.tray = std::make_unique<FakeTrayShell>(trayCalls);
    setup.sound = std::make_unique<FakeSoundBackend>(sound);
    window = std::make_unique<MainScreen>(clock, fileSystem, std::move(setup));
    QApplication::processEvents();
    QApplication::processEvents();

    // The offscreen desktop has none, so "&Minimize" goes to the task bar despite the tray setting.
    ASSERT_FALSE(isNotificationAreaAvailable());
    emit button("minimizeButton")->clicked();
    EXPECT_TRUE(window->windowState().testFlag(Qt::WindowMinimized));
    EXPECT_TRUE(trayCalls.empty());
}

TEST_F(MainScreenTest, TheWindowAndTheTrayGetTheProgramIconOnceTheWindowIsShown)
{
    prepare(TwoFutureAlarms);
    MainScreen& screen = create();
    const QList<QSize> sizes = screen.windowIcon().availableSizes();
    for (const int size : ProgramIconSizes) {
        EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
    }
    EXPECT_EQ(find<TrayIcon>("trayIcon")->icon().cacheKey(), screen.windowIcon().cacheKey())
        << "one drawing for both";

    // A start straight into the notification area has the icon there from the first moment.
    window.reset();
    Preferences useTray;
    useTray.useTray = true;
    prepare(TwoFutureAlarms, useTray);
    create(true, true);
    ASSERT_FALSE(trayCalls.empty());
    EXPECT_EQ(trayCalls.front().message, TrayShellMessage::NIM_ADD);
    EXPECT_FALSE(trayCalls.front().data.hIcon.isNull());
}

TEST_F(MainScreenTest, FilesReadBeforeTheWindowExistedAreShownAsIfItHadReadThem)
{
    Preferences silent;
    silent.noAlarmSound = true;
    prepare(TwoFutureAlarms, silent);
    filesReadBefore = loadProgramFiles(clock, fileSystem, folder.path(), DateTimeFormats(testing::usUser()));
    // The window must not read or rewrite the files again.
    fileSystem.failAt(testing::FileStep::Read, EACCES);
    create();

    ASSERT_EQ(alarmList()->model()->rowCount(), 2);
    EXPECT_EQ(alarmList()->selectedRow(), 0) << "the first row is selected, as after a load";
    EXPECT_TRUE(action("noAlarmSoundAction")->isChecked());
    EXPECT_TRUE(button("editAlarmButton")->isEnabled());
    EXPECT_EQ(alarmFileText(), TwoFutureAlarms);
}

} // namespace
} // namespace klaxora::test

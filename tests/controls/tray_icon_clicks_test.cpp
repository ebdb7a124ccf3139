// Clicks on the tray icon: the click timer that tells single, double and right clicks apart, the pop-up
// menu, mouse moves, and the route from QSystemTrayIcon's activations.
#include "controls/fake_tray_shell.h"
#include "controls/qt_tray_shell.h"
#include "controls/tray_icon.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

namespace klaxora {
namespace {

using Mouse = TrayMouseMessage;
constexpr int DoubleClickTime = 50;

class TrayClickTest : public ::testing::Test {
protected:
    TrayClickTest()
    {
        QApplication::setDoubleClickInterval(DoubleClickTime);
        auto fakeShell = std::make_unique<FakeTrayShell>(calls);
        shell = fakeShell.get();
        tray = new TrayIcon(&owner, std::move(fakeShell));
        tray->loaded();
        tray->activate();
        tray->setOnClick([this](TrayIcon& sender) {
            EXPECT_EQ(&sender, tray);
            ++clicks;
        });
        tray->setOnDblClick([this](TrayIcon& sender) {
            EXPECT_EQ(&sender, tray);
            ++doubleClicks;
        });
    }

    void send(std::initializer_list<Mouse> messages)
    {
        for (Mouse message : messages) {
            shell->deliver(message);
        }
    }
    // Long enough for the click timer to have fired.
    static void waitPastDoubleClickTime() { QTest::qWait(DoubleClickTime * 4); }

    std::vector<RecordedTrayCall> calls;
    QWidget owner;
    FakeTrayShell* shell;
    TrayIcon* tray;
    int clicks = 0;
    int doubleClicks = 0;
};

TEST_F(TrayClickTest, SingleClickFiresOnceAfterTheDoubleClickTime)
{
    QElapsedTimer elapsed;
    elapsed.start();
    send({Mouse::WM_LBUTTONDOWN, Mouse::WM_LBUTTONUP});
    EXPECT_EQ(clicks, 0);
    ASSERT_TRUE(QTest::qWaitFor([this] { return clicks > 0; }, 2000));
    EXPECT_GE(elapsed.elapsed(), DoubleClickTime - 5);
    waitPastDoubleClickTime();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(doubleClicks, 0);
}

TEST_F(TrayClickTest, DoubleClickFiresOnlyOnDblClick)
{
    send({Mouse::WM_LBUTTONDOWN, Mouse::WM_LBUTTONUP, Mouse::WM_LBUTTONDBLCLK, Mouse::WM_LBUTTONUP});
    waitPastDoubleClickTime();
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_EQ(clicks, 0);

    // A button-down after the double-click message makes it a click again.
    send({Mouse::WM_LBUTTONDOWN, Mouse::WM_RBUTTONDBLCLK, Mouse::WM_LBUTTONDOWN});
    waitPastDoubleClickTime();
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_EQ(clicks, 1);
}

TEST_F(TrayClickTest, FurtherButtonDownDoesNotRestartTheClickTimer)
{
    constexpr int longer = 300; // wide margins for a busy machine
    QApplication::setDoubleClickInterval(longer);
    QElapsedTimer elapsed;
    elapsed.start();
    send({Mouse::WM_LBUTTONDOWN});
    QTest::qWait(longer / 2);
    send({Mouse::WM_LBUTTONDOWN});
    ASSERT_TRUE(QTest::qWaitFor([this] { return clicks > 0; }, 2000));
    EXPECT_LT(elapsed.elapsed(), longer / 2 + longer - 50); // a restart would have taken this long
    EXPECT_EQ(clicks, 1);
}

TEST_F(TrayClickTest, RightClickShowsThePopupMenuOnlyWithAutoPopupAndAMenu)
{
    tray->setAutoPopup(true);
    send({Mouse::WM_RBUTTONDOWN, Mouse::WM_RBUTTONUP});
    waitPastDoubleClickTime();
    EXPECT_EQ(clicks, 1); // no menu: an ordinary click

    QMenu menu;
    menu.addAction(QStringLiteral("E&xit"));
    tray->setPopupMenu(&menu);
    tray->setAutoPopup(false);
    send({Mouse::WM_RBUTTONDOWN, Mouse::WM_RBUTTONUP});
    waitPastDoubleClickTime();
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(menu.isVisible());

    tray->setAutoPopup(true);
    send({Mouse::WM_LBUTTONDOWN, Mouse::WM_RBUTTONDOWN}); // the last button counts
    waitPastDoubleClickTime();
    EXPECT_EQ(clicks, 2);
    EXPECT_TRUE(menu.isVisible());
    menu.close();

    // A menu that goes away is forgotten: the right click is an ordinary click again.
    auto gone = std::make_unique<QMenu>();
    tray->setPopupMenu(gone.get());
    gone.reset();
    EXPECT_EQ(tray->popupMenu(), nullptr);
    send({Mouse::WM_RBUTTONDOWN});
    waitPastDoubleClickTime();
    EXPECT_EQ(clicks, 3);
}

TEST_F(TrayClickTest, MouseMoveIsReportedOnlyWhileNoClickIsPending)
{
    int moves = 0;
    QPoint where;
    tray->setOnMouseMove([&](TrayIcon&, Qt::KeyboardModifiers, Qt::MouseButtons, int x, int y) {
        ++moves;
        where = QPoint(x, y);
    });
    send({Mouse::WM_MOUSEMOVE});
    EXPECT_EQ(moves, 1);
    EXPECT_EQ(where, QCursor::pos());

    send({Mouse::WM_LBUTTONDOWN, Mouse::WM_MOUSEMOVE, Mouse::WM_MOUSEMOVE});
    EXPECT_EQ(moves, 1);
    waitPastDoubleClickTime();
    send({Mouse::WM_MOUSEMOVE});
    EXPECT_EQ(moves, 2);
}

// The desktop's tray: add shows, modify updates, delete hides, and its activations reach the message
// window named in the record.
class QtTrayShellTest : public TrayClickTest {
protected:
    QSystemTrayIcon* systemIcon() { return qtShell.findChild<QSystemTrayIcon*>(); }

    void notify(TrayShellMessage message, const QColor& colour, const QString& tip)
    {
        TrayNotifyIconData data = calls.back().data;
        data.hIcon = solidIcon(colour);
        data.szTip = tip;
        qtShell.shellNotifyIcon(message, data);
    }

    QtTrayShell qtShell;
};

TEST_F(QtTrayShellTest, AddModifyAndDeleteDriveTheSystemTrayIcon)
{
    // Made by the first add: a start that never uses the tray does not ask the desktop for it.
    notify(TrayShellMessage::NIM_DELETE, Qt::red, QString());
    EXPECT_EQ(systemIcon(), nullptr);
    notify(TrayShellMessage::NIM_ADD, Qt::red, QStringLiteral("Klaxora!"));
    QSystemTrayIcon* const icon = systemIcon();
    ASSERT_NE(icon, nullptr);
    EXPECT_TRUE(icon->isVisible());
    EXPECT_EQ(icon->toolTip(), QStringLiteral("Klaxora!"));
    EXPECT_EQ(iconColour(icon->icon()), QColor(Qt::red));
    notify(TrayShellMessage::NIM_MODIFY, Qt::blue, QString());
    EXPECT_TRUE(icon->isVisible());
    EXPECT_EQ(iconColour(icon->icon()), QColor(Qt::blue));
    EXPECT_TRUE(icon->toolTip().isEmpty());
    notify(TrayShellMessage::NIM_DELETE, Qt::blue, QString());
    EXPECT_FALSE(icon->isVisible());
}

TEST_F(QtTrayShellTest, ActivationsBecomeClicksDoubleClicksAndTheMenu)
{
    notify(TrayShellMessage::NIM_ADD, Qt::red, QString());
    QSystemTrayIcon* const icon = systemIcon();
    ASSERT_NE(icon, nullptr);
    emit icon->activated(QSystemTrayIcon::Trigger);
    ASSERT_TRUE(QTest::qWaitFor([this] { return clicks > 0; }, 2000));

    // Qt reports a double click as Trigger, then DoubleClick.
    emit icon->activated(QSystemTrayIcon::Trigger);
    emit icon->activated(QSystemTrayIcon::DoubleClick);
    ASSERT_TRUE(QTest::qWaitFor([this] { return doubleClicks > 0; }, 2000));

    QMenu menu;
    menu.addAction(QStringLiteral("&Show Alarms"));
    tray->setPopupMenu(&menu);
    tray->setAutoPopup(true);
    emit icon->activated(QSystemTrayIcon::Context);
    ASSERT_TRUE(QTest::qWaitFor([&menu] { return menu.isVisible(); }, 2000));
    menu.close();
    emit icon->activated(QSystemTrayIcon::MiddleClick);
    waitPastDoubleClickTime();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(doubleClicks, 1);
}

TEST(NotificationArea, IsMissingOnTheOffscreenPlatform)
{
    EXPECT_EQ(isNotificationAreaAvailable(), QSystemTrayIcon::isSystemTrayAvailable());
    EXPECT_FALSE(isNotificationAreaAvailable());
}

} // namespace
} // namespace klaxora

// Clicks on the tray icon: the click timer that tells single, double and right clicks apart, the pop-up
// menu, mouse moves, and the route from QSystemTrayIcon's activations.
#include "controls/fake_tray_shell.h"
#include "controls/qt_tray_shell.h"
#include "controls/qx_tray_icon.h"

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
        auto shell = std::make_unique<FakeTrayShell>(calls_);
        shell_ = shell.get();
        tray_ = new TQXTrayIcon95(&owner_, std::move(shell));
        tray_->Loaded();
        tray_->Activate();
        tray_->SetOnClick([this](TQXTrayIcon95& sender) {
            EXPECT_EQ(&sender, tray_);
            ++clicks_;
        });
        tray_->SetOnDblClick([this](TQXTrayIcon95& sender) {
            EXPECT_EQ(&sender, tray_);
            ++doubleClicks_;
        });
    }

    void Send(std::initializer_list<Mouse> messages)
    {
        for (Mouse message : messages) {
            shell_->Deliver(message);
        }
    }
    // Long enough for the click timer to have fired.
    static void WaitPastDoubleClickTime() { QTest::qWait(DoubleClickTime * 4); }

    std::vector<RecordedTrayCall> calls_;
    QWidget owner_;
    FakeTrayShell* shell_;
    TQXTrayIcon95* tray_;
    int clicks_ = 0;
    int doubleClicks_ = 0;
};

TEST_F(TrayClickTest, SingleClickFiresOnceAfterTheDoubleClickTime)
{
    QElapsedTimer elapsed;
    elapsed.start();
    Send({Mouse::WM_LBUTTONDOWN, Mouse::WM_LBUTTONUP});
    EXPECT_EQ(clicks_, 0);
    ASSERT_TRUE(QTest::qWaitFor([this] { return clicks_ > 0; }, 2000));
    EXPECT_GE(elapsed.elapsed(), DoubleClickTime - 5);
    WaitPastDoubleClickTime();
    EXPECT_EQ(clicks_, 1);
    EXPECT_EQ(doubleClicks_, 0);
}

TEST_F(TrayClickTest, DoubleClickFiresOnlyOnDblClick)
{
    Send({Mouse::WM_LBUTTONDOWN, Mouse::WM_LBUTTONUP, Mouse::WM_LBUTTONDBLCLK, Mouse::WM_LBUTTONUP});
    WaitPastDoubleClickTime();
    EXPECT_EQ(doubleClicks_, 1);
    EXPECT_EQ(clicks_, 0);

    // A button-down after the double-click message makes it a click again.
    Send({Mouse::WM_LBUTTONDOWN, Mouse::WM_RBUTTONDBLCLK, Mouse::WM_LBUTTONDOWN});
    WaitPastDoubleClickTime();
    EXPECT_EQ(doubleClicks_, 1);
    EXPECT_EQ(clicks_, 1);
}

TEST_F(TrayClickTest, FurtherButtonDownDoesNotRestartTheClickTimer)
{
    constexpr int longer = 300; // wide margins for a busy machine
    QApplication::setDoubleClickInterval(longer);
    QElapsedTimer elapsed;
    elapsed.start();
    Send({Mouse::WM_LBUTTONDOWN});
    QTest::qWait(longer / 2);
    Send({Mouse::WM_LBUTTONDOWN});
    ASSERT_TRUE(QTest::qWaitFor([this] { return clicks_ > 0; }, 2000));
    EXPECT_LT(elapsed.elapsed(), longer / 2 + longer - 50); // a restart would have taken this long
    EXPECT_EQ(clicks_, 1);
}

TEST_F(TrayClickTest, RightClickShowsThePopupMenuOnlyWithAutoPopupAndAMenu)
{
    tray_->SetAutoPopup(true);
    Send({Mouse::WM_RBUTTONDOWN, Mouse::WM_RBUTTONUP});
    WaitPastDoubleClickTime();
    EXPECT_EQ(clicks_, 1); // no menu: an ordinary click

    QMenu menu;
    menu.addAction(QStringLiteral("E&xit"));
    tray_->SetPopupMenu(&menu);
    tray_->SetAutoPopup(false);
    Send({Mouse::WM_RBUTTONDOWN, Mouse::WM_RBUTTONUP});
    WaitPastDoubleClickTime();
    EXPECT_EQ(clicks_, 2);
    EXPECT_FALSE(menu.isVisible());

    tray_->SetAutoPopup(true);
    Send({Mouse::WM_LBUTTONDOWN, Mouse::WM_RBUTTONDOWN}); // the last button counts
    WaitPastDoubleClickTime();
    EXPECT_EQ(clicks_, 2);
    EXPECT_TRUE(menu.isVisible());
    menu.close();

    // A menu that goes away is forgotten: the right click is an ordinary click again.
    auto gone = std::make_unique<QMenu>();
    tray_->SetPopupMenu(gone.get());
    gone.reset();
    EXPECT_EQ(tray_->PopupMenu(), nullptr);
    Send({Mouse::WM_RBUTTONDOWN});
    WaitPastDoubleClickTime();
    EXPECT_EQ(clicks_, 3);
}

TEST_F(TrayClickTest, MouseMoveIsReportedOnlyWhileNoClickIsPending)
{
    int moves = 0;
    QPoint where;
    tray_->SetOnMouseMove([&](TQXTrayIcon95&, Qt::KeyboardModifiers, Qt::MouseButtons, int x, int y) {
        ++moves;
        where = QPoint(x, y);
    });
    Send({Mouse::WM_MOUSEMOVE});
    EXPECT_EQ(moves, 1);
    EXPECT_EQ(where, QCursor::pos());

    Send({Mouse::WM_LBUTTONDOWN, Mouse::WM_MOUSEMOVE, Mouse::WM_MOUSEMOVE});
    EXPECT_EQ(moves, 1);
    WaitPastDoubleClickTime();
    Send({Mouse::WM_MOUSEMOVE});
    EXPECT_EQ(moves, 2);
}

// The desktop's tray: add shows, modify updates, delete hides, and its activations reach the message
// window named in the record.
class QtTrayShellTest : public TrayClickTest {
protected:
    QSystemTrayIcon* SystemIcon() { return qtShell_.findChild<QSystemTrayIcon*>(); }

    void Notify(TrayShellMessage message, const QColor& colour, const QString& tip)
    {
        TrayNotifyIconData data = calls_.back().data;
        data.hIcon = SolidIcon(colour);
        data.szTip = tip;
        qtShell_.Shell_NotifyIcon(message, data);
    }

    QtTrayShell qtShell_;
};

TEST_F(QtTrayShellTest, AddModifyAndDeleteDriveTheSystemTrayIcon)
{
    // Made by the first add: a start that never uses the tray does not ask the desktop for it.
    Notify(TrayShellMessage::NIM_DELETE, Qt::red, QString());
    EXPECT_EQ(SystemIcon(), nullptr);
    Notify(TrayShellMessage::NIM_ADD, Qt::red, QStringLiteral("Klaxora!"));
    QSystemTrayIcon* const systemIcon = SystemIcon();
    ASSERT_NE(systemIcon, nullptr);
    EXPECT_TRUE(systemIcon->isVisible());
    EXPECT_EQ(systemIcon->toolTip(), QStringLiteral("Klaxora!"));
    EXPECT_EQ(IconColour(systemIcon->icon()), QColor(Qt::red));
    Notify(TrayShellMessage::NIM_MODIFY, Qt::blue, QString());
    EXPECT_TRUE(systemIcon->isVisible());
    EXPECT_EQ(IconColour(systemIcon->icon()), QColor(Qt::blue));
    EXPECT_TRUE(systemIcon->toolTip().isEmpty());
    Notify(TrayShellMessage::NIM_DELETE, Qt::blue, QString());
    EXPECT_FALSE(systemIcon->isVisible());
}

TEST_F(QtTrayShellTest, ActivationsBecomeClicksDoubleClicksAndTheMenu)
{
    Notify(TrayShellMessage::NIM_ADD, Qt::red, QString());
    QSystemTrayIcon* const systemIcon = SystemIcon();
    ASSERT_NE(systemIcon, nullptr);
    emit systemIcon->activated(QSystemTrayIcon::Trigger);
    ASSERT_TRUE(QTest::qWaitFor([this] { return clicks_ > 0; }, 2000));

    // Qt reports a double click as Trigger, then DoubleClick.
    emit systemIcon->activated(QSystemTrayIcon::Trigger);
    emit systemIcon->activated(QSystemTrayIcon::DoubleClick);
    ASSERT_TRUE(QTest::qWaitFor([this] { return doubleClicks_ > 0; }, 2000));

    QMenu menu;
    menu.addAction(QStringLiteral("&Show Alarms"));
    tray_->SetPopupMenu(&menu);
    tray_->SetAutoPopup(true);
    emit systemIcon->activated(QSystemTrayIcon::Context);
    ASSERT_TRUE(QTest::qWaitFor([&menu] { return menu.isVisible(); }, 2000));
    menu.close();
    emit systemIcon->activated(QSystemTrayIcon::MiddleClick);
    WaitPastDoubleClickTime();
    EXPECT_EQ(clicks_, 1);
    EXPECT_EQ(doubleClicks_, 1);
}

TEST(NotificationArea, IsMissingOnTheOffscreenPlatform)
{
    EXPECT_EQ(IsNotificationAreaAvailable(), QSystemTrayIcon::isSystemTrayAvailable());
    EXPECT_FALSE(IsNotificationAreaAvailable());
}

} // namespace
} // namespace klaxora

// The tray icon's conversation with the shell: adds, modifies and deletes, tips, pictures and states.
#include "controls/fake_tray_shell.h"
#include "controls/tray_icon.h"

#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

namespace klaxora {
namespace {

using Msg = TrayShellMessage;

class TrayIconTest : public ::testing::Test {
protected:
    TrayIconTest()
    {
        tray = new TrayIcon(&owner, std::make_unique<FakeTrayShell>(calls)); // owned by the window
    }

    std::vector<Msg> messages() const
    {
        std::vector<Msg> messages;
        for (const RecordedTrayCall& call : calls) {
            messages.push_back(call.message);
        }
        return messages;
    }
    const TrayNotifyIconData& last() const { return calls.back().data; }

    std::vector<RecordedTrayCall> calls; // outlives the component
    QWidget owner;
    TrayIcon* tray;
};

TEST_F(TrayIconTest, NothingReachesTheShellWhileLoadingAndLoadedAddsAnActiveIconOnce)
{
    tray->setIcon(solidIcon(Qt::red));
    tray->setActive(true);
    tray->setHint(QStringLiteral("Alarms"));
    tray->setState(TrayIconState::tsDisabled);
    tray->setState(TrayIconState::tsEnabled);
    EXPECT_TRUE(calls.empty());

    tray->loaded();
    ASSERT_EQ(messages(), std::vector<Msg>{Msg::NIM_ADD});
    const TrayNotifyIconData& data = last();
    EXPECT_EQ(data.hWnd, calls.front().data.hWnd);
    EXPECT_NE(data.hWnd, nullptr);
    EXPECT_EQ(data.uID, 42u);
    EXPECT_EQ(data.uFlags, 7u);
    EXPECT_EQ(data.uCallbackMessage, 1124u);
    EXPECT_EQ(data.szTip, QStringLiteral("Alarms"));
    EXPECT_EQ(iconColour(data.hIcon), QColor(Qt::red));
    EXPECT_TRUE(tray->active());
}

TEST_F(TrayIconTest, ActivateAndDeactivateAreNotRepeatedAndDestroyingRemovesTheIcon)
{
    tray->loaded();
    EXPECT_TRUE(calls.empty()); // not active: nothing to add
    tray->deactivate();
    tray->activate();
    tray->activate();
    tray->setActive(true);
    tray->deactivate();
    tray->setActive(false);
    EXPECT_EQ(messages(), (std::vector<Msg>{Msg::NIM_ADD, Msg::NIM_DELETE}));
    EXPECT_FALSE(tray->active());

    tray->activate();
    delete tray; // destroying an active icon removes it
    EXPECT_EQ(messages(), (std::vector<Msg>{Msg::NIM_ADD, Msg::NIM_DELETE, Msg::NIM_ADD, Msg::NIM_DELETE}));
}

TEST_F(TrayIconTest, PictureChangesAreSentOnlyWhileActive)
{
    tray->loaded();
    tray->setIcon(solidIcon(Qt::red));
    tray->setDisabledIcon(solidIcon(Qt::gray));
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(iconColour(tray->currentIcon()), QColor(Qt::red));

    tray->activate();
    tray->setIcon(solidIcon(Qt::blue));
    ASSERT_EQ(messages(), (std::vector<Msg>{Msg::NIM_ADD, Msg::NIM_MODIFY}));
    EXPECT_EQ(iconColour(last().hIcon), QColor(Qt::blue));
    EXPECT_EQ(last().uFlags, 7u);

    tray->setState(TrayIconState::tsDisabled);
    EXPECT_EQ(iconColour(last().hIcon), QColor(Qt::gray));
    tray->setDisabledIcon(solidIcon(Qt::black));
    EXPECT_EQ(iconColour(last().hIcon), QColor(Qt::black));
    tray->setIcon(solidIcon(Qt::green)); // stored, but the disabled picture stays on show
    EXPECT_EQ(iconColour(last().hIcon), QColor(Qt::black));
    EXPECT_EQ(calls.size(), 5u);
}

TEST_F(TrayIconTest, TipIsTheFirst63CharactersOfTheHintAndEmptyWithoutShowHint)
{
    tray->loaded();
    tray->activate();
    const QString hint = QString(100, QLatin1Char('h'));
    tray->setHint(hint);
    EXPECT_EQ(last().szTip, QString(63, QLatin1Char('h')));
    const std::size_t sent = calls.size();
    tray->setHint(hint); // unchanged: nothing sent
    EXPECT_EQ(calls.size(), sent);

    tray->setShowHint(false);
    EXPECT_EQ(calls.back().message, Msg::NIM_MODIFY);
    EXPECT_TRUE(last().szTip.isEmpty());
    EXPECT_EQ(tray->hint(), hint);
    tray->setHint(QStringLiteral("other")); // stored only while tips are off
    EXPECT_TRUE(last().szTip.isEmpty());
    tray->setShowHint(true);
    EXPECT_EQ(last().szTip, QStringLiteral("other"));
}

TEST_F(TrayIconTest, TipCountsCharactersAndNeverSplitsOne)
{
    tray->loaded();
    tray->activate();
    const QString clock = QString::fromUtf8("\xE2\x8F\xB0");    // one UTF-16 unit
    const QString bell = QString::fromUtf8("\xF0\x9F\x94\x94"); // a surrogate pair
    tray->setHint(QString(62, QLatin1Char('x')) + bell + clock);
    EXPECT_EQ(last().szTip, QString(62, QLatin1Char('x')) + bell);
    tray->setHint(clock.repeated(70));
    EXPECT_EQ(last().szTip, clock.repeated(63));
}

TEST_F(TrayIconTest, StateSetWhileInactiveFiresNothingAndShowsAtActivate)
{
    tray->setIcon(solidIcon(Qt::red));
    tray->setDisabledIcon(solidIcon(Qt::gray));
    tray->loaded();
    int asked = 0;
    tray->setOnStateChanging([&](TrayIcon&, TrayIconState&) { ++asked; });
    tray->setState(TrayIconState::tsDisabled);
    EXPECT_EQ(asked, 0);
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(tray->state(), TrayIconState::tsDisabled);

    tray->activate();
    ASSERT_EQ(messages(), std::vector<Msg>{Msg::NIM_ADD});
    EXPECT_EQ(iconColour(last().hIcon), QColor(Qt::gray));
}

TEST_F(TrayIconTest, StateChangingHandlerCanRedirectOrCancelTheChange)
{
    tray->setIcon(solidIcon(Qt::red));
    tray->setDisabledIcon(solidIcon(Qt::gray));
    tray->loaded();
    tray->activate();
    TrayIconState answer = TrayIconState::tsEnabled; // back to the current state: cancel
    TrayIconState asked = TrayIconState::tsAnimated;
    tray->setOnStateChanging([&](TrayIcon& sender, TrayIconState& newState) {
        EXPECT_EQ(&sender, tray);
        asked = newState;
        newState = answer;
    });
    tray->setState(TrayIconState::tsDisabled);
    EXPECT_EQ(asked, TrayIconState::tsDisabled);
    EXPECT_EQ(tray->state(), TrayIconState::tsEnabled);
    EXPECT_EQ(calls.size(), 1u);

    answer = TrayIconState::tsDisabled;
    tray->setState(TrayIconState::tsAnimated);
    EXPECT_EQ(tray->state(), TrayIconState::tsDisabled);
    EXPECT_EQ(iconColour(last().hIcon), QColor(Qt::gray));
    EXPECT_FALSE(tray->animation().running());
}

TEST_F(TrayIconTest, ChangingAnyTrayStateInsideTheHandlerRaisesAndChangesNothing)
{
    tray->loaded();
    tray->activate();
    std::vector<RecordedTrayCall> otherCalls;
    TrayIcon other(nullptr, std::make_unique<FakeTrayShell>(otherCalls));
    other.loaded();
    std::string ownError;
    std::string otherError;
    tray->setOnStateChanging([&](TrayIcon& sender, TrayIconState&) {
        try {
            other.setState(TrayIconState::tsDisabled);
        } catch (const InvalidOperationError& error) {
            otherError = error.what();
        }
        try {
            sender.setState(TrayIconState::tsDisabled); // a second try is refused as well
        } catch (const InvalidOperationError& error) {
            ownError = error.what();
        }
        sender.setState(TrayIconState::tsAnimated); // not caught: ends the outer change
    });
    EXPECT_THROW(tray->setState(TrayIconState::tsDisabled), InvalidOperationError);
    EXPECT_EQ(ownError, "You cannot modify the state property in the OnStateChanging event !!!");
    EXPECT_EQ(otherError, ownError);
    EXPECT_EQ(tray->state(), TrayIconState::tsEnabled);
    EXPECT_EQ(other.state(), TrayIconState::tsEnabled);
    EXPECT_EQ(calls.size(), 1u);

    // The guard is down again once the handler has left.
    tray->setOnStateChanging(nullptr);
    tray->setState(TrayIconState::tsDisabled);
    other.setState(TrayIconState::tsDisabled);
    EXPECT_EQ(tray->state(), TrayIconState::tsDisabled);
    EXPECT_EQ(other.state(), TrayIconState::tsDisabled);
}

TEST_F(TrayIconTest, ShowAndHideApplicationOperateOnTheOwnerWindow)
{
    owner.showMinimized();
    tray->hideApplication();
    EXPECT_FALSE(owner.isVisible());
    tray->showApplication();
    EXPECT_TRUE(owner.isVisible());
    EXPECT_FALSE(owner.isMinimized());

    owner.showMaximized();
    owner.showMinimized();
    tray->hideApplication();
    tray->showApplication();
    EXPECT_FALSE(owner.isMinimized());
    EXPECT_TRUE(owner.isMaximized());
}

} // namespace
} // namespace klaxora

// The tray icon's conversation with the shell: adds, modifies and deletes, tips, pictures and states.
#include "controls/fake_tray_shell.h"
#include "controls/qx_tray_icon.h"

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
        tray_ = new TQXTrayIcon95(&owner_, std::make_unique<FakeTrayShell>(calls_)); // owned by the window
    }

    std::vector<Msg> Messages() const
    {
        std::vector<Msg> messages;
        for (const RecordedTrayCall& call : calls_) {
            messages.push_back(call.message);
        }
        return messages;
    }
    const TrayNotifyIconData& Last() const { return calls_.back().data; }

    std::vector<RecordedTrayCall> calls_; // outlives the component
    QWidget owner_;
    TQXTrayIcon95* tray_;
};

TEST_F(TrayIconTest, NothingReachesTheShellWhileLoadingAndLoadedAddsAnActiveIconOnce)
{
    tray_->SetIcon(SolidIcon(Qt::red));
    tray_->SetActive(true);
    tray_->SetHint(QStringLiteral("Alarms"));
    tray_->SetState(TQXTrayIconState::tsDisabled);
    tray_->SetState(TQXTrayIconState::tsEnabled);
    EXPECT_TRUE(calls_.empty());

    tray_->Loaded();
    ASSERT_EQ(Messages(), std::vector<Msg>{Msg::NIM_ADD});
    const TrayNotifyIconData& data = Last();
    EXPECT_EQ(data.hWnd, calls_.front().data.hWnd);
    EXPECT_NE(data.hWnd, nullptr);
    EXPECT_EQ(data.uID, 42u);
    EXPECT_EQ(data.uFlags, 7u);
    EXPECT_EQ(data.uCallbackMessage, 1124u);
    EXPECT_EQ(data.szTip, QStringLiteral("Alarms"));
    EXPECT_EQ(IconColour(data.hIcon), QColor(Qt::red));
    EXPECT_TRUE(tray_->Active());
}

TEST_F(TrayIconTest, ActivateAndDeactivateAreNotRepeatedAndDestroyingRemovesTheIcon)
{
    tray_->Loaded();
    EXPECT_TRUE(calls_.empty()); // not active: nothing to add
    tray_->Deactivate();
    tray_->Activate();
    tray_->Activate();
    tray_->SetActive(true);
    tray_->Deactivate();
    tray_->SetActive(false);
    EXPECT_EQ(Messages(), (std::vector<Msg>{Msg::NIM_ADD, Msg::NIM_DELETE}));
    EXPECT_FALSE(tray_->Active());

    tray_->Activate();
    delete tray_; // destroying an active icon removes it
    EXPECT_EQ(Messages(), (std::vector<Msg>{Msg::NIM_ADD, Msg::NIM_DELETE, Msg::NIM_ADD, Msg::NIM_DELETE}));
}

TEST_F(TrayIconTest, PictureChangesAreSentOnlyWhileActive)
{
    tray_->Loaded();
    tray_->SetIcon(SolidIcon(Qt::red));
    tray_->SetDisabledIcon(SolidIcon(Qt::gray));
    EXPECT_TRUE(calls_.empty());
    EXPECT_EQ(IconColour(tray_->CurrentIcon()), QColor(Qt::red));

    tray_->Activate();
    tray_->SetIcon(SolidIcon(Qt::blue));
    ASSERT_EQ(Messages(), (std::vector<Msg>{Msg::NIM_ADD, Msg::NIM_MODIFY}));
    EXPECT_EQ(IconColour(Last().hIcon), QColor(Qt::blue));
    EXPECT_EQ(Last().uFlags, 7u);

    tray_->SetState(TQXTrayIconState::tsDisabled);
    EXPECT_EQ(IconColour(Last().hIcon), QColor(Qt::gray));
    tray_->SetDisabledIcon(SolidIcon(Qt::black));
    EXPECT_EQ(IconColour(Last().hIcon), QColor(Qt::black));
    tray_->SetIcon(SolidIcon(Qt::green)); // stored, but the disabled picture stays on show
    EXPECT_EQ(IconColour(Last().hIcon), QColor(Qt::black));
    EXPECT_EQ(calls_.size(), 5u);
}

TEST_F(TrayIconTest, TipIsTheFirst63CharactersOfTheHintAndEmptyWithoutShowHint)
{
    tray_->Loaded();
    tray_->Activate();
    const QString hint = QString(100, QLatin1Char('h'));
    tray_->SetHint(hint);
    EXPECT_EQ(Last().szTip, QString(63, QLatin1Char('h')));
    const std::size_t sent = calls_.size();
    tray_->SetHint(hint); // unchanged: nothing sent
    EXPECT_EQ(calls_.size(), sent);

    tray_->SetShowHint(false);
    EXPECT_EQ(calls_.back().message, Msg::NIM_MODIFY);
    EXPECT_TRUE(Last().szTip.isEmpty());
    EXPECT_EQ(tray_->Hint(), hint);
    tray_->SetHint(QStringLiteral("other")); // stored only while tips are off
    EXPECT_TRUE(Last().szTip.isEmpty());
    tray_->SetShowHint(true);
    EXPECT_EQ(Last().szTip, QStringLiteral("other"));
}

TEST_F(TrayIconTest, TipCountsCharactersAndNeverSplitsOne)
{
    tray_->Loaded();
    tray_->Activate();
    const QString clock = QString::fromUtf8("\xE2\x8F\xB0");    // one UTF-16 unit
    const QString bell = QString::fromUtf8("\xF0\x9F\x94\x94"); // a surrogate pair
    tray_->SetHint(QString(62, QLatin1Char('x')) + bell + clock);
    EXPECT_EQ(Last().szTip, QString(62, QLatin1Char('x')) + bell);
    tray_->SetHint(clock.repeated(70));
    EXPECT_EQ(Last().szTip, clock.repeated(63));
}

TEST_F(TrayIconTest, StateSetWhileInactiveFiresNothingAndShowsAtActivate)
{
    tray_->SetIcon(SolidIcon(Qt::red));
    tray_->SetDisabledIcon(SolidIcon(Qt::gray));
    tray_->Loaded();
    int asked = 0;
    tray_->SetOnStateChanging([&](TQXTrayIcon95&, TQXTrayIconState&) { ++asked; });
    tray_->SetState(TQXTrayIconState::tsDisabled);
    EXPECT_EQ(asked, 0);
    EXPECT_TRUE(calls_.empty());
    EXPECT_EQ(tray_->State(), TQXTrayIconState::tsDisabled);

    tray_->Activate();
    ASSERT_EQ(Messages(), std::vector<Msg>{Msg::NIM_ADD});
    EXPECT_EQ(IconColour(Last().hIcon), QColor(Qt::gray));
}

TEST_F(TrayIconTest, StateChangingHandlerCanRedirectOrCancelTheChange)
{
    tray_->SetIcon(SolidIcon(Qt::red));
    tray_->SetDisabledIcon(SolidIcon(Qt::gray));
    tray_->Loaded();
    tray_->Activate();
    TQXTrayIconState answer = TQXTrayIconState::tsEnabled; // back to the current state: cancel
    TQXTrayIconState asked = TQXTrayIconState::tsAnimated;
    tray_->SetOnStateChanging([&](TQXTrayIcon95& sender, TQXTrayIconState& newState) {
        EXPECT_EQ(&sender, tray_);
        asked = newState;
        newState = answer;
    });
    tray_->SetState(TQXTrayIconState::tsDisabled);
    EXPECT_EQ(asked, TQXTrayIconState::tsDisabled);
    EXPECT_EQ(tray_->State(), TQXTrayIconState::tsEnabled);
    EXPECT_EQ(calls_.size(), 1u);

    answer = TQXTrayIconState::tsDisabled;
    tray_->SetState(TQXTrayIconState::tsAnimated);
    EXPECT_EQ(tray_->State(), TQXTrayIconState::tsDisabled);
    EXPECT_EQ(IconColour(Last().hIcon), QColor(Qt::gray));
    EXPECT_FALSE(tray_->Animation().Running());
}

TEST_F(TrayIconTest, ChangingAnyTrayStateInsideTheHandlerRaisesAndChangesNothing)
{
    tray_->Loaded();
    tray_->Activate();
    std::vector<RecordedTrayCall> otherCalls;
    TQXTrayIcon95 other(nullptr, std::make_unique<FakeTrayShell>(otherCalls));
    other.Loaded();
    std::string ownError;
    std::string otherError;
    tray_->SetOnStateChanging([&](TQXTrayIcon95& sender, TQXTrayIconState&) {
        try {
            other.SetState(TQXTrayIconState::tsDisabled);
        } catch (const EInvalidOperation& error) {
            otherError = error.what();
        }
        try {
            sender.SetState(TQXTrayIconState::tsDisabled); // a second try is refused as well
        } catch (const EInvalidOperation& error) {
            ownError = error.what();
        }
        sender.SetState(TQXTrayIconState::tsAnimated); // not caught: ends the outer change
    });
    EXPECT_THROW(tray_->SetState(TQXTrayIconState::tsDisabled), EInvalidOperation);
    EXPECT_EQ(ownError, "You cannot modify the state property in the OnStateChanging event !!!");
    EXPECT_EQ(otherError, ownError);
    EXPECT_EQ(tray_->State(), TQXTrayIconState::tsEnabled);
    EXPECT_EQ(other.State(), TQXTrayIconState::tsEnabled);
    EXPECT_EQ(calls_.size(), 1u);

    // The guard is down again once the handler has left.
    tray_->SetOnStateChanging(nullptr);
    tray_->SetState(TQXTrayIconState::tsDisabled);
    other.SetState(TQXTrayIconState::tsDisabled);
    EXPECT_EQ(tray_->State(), TQXTrayIconState::tsDisabled);
    EXPECT_EQ(other.State(), TQXTrayIconState::tsDisabled);
}

TEST_F(TrayIconTest, ShowAndHideApplicationOperateOnTheOwnerWindow)
{
    owner_.showMinimized();
    tray_->HideApplication();
    EXPECT_FALSE(owner_.isVisible());
    tray_->ShowApplication();
    EXPECT_TRUE(owner_.isVisible());
    EXPECT_FALSE(owner_.isMinimized());

    owner_.showMaximized();
    owner_.showMinimized();
    tray_->HideApplication();
    tray_->ShowApplication();
    EXPECT_FALSE(owner_.isMinimized());
    EXPECT_TRUE(owner_.isMaximized());
}

} // namespace
} // namespace klaxora

// The desktop notice that goes with the notification window, against a fake notification service on a
// private session bus: the real engine, notifier and dialog on the offscreen platform.
#include "engine/alarm_engine.h"
#include "engine/engine_surroundings.h"
#include "engine/fake_notification_service.h"
#include "support/modal_answer.h"
#include "support/named_child.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace klaxora {
namespace {

class DesktopNoticeTest : public ::testing::Test, protected test::EngineSurroundings {
protected:
    static void SetUpTestSuite() { bus = std::make_unique<test::PrivateSessionBus>(); }
    static void TearDownTestSuite() { bus.reset(); }

    void SetUp() override
    {
        if (!bus->isRunning()) {
            GTEST_SKIP() << "no dbus-daemon to run a private session bus (package dbus-daemon)";
        }
    }

    void startService(QStringList capabilities = {"body", "actions"})
    {
        service.emplace(*bus, std::move(capabilities));
    }

    // The engine the way the program builds it, but on the private bus; counts how often the notifier
    // asks for the bus.
    AlarmEngine& engine()
    {
        if (!engine_) {
            auto notifier = std::make_unique<FreedesktopNotifier>([this] {
                ++busRequests;
                return bus->connect(QStringLiteral("klaxora-under-test"));
            });
            engine_ = std::make_unique<AlarmEngine>(store, clock, preferences, window,
                                                    std::make_unique<test::FakeSoundBackend>(sound),
                                                    std::move(notifier));
        }
        return *engine_;
    }

    bool noticeShown() const { return service && !service->notifies.empty(); }
    bool noticeClosed() const { return service && !service->closes.empty(); }

    // Runs one tick with an alarm due now; `whileShown` gets the dialog up and must answer it.
    void fireAlarm(const char* message, AlarmMode mode,
                   const std::function<void(NotificationDialog&)>& whileShown)
    {
        store.addAlarm("12:00pm", "06/10/2026", message, "/nowhere/bell.wav", mode);
        AlarmEngine& alarmEngine = engine();
        if (whileShown) {
            test::answerNextModal([&](QWidget*) { whileShown(alarmEngine.alarmShow()); });
        }
        alarmEngine.tick();
    }

    static inline std::unique_ptr<test::PrivateSessionBus> bus;
    std::optional<test::FakeNotificationService> service;
    int busRequests = 0;
    std::unique_ptr<AlarmEngine> engine_;
};

TEST_F(DesktopNoticeTest, ADueAlarmPutsUpOneCriticalNoticeWithItsMessageAndAnsweringTakesItDown)
{
    startService();
    engine().tick();
    // Nothing due yet: the bus is left alone.
    EXPECT_EQ(busRequests, 0);

    fireAlarm("Take the cake out", amMessageAndSound, [&](NotificationDialog& dialog) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return noticeShown(); }, 5000));
        EXPECT_FALSE(noticeClosed());
        QTest::mouseClick(testing::namedChild<QPushButton>(dialog, "snooze10MinutesButton"), Qt::LeftButton);
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return noticeClosed(); }, 5000));
    EXPECT_EQ(busRequests, 1);
    ASSERT_EQ(service->notifies.size(), 1U);
    const test::NotifyCall& notice = service->notifies[0];
    EXPECT_EQ(notice.summary, "Klaxora!");
    EXPECT_EQ(notice.appName, "Klaxora!");
    EXPECT_EQ(notice.body, "Take the cake out");
    EXPECT_EQ(notice.replacesId, 0U);
    EXPECT_EQ(notice.hints.value("urgency").metaType().id(), QMetaType::UChar);
    EXPECT_EQ(notice.hints.value("urgency").toInt(), 2);
    // Action keys and labels alternate; the only key is the default one, so no snooze or delete can be
    // given in the notice.
    ASSERT_EQ(notice.actions.size(), 2);
    EXPECT_EQ(notice.actions[0], "default");
    EXPECT_EQ(service->closes, std::vector<uint>{notice.id});
    // The snooze itself went through.
    EXPECT_EQ(store.todayList().count(), 1);
    EXPECT_TRUE(window.errors.empty());
}

TEST_F(DesktopNoticeTest, PickingTheNoticeBringsTheNotificationWindowToTheFront)
{
    startService();
    QWidget otherApplication;
    otherApplication.setWindowTitle("Another application");
    bool broughtToFront = false;
    bool otherActionIgnored = false;
    fireAlarm("Call back", amMessageOnly, [&](NotificationDialog& dialog) {
        if (!QTest::qWaitFor([&] { return noticeShown(); }, 5000)) {
            QTest::mouseClick(testing::namedChild<QPushButton>(dialog, "deleteButton"), Qt::LeftButton);
            return;
        }
        otherApplication.show();
        otherApplication.activateWindow();
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &otherApplication; }, 5000));
        const uint id = service->notifies[0].id;
        // A key the notice does not offer, and the default action of a notice of someone else.
        service->emitActionInvoked(id, "snooze");
        service->emitActionInvoked(id + 7, "default");
        QTest::qWait(300);
        otherActionIgnored = QApplication::activeWindow() == &otherApplication;
        service->emitActionInvoked(id, "default");
        broughtToFront = QTest::qWaitFor([&] { return QApplication::activeWindow() == &dialog; }, 5000);
        QTest::mouseClick(testing::namedChild<QPushButton>(dialog, "deleteButton"), Qt::LeftButton);
    });
    EXPECT_TRUE(otherActionIgnored);
    EXPECT_TRUE(broughtToFront);
    EXPECT_EQ(store.baseAlarmList().count(), 0);
}

TEST_F(DesktopNoticeTest, SoundOnlyAlarmsPutUpNoNotice)
{
    startService();
    fireAlarm("Only a bell", amSoundOnly, nullptr);
    QTest::qWait(300);
    EXPECT_EQ(store.baseAlarmList().count(), 0);
    EXPECT_EQ(service->calls, 0);
    EXPECT_EQ(busRequests, 0);
}

TEST_F(DesktopNoticeTest, WithoutANotificationServiceTheAlarmIsAnsweredAsAlwaysAndNoErrorShows)
{
    bool shown = false;
    fireAlarm("Nobody listens", amMessageAndSound, [&](NotificationDialog& dialog) {
        shown = true;
        QTest::qWait(200);
        QTest::mouseClick(testing::namedChild<QPushButton>(dialog, "deleteButton"), Qt::LeftButton);
    });
    EXPECT_TRUE(shown);
    EXPECT_EQ(store.baseAlarmList().count(), 0);
    EXPECT_TRUE(window.errors.empty());

    // A service started later is found by the next alarm.
    startService();
    fireAlarm("Now someone does", amMessageOnly, [&](NotificationDialog& dialog) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return noticeShown(); }, 5000));
        QTest::mouseClick(testing::namedChild<QPushButton>(dialog, "deleteButton"), Qt::LeftButton);
    });
    EXPECT_TRUE(noticeShown());
}

// A service that reads the body as markup must get the message's own markup characters escaped, or "<"
// and "&" in a message break or vanish from the notice.
TEST_F(DesktopNoticeTest, TheMessageReachesTheServiceAsTextWhetherOrNotItReadsMarkup)
{
    struct Row {
        QStringList capabilities;
        const char* body;
    };
    for (const Row& row : {Row{{"body", "actions"}, "Tom & Jerry <3"},
                           Row{{"body", "body-markup", "actions"}, "Tom &amp; Jerry &lt;3"}}) {
        engine_.reset();
        startService(row.capabilities);
        fireAlarm("Tom & Jerry <3", amMessageOnly, [&](NotificationDialog& dialog) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return noticeShown(); }, 5000));
            QTest::mouseClick(testing::namedChild<QPushButton>(dialog, "deleteButton"), Qt::LeftButton);
        });
        ASSERT_EQ(service->notifies.size(), 1U) << row.capabilities.join(',').toStdString();
        EXPECT_EQ(service->notifies[0].body, row.body);
    }
}

} // namespace
} // namespace klaxora

#include "controls/spin_button.h"

#include <QAccessible>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <vector>

namespace klaxora {
namespace {

class SpinButtonTest : public ::testing::Test {
protected:
    SpinButtonTest()
    {
        spin.resize(17, 24);
        spin.show();
        QObject::connect(&spin, &SpinButton::upClick, [this] { upTimes.push_back(clock.elapsed()); });
    }

    QPoint up() const { return spin.upRect().center(); }
    QPoint down() const { return spin.downRect().center(); }

    SpinButton spin;
    QElapsedTimer clock;
    std::vector<qint64> upTimes;
};

TEST_F(SpinButtonTest, HeldHalfRepeatsFirstAfter400ThenEvery100Milliseconds)
{
    clock.start();
    QTest::mousePress(&spin, Qt::LeftButton, {}, up());
    EXPECT_EQ(upTimes.size(), 1U);

    QTest::qWait(300);
    EXPECT_EQ(upTimes.size(), 1U);

    while (clock.elapsed() < 1000) {
        QTest::qWait(10);
    }
    QTest::mouseRelease(&spin, Qt::LeftButton, {}, up());
    const std::size_t held = upTimes.size();
    ASSERT_GE(held, 4U);
    EXPECT_GE(upTimes[1] - upTimes[0], SpinButton::InitRepeatPause);
    qint64 shortest = upTimes[2] - upTimes[1];
    for (std::size_t i = 2; i < held; ++i) {
        shortest = std::min(shortest, upTimes[i] - upTimes[i - 1]);
    }
    EXPECT_GE(shortest, SpinButton::RepeatPause - 2);
    // Ten more steps would fit into the 600 ms; allow for a slow machine but not for a missing repeat.
    const double average = double(upTimes[held - 1] - upTimes[1]) / double(held - 2);
    EXPECT_LT(average, 2.0 * SpinButton::RepeatPause);

    QTest::qWait(250);
    EXPECT_EQ(upTimes.size(), held);
}

TEST_F(SpinButtonTest, EachHalfAndItsArrowKeySendItsOwnEvent)
{
    QSignalSpy downs(&spin, &SpinButton::downClick);
    QTest::mouseClick(&spin, Qt::LeftButton, {}, down());
    QTest::mouseClick(&spin, Qt::LeftButton, {}, down());
    QTest::mouseClick(&spin, Qt::LeftButton, {}, up());
    EXPECT_EQ(downs.count(), 2);
    EXPECT_EQ(upTimes.size(), 1U);
    QTest::mouseClick(&spin, Qt::RightButton, {}, up());
    EXPECT_EQ(upTimes.size(), 1U);

    // The arrow keys act as the halves when it has the focus; other keys do nothing.
    EXPECT_EQ(spin.focusPolicy(), Qt::StrongFocus);
    QTest::keyClick(&spin, Qt::Key_Up);
    QTest::keyClick(&spin, Qt::Key_Down);
    QTest::keyClick(&spin, Qt::Key_Left);
    QTest::keyClick(&spin, Qt::Key_Space);
    EXPECT_EQ(upTimes.size(), 2U);
    EXPECT_EQ(downs.count(), 3);
}

// Switch access steps it through a spin box's actions, once the asking call has returned: a step may put
// up a modal box.
TEST_F(SpinButtonTest, IncreaseAndDecreaseActionsStepFromTheEventLoop)
{
    clock.start();
    QSignalSpy downs(&spin, &SpinButton::downClick);
    QAccessibleInterface* read = QAccessible::queryAccessibleInterface(&spin);
    EXPECT_EQ(read->role(), QAccessible::SpinBox);
    read->actionInterface()->doAction(QAccessibleActionInterface::increaseAction());
    read->actionInterface()->doAction(QAccessibleActionInterface::decreaseAction());
    read->actionInterface()->doAction(QAccessibleActionInterface::decreaseAction());
    EXPECT_TRUE(upTimes.empty());
    EXPECT_TRUE(QTest::qWaitFor([&] { return downs.count() == 2; }));
    EXPECT_EQ(upTimes.size(), 1U);
}

TEST_F(SpinButtonTest, RepeatStopsWhileThePointerIsOffTheHeldHalf)
{
    clock.start();
    QTest::mousePress(&spin, Qt::LeftButton, {}, up());
    QTest::mouseMove(&spin, down());
    QTest::qWait(650);
    EXPECT_EQ(upTimes.size(), 1U);
    QTest::mouseMove(&spin, up());
    QTest::qWait(250);
    EXPECT_GE(upTimes.size(), 2U);
    QTest::mouseRelease(&spin, Qt::LeftButton, {}, up());
}

TEST_F(SpinButtonTest, RepeatStopsWhenTheReleaseWentElsewhere)
{
    // A handler that opens a message box lets the box receive the release.
    QWidget box;
    box.resize(50, 50);
    box.show();
    clock.start();
    QTest::mousePress(&spin, Qt::LeftButton, {}, up());
    QTest::mouseRelease(&box, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::qWait(650);
    EXPECT_EQ(upTimes.size(), 1U);
}

TEST_F(SpinButtonTest, RepeatStopsWhenAHandlerOpensAModalBox)
{
    QWidget box;
    box.setWindowModality(Qt::ApplicationModal);
    QObject::connect(&spin, &SpinButton::upClick, &box, [&box] { box.show(); });
    QTest::mousePress(&spin, Qt::LeftButton, {}, up());
    QTest::qWait(650);
    EXPECT_EQ(upTimes.size(), 1U);
    box.hide();
    QTest::mouseRelease(&spin, Qt::LeftButton, {}, up());
}

TEST_F(SpinButtonTest, RepeatStopsWhenDisabledOrHidden)
{
    QTest::mousePress(&spin, Qt::LeftButton, {}, up());
    spin.setEnabled(false);
    QTest::qWait(500);
    EXPECT_EQ(upTimes.size(), 1U);
    spin.setEnabled(true);
    QTest::mouseRelease(&spin, Qt::LeftButton, {}, up());

    QTest::mousePress(&spin, Qt::LeftButton, {}, up());
    spin.hide();
    QTest::qWait(500);
    EXPECT_EQ(upTimes.size(), 2U);
    spin.show();
    QTest::mouseRelease(&spin, Qt::LeftButton, {}, up());
}

} // namespace
} // namespace klaxora

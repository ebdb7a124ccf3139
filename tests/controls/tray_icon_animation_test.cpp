// The animated tray icon: frames in turn from files or the program's resources, the interval, restarts
// at frame 0, and frames that cannot be read.
#include "controls/fake_tray_shell.h"
#include "controls/tray_icon.h"

#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

namespace klaxora {
namespace {

constexpr int Interval = 40;

class TrayAnimationTest : public ::testing::Test {
protected:
    TrayAnimationTest()
    {
        tray = new TrayIcon(&owner, std::make_unique<FakeTrayShell>(calls));
        tray->setIcon(solidIcon(Qt::white));
        tray->animation().setInterval(Interval);
        tray->setOnAnimation([this](TrayIcon& sender) {
            EXPECT_EQ(&sender, tray);
            ++steps;
        });
        tray->loaded();
    }

    QString frame(const QString& name, const QColor& colour)
    {
        const QString path = frames.filePath(name + QStringLiteral(".png"));
        QImage picture(16, 16, QImage::Format_ARGB32);
        picture.fill(colour);
        picture.save(path);
        return path;
    }
    // The state is set first, so that the add is followed only by the animation's own steps.
    void startAnimated()
    {
        tray->setState(TrayIconState::tsAnimated);
        tray->activate();
    }
    // Colours of the pictures sent with modifies, in order; the first Count of them when given.
    std::vector<QColor> shown(std::size_t count = SIZE_MAX) const
    {
        std::vector<QColor> colours;
        for (const RecordedTrayCall& call : calls) {
            if (call.message == TrayShellMessage::NIM_MODIFY && colours.size() < count) {
                colours.push_back(iconColour(call.data.hIcon));
            }
        }
        return colours;
    }
    bool waitForShown(std::size_t count)
    {
        return QTest::qWaitFor([this, count] { return shown().size() >= count; }, 3000);
    }

    QTemporaryDir frames;
    std::vector<RecordedTrayCall> calls;
    QWidget owner;
    TrayIcon* tray;
    int steps = 0;
    const QColor red{Qt::red};
    const QColor green{Qt::green};
    const QColor blue{Qt::blue};
    const QColor white{Qt::white};
};

TEST_F(TrayAnimationTest, ThreeFramesShowInTurnTheFirstAtOnce)
{
    tray->animation().setIcons({frame("a", red), frame("b", green), frame("c", blue)});
    QElapsedTimer elapsed;
    elapsed.start();
    startAnimated();
    EXPECT_EQ(shown(), std::vector<QColor>{red});
    EXPECT_EQ(steps, 1);
    EXPECT_EQ(tray->animation().frameIndex(), 1);

    ASSERT_TRUE(waitForShown(4));
    EXPECT_GE(elapsed.elapsed(), 3 * Interval - 10); // timers may fire a little early
    EXPECT_EQ(shown(4), (std::vector<QColor>{red, green, blue, red}));
    EXPECT_GE(steps, 4);
}

TEST_F(TrayAnimationTest, EmptyListKeepsThePictureAndTheIndexAtZero)
{
    startAnimated();
    ASSERT_TRUE(waitForShown(3));
    for (const QColor& colour : shown()) {
        EXPECT_EQ(colour, white);
    }
    EXPECT_EQ(tray->animation().frameIndex(), 0);
    EXPECT_GE(steps, 3);
}

TEST_F(TrayAnimationTest, ChangingTheIntervalRestartsAtFrameZero)
{
    tray->animation().setIcons({frame("a", red), frame("b", green), frame("c", blue)});
    startAnimated();
    ASSERT_TRUE(waitForShown(2));
    tray->animation().setInterval(Interval + 10);
    EXPECT_EQ(shown().back(), red);
    EXPECT_EQ(tray->animation().frameIndex(), 1);
    const std::size_t shownBefore = shown().size();
    ASSERT_TRUE(waitForShown(shownBefore + 1));
    EXPECT_EQ(shown()[shownBefore], green);
    EXPECT_TRUE(tray->animation().running());
}

TEST_F(TrayAnimationTest, NewIconsWhileAnimatingStartAgainAtTheFirst)
{
    tray->animation().setIcons({frame("a", red), frame("b", green), frame("c", blue)});
    startAnimated();
    ASSERT_TRUE(waitForShown(2)); // red, green: the next would be blue
    tray->animation().setIcons({frame("d", white), frame("e", red)});
    EXPECT_EQ(tray->animation().frameIndex(), 0);
    ASSERT_TRUE(waitForShown(4));
    EXPECT_EQ(shown()[2], white);
    EXPECT_EQ(shown()[3], red);
}

TEST_F(TrayAnimationTest, UnreadableFrameFilesKeepThePreviousPicture)
{
    const QString notAnImage = frames.filePath(QStringLiteral("text.png"));
    QFile text(notAnImage);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a picture");
    text.close();
    tray->animation().setIcons(
        {frame("a", red), frames.filePath(QStringLiteral("missing.ico")), notAnImage, frame("b", blue)});
    startAnimated();
    ASSERT_TRUE(waitForShown(5));
    EXPECT_EQ(shown(5), (std::vector<QColor>{red, red, red, blue, red}));
}

TEST_F(TrayAnimationTest, FramesFromTheProgramsResourcesAndAMissingOneGivesAnEmptyPicture)
{
    tray->animation().setOptions(TrayIconAnimationOptions::aoIconsInExe);
    tray->animation().setIcons(
        {QStringLiteral("FRAME_RED"), QStringLiteral("NO_SUCH_ICON"), QStringLiteral("FRAME_BLUE")});
    startAnimated();
    ASSERT_TRUE(waitForShown(3));
    EXPECT_EQ(shown(3), (std::vector<QColor>{red, QColor(), blue}));
}

TEST_F(TrayAnimationTest, LeavingTheAnimatedStateOrTheTrayStopsTheFrames)
{
    tray->animation().setIcons({frame("a", red), frame("b", green)});
    startAnimated();
    tray->setState(TrayIconState::tsEnabled);
    EXPECT_EQ(shown().back(), white);
    EXPECT_FALSE(tray->animation().running());

    tray->setState(TrayIconState::tsAnimated);
    EXPECT_TRUE(tray->animation().running());
    tray->deactivate();
    EXPECT_FALSE(tray->animation().running());
    const std::size_t sent = calls.size();
    QTest::qWait(3 * Interval);
    EXPECT_EQ(calls.size(), sent);
    EXPECT_EQ(calls.back().message, TrayShellMessage::NIM_DELETE);
}

TEST(TrayAnimationLoading, AnActiveAnimatedIconStartsWhenLoaded)
{
    std::vector<RecordedTrayCall> calls;
    QWidget owner;
    auto* tray = new TrayIcon(&owner, std::make_unique<FakeTrayShell>(calls));
    tray->setActive(true);
    tray->setState(TrayIconState::tsAnimated);
    EXPECT_TRUE(calls.empty());
    tray->loaded();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].message, TrayShellMessage::NIM_ADD);
    EXPECT_EQ(calls[1].message, TrayShellMessage::NIM_MODIFY);
    EXPECT_TRUE(tray->animation().running());
}

} // namespace
} // namespace klaxora

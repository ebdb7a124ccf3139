// The animated tray icon: frames in turn from files or the program's resources, the interval, restarts
// at frame 0, and frames that cannot be read.
#include "controls/fake_tray_shell.h"
#include "controls/qx_tray_icon.h"

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
        tray_ = new TQXTrayIcon95(&owner_, std::make_unique<FakeTrayShell>(calls_));
        tray_->SetIcon(SolidIcon(Qt::white));
        tray_->Animation().SetInterval(Interval);
        tray_->SetOnAnimation([this](TQXTrayIcon95& sender) {
            EXPECT_EQ(&sender, tray_);
            ++steps_;
        });
        tray_->Loaded();
    }

    QString Frame(const QString& name, const QColor& colour)
    {
        const QString path = frames_.filePath(name + QStringLiteral(".png"));
        QImage picture(16, 16, QImage::Format_ARGB32);
        picture.fill(colour);
        picture.save(path);
        return path;
    }
    // The state is set first, so that the add is followed only by the animation's own steps.
    void StartAnimated()
    {
        tray_->SetState(TQXTrayIconState::tsAnimated);
        tray_->Activate();
    }
    // Colours of the pictures sent with modifies, in order; the first Count of them when given.
    std::vector<QColor> Shown(std::size_t count = SIZE_MAX) const
    {
        std::vector<QColor> colours;
        for (const RecordedTrayCall& call : calls_) {
            if (call.message == TrayShellMessage::NIM_MODIFY && colours.size() < count) {
                colours.push_back(IconColour(call.data.hIcon));
            }
        }
        return colours;
    }
    bool WaitForShown(std::size_t count)
    {
        return QTest::qWaitFor([this, count] { return Shown().size() >= count; }, 3000);
    }

    QTemporaryDir frames_;
    std::vector<RecordedTrayCall> calls_;
    QWidget owner_;
    TQXTrayIcon95* tray_;
    int steps_ = 0;
    const QColor red_{Qt::red};
    const QColor green_{Qt::green};
    const QColor blue_{Qt::blue};
    const QColor white_{Qt::white};
};

TEST_F(TrayAnimationTest, ThreeFramesShowInTurnTheFirstAtOnce)
{
    tray_->Animation().SetIcons({Frame("a", red_), Frame("b", green_), Frame("c", blue_)});
    QElapsedTimer elapsed;
    elapsed.start();
    StartAnimated();
    EXPECT_EQ(Shown(), std::vector<QColor>{red_});
    EXPECT_EQ(steps_, 1);
    EXPECT_EQ(tray_->Animation().FrameIndex(), 1);

    ASSERT_TRUE(WaitForShown(4));
    EXPECT_GE(elapsed.elapsed(), 3 * Interval - 10); // timers may fire a little early
    EXPECT_EQ(Shown(4), (std::vector<QColor>{red_, green_, blue_, red_}));
    EXPECT_GE(steps_, 4);
}

TEST_F(TrayAnimationTest, EmptyListKeepsThePictureAndTheIndexAtZero)
{
    StartAnimated();
    ASSERT_TRUE(WaitForShown(3));
    for (const QColor& colour : Shown()) {
        EXPECT_EQ(colour, white_);
    }
    EXPECT_EQ(tray_->Animation().FrameIndex(), 0);
    EXPECT_GE(steps_, 3);
}

TEST_F(TrayAnimationTest, ChangingTheIntervalRestartsAtFrameZero)
{
    tray_->Animation().SetIcons({Frame("a", red_), Frame("b", green_), Frame("c", blue_)});
    StartAnimated();
    ASSERT_TRUE(WaitForShown(2));
    tray_->Animation().SetInterval(Interval + 10);
    EXPECT_EQ(Shown().back(), red_);
    EXPECT_EQ(tray_->Animation().FrameIndex(), 1);
    const std::size_t shown = Shown().size();
    ASSERT_TRUE(WaitForShown(shown + 1));
    EXPECT_EQ(Shown()[shown], green_);
    EXPECT_TRUE(tray_->Animation().Running());
}

TEST_F(TrayAnimationTest, NewIconsWhileAnimatingStartAgainAtTheFirst)
{
    tray_->Animation().SetIcons({Frame("a", red_), Frame("b", green_), Frame("c", blue_)});
    StartAnimated();
    ASSERT_TRUE(WaitForShown(2)); // red, green: the next would be blue
    tray_->Animation().SetIcons({Frame("d", white_), Frame("e", red_)});
    EXPECT_EQ(tray_->Animation().FrameIndex(), 0);
    ASSERT_TRUE(WaitForShown(4));
    EXPECT_EQ(Shown()[2], white_);
    EXPECT_EQ(Shown()[3], red_);
}

TEST_F(TrayAnimationTest, UnreadableFrameFilesKeepThePreviousPicture)
{
    const QString notAnImage = frames_.filePath(QStringLiteral("text.png"));
    QFile text(notAnImage);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a picture");
    text.close();
    tray_->Animation().SetIcons(
        {Frame("a", red_), frames_.filePath(QStringLiteral("missing.ico")), notAnImage, Frame("b", blue_)});
    StartAnimated();
    ASSERT_TRUE(WaitForShown(5));
    EXPECT_EQ(Shown(5), (std::vector<QColor>{red_, red_, red_, blue_, red_}));
}

TEST_F(TrayAnimationTest, FramesFromTheProgramsResourcesAndAMissingOneGivesAnEmptyPicture)
{
    tray_->Animation().SetOptions(TQXTrayIconAnimationOptions::aoIconsInExe);
    tray_->Animation().SetIcons(
        {QStringLiteral("FRAME_RED"), QStringLiteral("NO_SUCH_ICON"), QStringLiteral("FRAME_BLUE")});
    StartAnimated();
    ASSERT_TRUE(WaitForShown(3));
    EXPECT_EQ(Shown(3), (std::vector<QColor>{red_, QColor(), blue_}));
}

TEST_F(TrayAnimationTest, LeavingTheAnimatedStateOrTheTrayStopsTheFrames)
{
    tray_->Animation().SetIcons({Frame("a", red_), Frame("b", green_)});
    StartAnimated();
    tray_->SetState(TQXTrayIconState::tsEnabled);
    EXPECT_EQ(Shown().back(), white_);
    EXPECT_FALSE(tray_->Animation().Running());

    tray_->SetState(TQXTrayIconState::tsAnimated);
    EXPECT_TRUE(tray_->Animation().Running());
    tray_->Deactivate();
    EXPECT_FALSE(tray_->Animation().Running());
    const std::size_t sent = calls_.size();
    QTest::qWait(3 * Interval);
    EXPECT_EQ(calls_.size(), sent);
    EXPECT_EQ(calls_.back().message, TrayShellMessage::NIM_DELETE);
}

TEST(TrayAnimationLoading, AnActiveAnimatedIconStartsWhenLoaded)
{
    std::vector<RecordedTrayCall> calls;
    QWidget owner;
    auto* tray = new TQXTrayIcon95(&owner, std::make_unique<FakeTrayShell>(calls));
    tray->SetActive(true);
    tray->SetState(TQXTrayIconState::tsAnimated);
    EXPECT_TRUE(calls.empty());
    tray->Loaded();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].message, TrayShellMessage::NIM_ADD);
    EXPECT_EQ(calls[1].message, TrayShellMessage::NIM_MODIFY);
    EXPECT_TRUE(tray->Animation().Running());
}

} // namespace
} // namespace klaxora

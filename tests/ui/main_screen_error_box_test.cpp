// An error in a handler of the main window ends the handler and shows in the application's standard error
// box; the program goes on.
#include "message_box_answer.h"
#include "ui/main_screen_test_support.h"

#include <QAction>
#include <QCheckBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <cerrno>

namespace klaxora::test {
namespace {

TEST_F(MainScreenTest, FailedSaveInAHandlerShowsTheErrorBoxAndTheProgramGoesOn)
{
    prepare(TwoFutureAlarms);
    MainScreen& screen = create();
    fileSystem.failAt(klaxora::testing::FileStep::Rename, EACCES);

    const auto seen = answerNextMessageBox();
    QTest::mouseClick(find<QCheckBox>("showTodayOnlyBox"), Qt::LeftButton);
    EXPECT_EQ(seen->caption, "Klaxora!");
    EXPECT_EQ(seen->text, "File access denied.");
    EXPECT_EQ(seen->icon, QMessageBox::Critical);
    EXPECT_EQ(seen->buttons, 1);
    EXPECT_EQ(alarmFileText(), TwoFutureAlarms);
    EXPECT_EQ(screen.store().rows().count(), 2) << "the failed save ended the handler before the reload";

    // The program goes on: the next click works.
    fileSystem.heal();
    QTest::mouseClick(find<QCheckBox>("showTodayOnlyBox"), Qt::LeftButton);
    EXPECT_EQ(screen.store().rows().count(), 2);
    EXPECT_FALSE(find<QCheckBox>("showTodayOnlyBox")->isChecked());
}

TEST_F(MainScreenTest, TraySettingThatCannotBeSavedKeepsItsCheckAndSaysWhy)
{
    prepare(TwoFutureAlarms);
    MainScreen& screen = create();
    fileSystem.failAt(klaxora::testing::FileStep::Open, EACCES);

    const auto seen = answerNextMessageBox();
    action("useTrayAction")->trigger();
    EXPECT_TRUE(seen->text.startsWith("Unable to write to ")) << seen->text.toStdString();
    EXPECT_TRUE(seen->text.endsWith("ALARM.INI.")) << seen->text.toStdString();
    EXPECT_TRUE(action("useTrayAction")->isChecked());
    EXPECT_TRUE(screen.currentPreferences().useTray);
}

} // namespace
} // namespace klaxora::test

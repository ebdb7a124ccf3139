#include "message_box_answer.h"
#include "ui/message_boxes.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace klaxora {
namespace {

TEST(MessageBoxes, ErrorBoxShowsTextWithFullStopUnderProgramCaption)
{
    const auto seen = test::answerNextMessageBox();
    showErrorBox(QStringLiteral("Disk full"));
    EXPECT_EQ(seen->caption, "Klaxora!");
    EXPECT_EQ(seen->text, "Disk full.");
    EXPECT_EQ(seen->icon, QMessageBox::Critical);
    EXPECT_EQ(seen->buttons, 1);
}

TEST(MessageBoxes, ConfirmBoxIsTrueOnlyForYes)
{
    const auto seen = test::answerNextMessageBox(QMessageBox::Yes);
    EXPECT_TRUE(confirmBox(QStringLiteral("Delete currently highlighted Alarm?")));
    EXPECT_EQ(seen->caption, "Confirm");
    EXPECT_EQ(seen->icon, QMessageBox::Question);
    EXPECT_EQ(seen->buttons, 2);

    test::answerNextMessageBox(QMessageBox::No);
    EXPECT_FALSE(confirmBox(QStringLiteral("Delete currently highlighted Alarm?")));
}

TEST(MessageBoxes, InformationBoxAndLongTextsAreCut)
{
    const auto seen = test::answerNextMessageBox();
    informationBox(QString(300, QLatin1Char('x')));
    EXPECT_EQ(seen->caption, "Information");
    EXPECT_EQ(seen->icon, QMessageBox::Information);
    EXPECT_EQ(seen->text.size(), 255);
}

TEST(MessageBoxes, CenterOverMainScreenHalvesTowardZero)
{
    QWidget mainWindow;
    mainWindow.setGeometry(100, 50, 571, 384);
    QWidget dialog;
    dialog.resize(200, 101);
    centerOverMainScreen(&dialog, &mainWindow);
    const QRect main = mainWindow.frameGeometry();
    EXPECT_EQ(dialog.frameGeometry().left(),
              main.left() + (main.width() - dialog.frameGeometry().width()) / 2);
    EXPECT_EQ(dialog.frameGeometry().top(),
              main.top() + (main.height() - dialog.frameGeometry().height()) / 2);

    // A dialog larger than the main window reaches out on both sides.
    dialog.resize(800, 500);
    centerOverMainScreen(&dialog, &mainWindow);
    EXPECT_LT(dialog.frameGeometry().left(), main.left());
    EXPECT_GT(dialog.frameGeometry().right(), main.right());
}

} // namespace
} // namespace klaxora

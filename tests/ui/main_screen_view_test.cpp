// What the main window shows and its own commands: layout, menus and hints, the clock, Show Today Only,
// updateButtons, help, About, and keeping a maximised window on the screen.
#include "controls/accelerator_text.h"
#include "controls/bevel_panel.h"
#include "controls/flat_button.h"
#include "message_box_answer.h"
#include "ui/about_window.h"
#include "ui/alarm_editor_dialog.h"
#include "ui/alarm_list_view.h"
#include "ui/help_files.h"
#include "ui/help_window.h"
#include "ui/main_screen_test_support.h"
#include "ui/window_placement.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace klaxora::test {
namespace {

QStringList captions(const QMenu* menu)
{
    QStringList captions;
    for (const QAction* action : menu->actions()) {
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return captions;
}

// The texts themselves are the program's own and checked by eye; these are what wiring can get wrong.
TEST_F(MainScreenTest, LayoutAndMenusAreWiredToTheirCommands)
{
    prepare(TwoFutureAlarms);
    MainScreen& screen = create();
    EXPECT_EQ(screen.windowTitle(), "Klaxora!");
    EXPECT_FALSE(screen.windowIcon().isNull());
    EXPECT_EQ(screen.size(), QSize(571 - 8, 384 - 27));

    const FlatButton* const commands[] = {button("addAlarmButton"), button("editAlarmButton"),
                                          button("deleteAlarmButton"), button("cloneButton"),
                                          button("adjustTimeButton")};
    int left = -1;
    for (const FlatButton* button : commands) {
        EXPECT_GT(button->x(), left) << "in the order of the command bar";
        left = button->x();
    }
    EXPECT_EQ(button("cloneButton")->dropDownMenu(), menu("cloneMenu"));
    EXPECT_EQ(button("adjustTimeButton")->dropDownMenu(), menu("adjustTimeMenu"));
    EXPECT_EQ(captions(menu("cloneMenu")), captions(menu("adjustTimeMenu")));
    EXPECT_EQ(alarmList()->popupMenu(), menu("alarmPopupMenu"));
    EXPECT_EQ(captions(menu("alarmPopupMenu")), QStringList({"&Edit", "&Delete"}));
    EXPECT_EQ(captions(menu("trayMenu")), QStringList({"&Show Alarms", "E&xit"}));
    const QList<QAction*> top = screen.menuBar()->actions();
    ASSERT_EQ(top.size(), 2);
    EXPECT_EQ(captions(top[0]->menu()),
              QStringList({"Select Default Sound File (*.wav)", "No Alarm Sound", "Minimize to System Tray",
                           "-", QStringLiteral("Import Alarms\u2026"), QStringLiteral("Export Alarms\u2026"),
                           QStringLiteral("Calendar\u2026"), "Sync Now", "-", "Exit"}));
    EXPECT_EQ(captions(top[1]->menu()),
              QStringList({"Contents", "-", "About", "-", "ZUV Software Products"}));

    // The two large buttons stand at the bottom corners.
    EXPECT_LT(button("minimizeButton")->mapTo(&screen, QPoint()).x(), 10);
    EXPECT_GT(button("exitButton")->mapTo(&screen, QPoint()).x() + 86, screen.width() - 10);
}

TEST_F(MainScreenTest, ClockShowsTheTimeAndTheTickRefreshesIt)
{
    prepare(TwoFutureAlarms);
    MainScreen& screen = create();
    EXPECT_EQ(find<BevelPanel>("clockPanel")->caption(), "09:00:00am");
    clock.set(klaxora::testing::at(2026, 6, 10, 14, 5, 9));
    screen.engine().tick();
    EXPECT_EQ(find<BevelPanel>("clockPanel")->caption(), "02:05:09pm");
}

// The program paints these itself; assistive technology learns what they are from their interfaces.
TEST_F(MainScreenTest, ScreenReadersReadTheButtonsTheClockAndTheRows)
{
    prepare("10:00am^Dentist^^3^06/10/2026^^0\r\n11:00am^Market^^3^06/13/2026^^0\r\n");
    create();
    const std::pair<FlatButton*, const char*> buttons[] = {
        {button("addAlarmButton"), "Add Alarm"},
        {button("editAlarmButton"), "Edit Alarm"},
        {button("deleteAlarmButton"), "Delete Alarm"},
        {button("cloneButton"), "Clone Alarm"},
        {button("adjustTimeButton"), "Adjust Time +/-"},
        {button("minimizeButton"), "Minimize"},
        {button("exitButton"), "Exit"},
    };
    QSet<QChar> altKeys; // every command has an Alt key of its own
    for (const auto& [button, name] : buttons) {
        SCOPED_TRACE(name);
        altKeys.insert(acceleratorOf(button->caption()).value_or(QChar()).toLower());
        QAccessibleInterface* read = QAccessible::queryAccessibleInterface(button);
        ASSERT_NE(read, nullptr);
        EXPECT_EQ(read->role(), QAccessible::Button);
        EXPECT_EQ(read->text(QAccessible::Name), QString::fromLatin1(name));
        EXPECT_EQ(read->text(QAccessible::Description), button->hint());
        EXPECT_FALSE(read->state().disabled);
    }
    EXPECT_FALSE(altKeys.contains(QChar()));
    EXPECT_EQ(altKeys.size(), 7);
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(button("cloneButton"))->state().hasPopup);

    QAccessibleInterface* panel = QAccessible::queryAccessibleInterface(find<BevelPanel>("clockPanel"));
    EXPECT_EQ(panel->role(), QAccessible::StaticText);
    EXPECT_EQ(panel->text(QAccessible::Name), "09:00:00am");
    EXPECT_EQ(panel->text(QAccessible::Value), "09:00:00am");

    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(alarmList());
    EXPECT_EQ(list->text(QAccessible::Name), "Alarms");
    QStringList rows;
    for (int i = 0; i < list->childCount(); ++i) {
        rows << list->child(i)->text(QAccessible::Name);
    }
    ASSERT_EQ(rows.size(), 2);
    EXPECT_TRUE(rows[0].contains("Dentist") && rows[0].endsWith(", today")) << rows[0].toStdString();
    EXPECT_TRUE(rows[1].contains("Market") && rows[1].endsWith(", future date")) << rows[1].toStdString();
}

TEST_F(MainScreenTest, ShowTodayOnlyFiltersRowsButTheFileKeepsEveryAlarmAndIsNotRemembered)
{
    prepare(TwoFutureAlarms);
    MainScreen& screen = create();
    ASSERT_EQ(screen.store().rows().count(), 2);
    EXPECT_FALSE(find<QCheckBox>("showTodayOnlyBox")->isChecked());

    QTest::mouseClick(find<QCheckBox>("showTodayOnlyBox"), Qt::LeftButton);
    ASSERT_TRUE(find<QCheckBox>("showTodayOnlyBox")->isChecked());
    EXPECT_EQ(alarmList()->model()->rowCount(), 0);
    EXPECT_EQ(alarmFileText(), TwoFutureAlarms);
    EXPECT_EQ(screen.store().baseAlarmList().count(), 2);

    QTest::mouseClick(find<QCheckBox>("showTodayOnlyBox"), Qt::LeftButton);
    EXPECT_EQ(alarmList()->model()->rowCount(), 2);
    EXPECT_EQ(alarmList()->selectedRow(), 0);
    EXPECT_TRUE(alarmList()->hasFocus() || !screen.isActiveWindow());
    EXPECT_EQ(alarmFileText(), TwoFutureAlarms);

    // Not remembered between runs.
    QTest::mouseClick(find<QCheckBox>("showTodayOnlyBox"), Qt::LeftButton);
    window.reset();
    MainScreen& again = create();
    EXPECT_FALSE(find<QCheckBox>("showTodayOnlyBox")->isChecked());
    EXPECT_EQ(again.store().rows().count(), 2);
}

TEST_F(MainScreenTest, UpdateButtonsAfterTheLastRowGoesLeavesCloneEnabled)
{
    prepare("10:00am^Dentist^^3^06/12/2026^^0\r\n");
    MainScreen& screen = create();
    ASSERT_EQ(alarmList()->selectedRow(), 0);
    EXPECT_TRUE(button("deleteAlarmButton")->isEnabled());

    action("popupDeleteAction")->trigger(); // the pop-up menu's "&Delete": no question
    EXPECT_EQ(screen.store().rows().count(), 0);
    EXPECT_FALSE(button("editAlarmButton")->isEnabled());
    EXPECT_FALSE(button("deleteAlarmButton")->isEnabled());
    EXPECT_FALSE(button("adjustTimeButton")->isEnabled());
    EXPECT_TRUE(button("cloneButton")->isEnabled());
    EXPECT_TRUE(button("addAlarmButton")->isEnabled());
    EXPECT_EQ(alarmFileText(), "");
}

TEST_F(MainScreenTest, HelpOpensTheMainTopicAndTheProductPage)
{
    prepare(TwoFutureAlarms);
    MainScreen& screen = create();
    EXPECT_EQ(screen.helpFile(), "KLAXORA.HLP");

    action("helpContentsAction")->trigger();
    auto* help = screen.findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->browser()->source(), helpTopicUrl(QStringLiteral("KLAXORA.HLP"), 1009));

    action("productPageAction")->trigger();
    EXPECT_EQ(help->browser()->source(), helpContentsUrl(QStringLiteral("ZUVSOFT.HLP")));
    EXPECT_EQ(screen.helpFile(), "KLAXORA.HLP") << "the application help file is kept";
}

TEST_F(MainScreenTest, AboutShowsOkCentredOnTopWithTheTimerOff)
{
    prepare(TwoFutureAlarms);
    MainScreen& screen = create();
    bool okVisible = false;
    bool timerRan = true;
    QPoint offCentre;
    answerNextModal([&](QWidget* modal) {
        auto* about = qobject_cast<AboutWindow*>(modal);
        ASSERT_NE(about, nullptr);
        okVisible = testing::namedChild<FlatButton>(*about, "okButton")->isVisible();
        timerRan = screen.engine().alarmTimer().isActive();
        offCentre = about->geometry().center() - about->screen()->geometry().center();
        QTest::keyClick(about, Qt::Key_Return);
    });
    action("aboutAction")->trigger();
    EXPECT_TRUE(okVisible);
    EXPECT_FALSE(timerRan);
    EXPECT_LE(offCentre.manhattanLength(), 2);
    EXPECT_TRUE(screen.engine().alarmTimer().isActive());
    EXPECT_EQ(screen.findChild<AboutWindow*>(), nullptr) << "freed after use";
}

TEST_F(MainScreenTest, ExportAndImportAlarmsGoThroughTheFileMenu)
{
    prepare(TwoFutureAlarms);
    MainScreen& screen = create();
    const std::string calendar = folder.file("alarms.ics");
    std::vector<bool> asked; // saving, or not
    screen.setCalendarFileChooser([&](QWidget*, bool saving) {
        asked.push_back(saving);
        return QString::fromStdString(calendar);
    });
    std::shared_ptr<SeenMessageBox> seen = answerNextMessageBox();
    action("exportAlarmsAction")->trigger();
    EXPECT_EQ(seen->text.toStdString(), "Alarms exported: 2, to " + calendar + ".");
    EXPECT_NE(klaxora::testing::readFile(calendar).find("SUMMARY:Market"), std::string::npos);

    seen = answerNextMessageBox();
    action("importAlarmsAction")->trigger();
    EXPECT_EQ(seen->text,
              QStringLiteral("Alarms added: 0. Events skipped: 2.\n  already in the list (same UID): 2"));
    EXPECT_EQ(asked, (std::vector<bool>{true, false}));
}

TEST_F(MainScreenTest, CommandsAreReachedFromButtonsMenusListAndKeys)
{
    prepare(TwoFutureAlarms);
    MainScreen& screen = create();
    ASSERT_EQ(alarmList()->selectedRow(), 0);

    const auto question = answerNextMessageBox(QMessageBox::No);
    QTest::keyClick(alarmList(), Qt::Key_Delete);
    EXPECT_EQ(question->text, "Delete currently highlighted Alarm?");
    EXPECT_EQ(screen.store().rows().count(), 2);

    const QList<QAction*> cloneEntries = menu("cloneMenu")->actions();
    ASSERT_EQ(cloneEntries.size(), 13);
    cloneEntries[4]->trigger(); // "+1 Day"
    EXPECT_EQ(screen.store().rows().count(), 3);
    menu("adjustTimeMenu")->actions()[0]->trigger(); // "+1 Minute"
    EXPECT_EQ(screen.store().rows().count(), 3);

    // The editor comes up from the button, Enter and a double click; each time it is cancelled here.
    int editors = 0;
    const auto cancelEditor = [&editors] {
        answerNextModal([&editors](QWidget* modal) {
            editors += qobject_cast<AlarmEditorDialog*>(modal) != nullptr ? 1 : 0;
            qobject_cast<QDialog*>(modal)->done(QDialog::Rejected);
        });
    };
    cancelEditor();
    emit button("addAlarmButton")->clicked();
    cancelEditor();
    QTest::keyClick(alarmList(), Qt::Key_Return);
    cancelEditor();
    QTest::mouseDClick(alarmList()->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(40, 5));
    EXPECT_EQ(editors, 3);
    EXPECT_EQ(screen.store().rows().count(), 3);
}

TEST(FitMaximizedToScreen, CutsHeightFirstThenWidthAtMostOnce)
{
    const QRect available(0, 30, 800, 570);
    EXPECT_EQ(fittedMaximizedFrame(QRect(-4, -4, 1000, 700), available), QRect(-4, 30, 1000, 570));
    EXPECT_EQ(fittedMaximizedFrame(QRect(-4, 40, 900, 500), available), QRect(0, 40, 800, 500));
    EXPECT_EQ(fittedMaximizedFrame(QRect(0, 30, 800, 570), available), std::nullopt);
}

} // namespace
} // namespace klaxora::test

// The alarm editor: time box rules, spinners, calendar buttons, repeat days, keys, Set Alarm and Options.
#include "controls/month_calendar.h"
#include "controls/spin_button.h"
#include "dialog_test_support.h"
#include "store/date_time_text.h"
#include "support/named_child.h"
#include "ui/alarm_editor_dialog.h"
#include "ui/alarm_options_dialog.h"
#include "ui/alarm_text_validator.h"
#include "ui/help_files.h"
#include "ui/help_window.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolTip>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace klaxora {
namespace {

using test::at;

class EditorTest : public ::testing::Test {
protected:
    EditorTest()
    {
        services.playWaveFile = [this](const std::string& file) { played.push_back(file); };
        services.chooseFile = [](QWidget*, const std::string&, const std::string&,
                                 const std::string&) -> std::optional<std::string> { return std::nullopt; };
        editor = std::make_unique<AlarmEditorDialog>(disk.store, disk.clock, services, &mainWindow);
    }

    void show()
    {
        editor->show();
        QApplication::processEvents();
    }
    CivilDate calendarDate() const
    {
        return decodeDate(testing::namedChild<MonthCalendar>(*editor, "calendar")->calendarDate());
    }
    QString time() const { return testing::namedChild<QLineEdit>(*editor, "timeEdit")->text(); }
    QCheckBox* repeatToggle(int day) const
    {
        return testing::namedChild<QCheckBox>(*editor, ("repeatToggle" + std::to_string(day)).c_str());
    }
    // The controls that Tab reaches after the message field, in their order.
    std::vector<QWidget*> tabChain() const
    {
        QWidget* message = testing::namedChild<QLineEdit>(*editor, "messageEdit");
        std::vector<QWidget*> chain;
        for (QWidget* w = message->nextInFocusChain(); w != message; w = w->nextInFocusChain()) {
            if (w->focusPolicy() & Qt::TabFocus)
                chain.push_back(w);
        }
        return chain;
    }
    void click(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10)); }

    test::StoreOnDisk disk;
    AlarmOptionsServices services;
    std::vector<std::string> played;
    QWidget mainWindow;
    std::unique_ptr<AlarmEditorDialog> editor;
};

TEST_F(EditorTest, OpensWithThePlaceholderSelectedAndTodaysDate)
{
    disk.clock.set(at(2026, 3, 6, 9, 41, 30));
    editor = std::make_unique<AlarmEditorDialog>(disk.store, disk.clock, services, &mainWindow);
    show();
    EXPECT_EQ(editor->size(), QSize(449, 378));
    EXPECT_EQ(editor->windowTitle(), "Alarm Description");
    EXPECT_EQ(editor->focusWidget(), testing::namedChild<QLineEdit>(*editor, "messageEdit"));
    EXPECT_EQ(testing::namedChild<QLineEdit>(*editor, "messageEdit")->selectedText(),
              "[Type alarm message here]");
    EXPECT_EQ(testing::namedChild<QLabel>(*editor, "timeInstruction")->text(), "Use format like:9:41 AM");
    EXPECT_EQ(testing::namedChild<QLabel>(*editor, "dateLabel")->text(), "Friday, March 6, 2026");
    EXPECT_EQ(calendarDate(), (CivilDate{2026, 3, 6}));
    // Tab runs through the message panel in its own order, then the repeat days from Sunday on.
    std::vector<QWidget*> expected{testing::namedChild<SpinButton>(*editor, "minutesSpinner"),
                                   testing::namedChild<QLineEdit>(*editor, "timeEdit"),
                                   testing::namedChild<SpinButton>(*editor, "hoursSpinner")};
    for (int day = 1; day <= 7; ++day)
        expected.push_back(repeatToggle(day));
    EXPECT_EQ(tabChain(), expected);
}

TEST_F(EditorTest, RepeatDaysFollowTheUsersWeekAndNamesAndTakeTheKeyboard)
{
    FormatSettings user = testing::usUser();
    user.firstDayOfWeek = 2;
    user.shortDayNames = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
    user.longDayNames = {"Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag"};
    AlarmStore store(disk.clock, DateTimeFormats(user), disk.folder.path().toStdString(), disk.fileSystem);
    editor = std::make_unique<AlarmEditorDialog>(store, disk.clock, services, &mainWindow);
    show();
    QStringList shown; // in the order Tab reaches them
    for (QWidget* w : tabChain()) {
        if (auto* toggle = qobject_cast<QCheckBox*>(w))
            shown << toggle->text() + "/" +
                         QAccessible::queryAccessibleInterface(toggle)->text(QAccessible::Name);
    }
    EXPECT_EQ(shown.join(", ").toStdString(),
              "Mo/Repeat on Montag, Di/Repeat on Dienstag, Mi/Repeat on Mittwoch, "
              "Do/Repeat on Donnerstag, Fr/Repeat on Freitag, Sa/Repeat on Samstag, "
              "So/Repeat on Sonntag");
    editor->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor.get()));
    QTest::keyClick(editor.get(), Qt::Key_R, Qt::AltModifier);
    QTest::keyClick(editor->focusWidget(), Qt::Key_Space);
    EXPECT_TRUE(repeatToggle(2)->isChecked());
    editor.reset(); // before its store
}

// A screen reader reads each field by its caption, the calendar's days by their long dates, and finds
// nothing that a sighted user does not see.
TEST_F(EditorTest, FieldsReadByTheirCaptionsAndNothingLiesOutOfSight)
{
    disk.clock.set(at(2026, 6, 10, 9, 0, 0));
    editor = std::make_unique<AlarmEditorDialog>(disk.store, disk.clock, services, &mainWindow);
    show();
    const auto read = [this](const char* name) {
        return QAccessible::queryAccessibleInterface(testing::namedChild<QWidget>(*editor, name));
    };
    EXPECT_EQ(read("messageEdit")->text(QAccessible::Name), "Message");
    EXPECT_EQ(read("timeEdit")->text(QAccessible::Name), "Time");
    EXPECT_EQ(read("hoursSpinner")->text(QAccessible::Name), "Hours");
    EXPECT_EQ(read("hoursSpinner")->text(QAccessible::Description), "Increase or decrease alarm time hours");
    EXPECT_EQ(read("minutesSpinner")->text(QAccessible::Name), "Minutes");
    QAccessibleInterface* calendar = read("calendar");
    EXPECT_EQ(calendar->text(QAccessible::Name), "Date");
    EXPECT_EQ(calendar->child(9)->text(QAccessible::Name), "Wednesday, June 10, 2026");

    const QRect window = QAccessible::queryAccessibleInterface(editor.get())->rect();
    std::vector<QAccessibleInterface*> pending{QAccessible::queryAccessibleInterface(editor.get())};
    while (!pending.empty()) {
        QAccessibleInterface* node = pending.back();
        pending.pop_back();
        if (!node->state().invisible) {
            EXPECT_TRUE(window.contains(node->rect())) << node->text(QAccessible::Name).toStdString();
        }
        for (int i = 0; i < node->childCount(); ++i)
            pending.push_back(node->child(i));
    }
}

// The message panel and the calendar's button strip show no hints; the calendar and the bottom buttons do.
TEST_F(EditorTest, HintsShowOnlyOutsideTheMessagePanelAndTheButtonStrip)
{
    show();
    const auto hintShown = [](QWidget* widget) {
        QToolTip::hideText();
        QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), widget->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(widget, &help);
        return QToolTip::isVisible() && QToolTip::text() == widget->toolTip();
    };
    for (QWidget* silent :
         std::initializer_list<QWidget*>{testing::namedChild<QLineEdit>(*editor, "messageEdit"),
                                         testing::namedChild<QLineEdit>(*editor, "timeEdit"),
                                         testing::namedChild<SpinButton>(*editor, "hoursSpinner"),
                                         testing::namedChild<SpinButton>(*editor, "minutesSpinner"),
                                         testing::namedChild<FlatButton>(*editor, "nextMonthButton")})
        EXPECT_FALSE(hintShown(silent)) << silent->toolTip().toStdString();
    EXPECT_TRUE(hintShown(testing::namedChild<MonthCalendar>(*editor, "calendar")));
    EXPECT_TRUE(hintShown(testing::namedChild<FlatButton>(*editor, "setAlarmButton")));
    QToolTip::hideText();
}

TEST_F(EditorTest, SpinnersStepTheTimeAndWrapWithoutTouchingTheDate)
{
    struct Step {
        const char* from;
        void (AlarmEditorDialog::*handler)();
        const char* to;
    };
    const std::vector<Step> steps{
        {"10:00 AM", &AlarmEditorDialog::hoursSpinnerUpClick, "11:00 AM"},
        {"10:00 AM", &AlarmEditorDialog::hoursSpinnerDownClick, "9:00 AM"},
        {"10:00 AM", &AlarmEditorDialog::minutesSpinnerDownClick, "9:59 AM"},
        {"10:00 AM", &AlarmEditorDialog::minutesSpinnerUpClick, "10:01 AM"},
        {"11:30 PM", &AlarmEditorDialog::hoursSpinnerUpClick, "12:30 AM"},
        {"12:15 AM", &AlarmEditorDialog::hoursSpinnerDownClick, "11:15 PM"},
        {"11:59 PM", &AlarmEditorDialog::minutesSpinnerUpClick, "12:00 AM"},
    };
    editor->setCalendarDate(encodeDate(2026, 3, 20));
    for (const Step& step : steps) {
        editor->setTimeText(step.from);
        ((*editor).*step.handler)();
        EXPECT_EQ(time(), step.to) << step.from;
    }
    EXPECT_EQ(calendarDate(), (CivilDate{2026, 3, 20}));

    // Wired to the spin buttons' halves, the arrow keys included.
    editor->setTimeText("10:00 AM");
    emit testing::namedChild<SpinButton>(*editor, "hoursSpinner")->upClick();
    QTest::keyClick(testing::namedChild<SpinButton>(*editor, "minutesSpinner"), Qt::Key_Down);
    EXPECT_EQ(time(), "10:59 AM");
}

TEST_F(EditorTest, TimeBoxTakesTheUsersTimesAndRefusesOthers)
{
    editor->setTimeText("9:30 pm");
    EXPECT_TRUE(editor->checkValidTime());
    EXPECT_EQ(time(), "9:30 PM");
    editor->setTimeText(" 9");
    EXPECT_TRUE(editor->checkValidTime());
    EXPECT_EQ(time(), "9:00 AM");
    editor->setTimeText("21:05:40");
    EXPECT_TRUE(editor->checkValidTime());
    EXPECT_EQ(time(), "9:05 PM");

    for (const char* refused : {"13:00 PM", "0:30 AM", "9.30", ""}) {
        editor->setTimeText(refused);
        const auto box = test::answerNextMessageBox();
        EXPECT_FALSE(editor->checkValidTime()) << refused;
        EXPECT_EQ(box->text, "Invalid time. Please use your Windows Time format\n   Example: 9:00 AM");
        EXPECT_EQ(time(), refused); // left as it was
    }
}

TEST_F(EditorTest, LettersInTheTimeBoxKeepTheDialogOpenWithTheCurrentTime)
{
    show();
    editor->setTimeText("teatime");
    const auto box = test::answerNextMessageBox();
    editor->setAlarmButtonClick();
    EXPECT_TRUE(box->text.startsWith("Invalid time."));
    EXPECT_EQ(time(), "9:00 AM");
    EXPECT_TRUE(editor->isVisible());
    EXPECT_TRUE(disk.store.baseAlarmList().empty());

    // A spinner resets an unreadable time to now, then steps it.
    editor->setTimeText("x");
    test::answerNextMessageBox();
    editor->minutesSpinnerUpClick();
    EXPECT_EQ(time(), "9:01 AM");
}

TEST_F(EditorTest, SetAlarmStoresTheAlarmClosesWithOkAndDropsASoundFileThatIsGone)
{
    const std::string wave = disk.makeFile("ring.wav");
    show();
    editor->setMessageText("Take the cake out");
    editor->setTimeText("9:30 pm");
    editor->setCalendarDate(encodeDate(2026, 3, 20));
    editor->setWaveFile(wave);
    editor->setAlarmMode(amSoundOnly);
    click(testing::namedChild<FlatButton>(*editor, "setAlarmButton"));
    EXPECT_EQ(editor->result(), ModalResult::Ok);
    EXPECT_FALSE(editor->isVisible());
    ASSERT_EQ(disk.store.baseAlarmList().count(), 1);
    disk.store.writeToDisk();
    EXPECT_EQ(disk.fileContents(), "09:30pm^Take the cake out^^3^03/20/2026^" + wave + "^2\r\n");

    // A sound file that is gone is dropped.
    editor->setTimeText("10:00 AM");
    editor->setWaveFile(disk.folder.filePath("gone.wav").toStdString());
    editor->setAlarmButtonClick();
    ASSERT_EQ(disk.store.baseAlarmList().count(), 2);
    EXPECT_EQ(disk.store.baseAlarmList()[1].waveFile, "");
    EXPECT_EQ(editor->waveFile, "");
}

// Mended: a passed date or time used to close the dialog with OK while nothing was stored (or the alarm
// stayed invisible), and an edit then deleted the original.
TEST_F(EditorTest, SetAlarmInThePastExplainsAndKeepsTheInput)
{
    disk.clock.set(at(2026, 3, 6, 10, 30));
    show();
    editor->setMessageText("Dentist");
    editor->setTimeText("10:29 AM");
    auto box = test::answerNextMessageBox();
    editor->setAlarmButtonClick();
    EXPECT_EQ(box->text, "The alarm date and time have already passed.\n"
                         "Please set a later time, or pick a later date on the calendar.");
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(testing::namedChild<QLineEdit>(*editor, "messageEdit")->text(), "Dentist");
    EXPECT_EQ(time(), "10:29 AM");
    EXPECT_TRUE(disk.store.baseAlarmList().empty());

    editor->setTimeText("11:00 AM");
    editor->setCalendarDate(encodeDate(2026, 3, 5));
    box = test::answerNextMessageBox();
    editor->setAlarmButtonClick();
    EXPECT_TRUE(box->text.startsWith("The alarm date and time have already passed."));
    EXPECT_TRUE(disk.store.baseAlarmList().empty());

    // Within the 30 seconds of grace it is still set, and fires at once.
    disk.clock.set(at(2026, 3, 6, 11, 0, 30));
    editor->setCalendarDate(encodeDate(2026, 3, 6));
    editor->setAlarmButtonClick();
    EXPECT_EQ(editor->result(), ModalResult::Ok);
    EXPECT_EQ(disk.store.todayList().count(), 1);
}

// With days ticked the date is where the alarm starts, even a passed one; the store dates it its first
// occurrence to come. The clock stands at Friday 6 March 2026, 9:00 AM.
TEST_F(EditorTest, SetAlarmWithRepeatDaysTakesAPassedStartAndStoresTheDays)
{
    editor->setTimeText("8:00 AM");
    editor->setCalendarDate(encodeDate(2026, 3, 2));    // a passed Monday
    editor->setRepeatDays(RepeatDays::fromField("24")); // Monday and Wednesday, as Edit shows them
    // A refusal's box is closed at once, so that the test fails rather than waits.
    QTimer::singleShot(0, editor.get(), [] {
        if (QWidget* box = QApplication::activeModalWidget())
            box->close();
    });
    editor->setAlarmButtonClick();
    ASSERT_EQ(editor->result(), ModalResult::Ok);
    ASSERT_EQ(disk.store.baseAlarmList().count(), 1);
    EXPECT_EQ(disk.store.baseAlarmList()[0].repeatDays.field(), "24");
    EXPECT_EQ(decodeDate(disk.store.baseAlarmList()[0].alarmDate), (CivilDate{2026, 3, 9}));
}

TEST_F(EditorTest, CalendarButtonsStepTheDateAndTheLabelFollows)
{
    show();
    editor->setCalendarDate(encodeDate(2027, 1, 31));
    click(testing::namedChild<FlatButton>(*editor, "nextMonthButton"));
    EXPECT_EQ(calendarDate(), (CivilDate{2027, 2, 28}));
    EXPECT_EQ(testing::namedChild<QLabel>(*editor, "dateLabel")->text(), "Sunday, February 28, 2027");

    editor->setCalendarDate(encodeDate(2028, 1, 31));
    click(testing::namedChild<FlatButton>(*editor, "nextMonthButton"));
    EXPECT_EQ(testing::namedChild<QLabel>(*editor, "dateLabel")->text(), "Tuesday, February 29, 2028");
    click(testing::namedChild<FlatButton>(*editor, "nextYearButton"));
    EXPECT_EQ(testing::namedChild<QLabel>(*editor, "dateLabel")->text(), "Wednesday, February 28, 2029");
    click(testing::namedChild<FlatButton>(*editor, "prevYearButton"));
    click(testing::namedChild<FlatButton>(*editor, "prevMonthButton"));
    EXPECT_EQ(calendarDate(), (CivilDate{2028, 1, 28}));
    click(testing::namedChild<FlatButton>(*editor, "todayButton"));
    EXPECT_EQ(testing::namedChild<QLabel>(*editor, "dateLabel")->text(), "Friday, March 6, 2026");
}

TEST_F(EditorTest, EnterSetsAndEscapeCancelsOnceWithOrWithoutShiftOrCtrl)
{
    for (const Qt::KeyboardModifiers modifiers :
         {Qt::KeyboardModifiers(), Qt::KeyboardModifiers(Qt::ShiftModifier),
          Qt::KeyboardModifiers(Qt::ControlModifier)}) {
        for (QWidget* (*focus)(AlarmEditorDialog&) :
             {+[](AlarmEditorDialog& e) -> QWidget* {
                  return testing::namedChild<QLineEdit>(e, "messageEdit");
              },
              +[](AlarmEditorDialog& e) -> QWidget* {
                  return testing::namedChild<SpinButton>(e, "hoursSpinner");
              }}) {
            SCOPED_TRACE(static_cast<int>(modifiers));
            const int before = disk.store.baseAlarmList().count();
            editor = std::make_unique<AlarmEditorDialog>(disk.store, disk.clock, services, &mainWindow);
            editor->setTimeText("10:00 PM");
            show();
            QTest::keyClick(focus(*editor), Qt::Key_Return, modifiers);
            EXPECT_EQ(editor->result(), ModalResult::Ok);
            EXPECT_EQ(disk.store.baseAlarmList().count(), before + 1);

            editor = std::make_unique<AlarmEditorDialog>(disk.store, disk.clock, services, &mainWindow);
            editor->setTimeText("10:00 PM");
            show();
            QTest::keyClick(focus(*editor), Qt::Key_Escape, modifiers);
            EXPECT_EQ(editor->result(), ModalResult::Cancel);
            EXPECT_FALSE(editor->isVisible());
            EXPECT_EQ(disk.store.baseAlarmList().count(), before + 1);
        }
    }
}

TEST_F(EditorTest, HelpOpensTheEditorsTopicInTheMainWindowsHelpWindow)
{
    show();
    QTest::mouseClick(testing::namedChild<FlatButton>(*editor, "helpButton"), Qt::LeftButton, {},
                      QPoint(10, 10));
    // The main window's one help window: it stays when the editor goes.
    QPointer<HelpWindow> help = mainWindow.findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->browser()->source(), helpTopicUrl(QStringLiteral("KLAXORA.HLP"), 1004));
    editor.reset();
    ASSERT_FALSE(help.isNull());
    EXPECT_TRUE(help->isVisible());
}

TEST_F(EditorTest, OptionsEditSoundAndModeOnlyWhenConfirmed)
{
    const std::string wave = disk.makeFile("ring.wav");
    editor->setWaveFile(wave);
    editor->setAlarmMode(amMessageOnly);
    bool sawMessageOnly = false;
    test::answerNextModal([&](QWidget* modal) {
        auto* options = qobject_cast<AlarmOptionsDialog*>(modal);
        ASSERT_NE(options, nullptr);
        sawMessageOnly =
            testing::namedChild<QRadioButton>(*options, "messageOnlyButton")->isChecked() &&
            !testing::namedChild<QLineEdit>(*options, "waveFileEdit")->isEnabled() &&
            testing::namedChild<QLineEdit>(*options, "waveFileEdit")->text() == QString::fromStdString(wave);
        testing::namedChild<QRadioButton>(*options, "soundOnlyButton")->setChecked(true);
        testing::namedChild<QLineEdit>(*options, "waveFileEdit")->setText("");
        options->okButtonClick();
    });
    editor->optionsButtonClick();
    EXPECT_TRUE(sawMessageOnly);
    EXPECT_EQ(editor->alarmMode, amSoundOnly);
    EXPECT_EQ(editor->waveFile, "");

    test::answerNextModal([](QWidget* modal) {
        auto* options = qobject_cast<AlarmOptionsDialog*>(modal);
        ASSERT_NE(options, nullptr);
        testing::namedChild<QRadioButton>(*options, "messageAndSoundButton")->setChecked(true);
        testing::namedChild<QLineEdit>(*options, "waveFileEdit")->setText("other.wav");
        options->cancelButtonClick();
    });
    editor->optionsButtonClick();
    EXPECT_EQ(editor->alarmMode, amSoundOnly);
    EXPECT_EQ(editor->waveFile, "");
}

// Mended: characters the alarm file cannot hold are refused as they are typed or pasted.
TEST_F(EditorTest, MessageFieldRefusesWhatTheFileCannotHold)
{
    show();
    QLineEdit* field = testing::namedChild<QLineEdit>(*editor, "messageEdit");
    field->clear();
    QTest::keyClicks(field, "Tea^time");
    EXPECT_EQ(field->text(), "Teatime");
    QTest::keyClick(field, Qt::Key_Tab); // moves the focus, types nothing
    EXPECT_EQ(field->text(), "Teatime");

    for (const char* pasted : {"a\tb", "line\nbreak", "cr\rhere", "eof\x1a", "caret^", "ok"}) {
        QApplication::clipboard()->setText(QString::fromUtf8(pasted));
        field->setText("x");
        field->end(false);
        field->paste();
        EXPECT_EQ(field->text(), std::string(pasted) == "ok" ? "xok" : "x") << pasted;
    }

    // One hundred characters, counted as characters: the 101st is refused.
    field->setText(QString::fromUtf8("\xF0\x9F\x94\x94").repeated(99)); // 99 bells, two UTF-16 units each
    field->end(false);
    QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString::fromUtf8("é"), Qt::NoModifier);
    EXPECT_EQ(field->text().toUcs4().size(), 100);
    QTest::keyClicks(field, "z");
    EXPECT_EQ(field->text().toUcs4().size(), 100);
    EXPECT_FALSE(field->text().endsWith("z"));

    // A paste past the capacity keeps its first characters, never half a character.
    const QString bells = QString::fromUtf8("\xF0\x9F\x94\x94").repeated(30);
    QApplication::clipboard()->setText(bells + QStringLiteral("more"));
    field->setText(QString(40, QLatin1Char('a')) + QString(40, QLatin1Char('b')));
    field->setCursorPosition(40);
    field->paste();
    EXPECT_EQ(field->text(), QString(40, QLatin1Char('a')) + bells.left(40) + QString(40, QLatin1Char('b')));
    EXPECT_EQ(field->cursorPosition(), 80);
}

TEST(AlarmTextValidatorTest, BeepsOnlyWhenCharactersAreCutAtTheCapacity)
{
    int beeps = 0;
    const AlarmTextValidator validator(5, nullptr, [&beeps] { ++beeps; });
    struct Case {
        QString input;
        int pos;
        QValidator::State state;
        QString kept;
        int beeps;
    };
    const Case cases[] = {
        {QStringLiteral("abcde"), 5, QValidator::Acceptable, QStringLiteral("abcde"), 0},
        {QStringLiteral("ab1234cd"), 6, QValidator::Acceptable, QStringLiteral("ab1cd"), 1},
        {QStringLiteral("ab^cd"), 3, QValidator::Invalid, QStringLiteral("ab^cd"), 1},
        {QStringLiteral("abcdef^"), 7, QValidator::Invalid, QStringLiteral("abcdef^"), 1},
    };
    for (Case c : cases) {
        SCOPED_TRACE(c.input.toStdString());
        EXPECT_EQ(validator.validate(c.input, c.pos), c.state);
        EXPECT_EQ(c.input, c.kept);
        EXPECT_EQ(beeps, c.beeps);
    }
}

} // namespace
} // namespace klaxora

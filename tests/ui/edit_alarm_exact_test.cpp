// The alarm editor: time box rules, spinners, calendar buttons, keys, Set Alarm and Options.
#include "controls/month_calendar.h"
#include "controls/spin_button.h"
#include "dialog_test_support.h"
#include "store/date_time_text.h"
#include "support/named_child.h"
#include "ui/alarm_options.h"
#include "ui/alarm_text_validator.h"
#include "ui/edit_alarm_exact.h"
#include "ui/help_files.h"
#include "ui/help_window.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBrowser>
#include <QToolTip>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace klaxora {
namespace {

using test::At;

class EditorTest : public ::testing::Test {
protected:
    EditorTest()
    {
        services.PlayWaveFile = [this](const std::string& file) { played.push_back(file); };
        services.ChooseFile = [](QWidget*, const std::string&, const std::string&,
                                 const std::string&) -> std::optional<std::string> { return std::nullopt; };
        editor = std::make_unique<TEditAlarmExact>(disk.store, disk.clock, services, &mainWindow);
    }

    void Show()
    {
        editor->show();
        QApplication::processEvents();
    }
    CivilDate CalendarDate() const
    {
        return DecodeDate(testing::namedChild<TCalendar>(*editor, "calendar")->CalendarDate());
    }
    QString Time() const { return testing::namedChild<QLineEdit>(*editor, "timeEdit")->text(); }
    void Click(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10)); }

    test::StoreOnDisk disk;
    AlarmOptionsServices services;
    std::vector<std::string> played;
    QWidget mainWindow;
    std::unique_ptr<TEditAlarmExact> editor;
};

TEST_F(EditorTest, OpensWithThePlaceholderSelectedAndTodaysDate)
{
    disk.clock.Set(At(2026, 3, 6, 9, 41, 30));
    editor = std::make_unique<TEditAlarmExact>(disk.store, disk.clock, services, &mainWindow);
    Show();
    EXPECT_EQ(editor->size(), QSize(449, 352));
    EXPECT_EQ(editor->windowTitle(), "Alarm Description");
    EXPECT_EQ(editor->focusWidget(), testing::namedChild<QLineEdit>(*editor, "messageEdit"));
    EXPECT_EQ(testing::namedChild<QLineEdit>(*editor, "messageEdit")->selectedText(),
              "[Type alarm message here]");
    EXPECT_EQ(testing::namedChild<QLabel>(*editor, "timeInstruction")->text(), "Use format like:9:41 AM");
    EXPECT_EQ(testing::namedChild<QLabel>(*editor, "dateLabel")->text(), "Friday, March 6, 2026");
    EXPECT_EQ(CalendarDate(), (CivilDate{2026, 3, 6}));
    // Tab runs through the message panel only, in its own order.
    std::vector<QWidget*> chain;
    for (QWidget* w = testing::namedChild<QLineEdit>(*editor, "messageEdit")->nextInFocusChain();
         w != testing::namedChild<QLineEdit>(*editor, "messageEdit"); w = w->nextInFocusChain()) {
        if (w->focusPolicy() & Qt::TabFocus)
            chain.push_back(w);
    }
    EXPECT_EQ(chain, (std::vector<QWidget*>{testing::namedChild<TSpinButton>(*editor, "minutesSpinner"),
                                            testing::namedChild<QLineEdit>(*editor, "timeEdit"),
                                            testing::namedChild<TSpinButton>(*editor, "hoursSpinner")}));
}

// The message panel and the calendar's button strip show no hints; the calendar and the bottom buttons do.
TEST_F(EditorTest, HintsShowOnlyOutsideTheMessagePanelAndTheButtonStrip)
{
    Show();
    const auto hintShown = [](QWidget* widget) {
        QToolTip::hideText();
        QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), widget->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(widget, &help);
        return QToolTip::isVisible() && QToolTip::text() == widget->toolTip();
    };
    for (QWidget* silent :
         std::initializer_list<QWidget*>{testing::namedChild<QLineEdit>(*editor, "messageEdit"),
                                         testing::namedChild<QLineEdit>(*editor, "timeEdit"),
                                         testing::namedChild<TSpinButton>(*editor, "hoursSpinner"),
                                         testing::namedChild<TSpinButton>(*editor, "minutesSpinner"),
                                         testing::namedChild<TFlatButton>(*editor, "nextMonthButton")})
        EXPECT_FALSE(hintShown(silent)) << silent->toolTip().toStdString();
    EXPECT_TRUE(hintShown(testing::namedChild<TCalendar>(*editor, "calendar")));
    EXPECT_TRUE(hintShown(testing::namedChild<TFlatButton>(*editor, "setAlarmButton")));
    QToolTip::hideText();
}

TEST_F(EditorTest, SpinnersStepTheTimeAndWrapWithoutTouchingTheDate)
{
    struct Step {
        const char* from;
        void (TEditAlarmExact::*handler)();
        const char* to;
    };
    const std::vector<Step> steps{
        {"10:00 AM", &TEditAlarmExact::HoursSpinnerUpClick, "11:00 AM"},
        {"10:00 AM", &TEditAlarmExact::HoursSpinnerDownClick, "9:00 AM"},
        {"10:00 AM", &TEditAlarmExact::MinutesSpinnerDownClick, "9:59 AM"},
        {"10:00 AM", &TEditAlarmExact::MinutesSpinnerUpClick, "10:01 AM"},
        {"11:30 PM", &TEditAlarmExact::HoursSpinnerUpClick, "12:30 AM"},
        {"12:15 AM", &TEditAlarmExact::HoursSpinnerDownClick, "11:15 PM"},
        {"11:59 PM", &TEditAlarmExact::MinutesSpinnerUpClick, "12:00 AM"},
    };
    editor->SetCalendarDate(EncodeDate(2026, 3, 20));
    for (const Step& step : steps) {
        editor->SetTimeText(step.from);
        ((*editor).*step.handler)();
        EXPECT_EQ(Time(), step.to) << step.from;
    }
    EXPECT_EQ(CalendarDate(), (CivilDate{2026, 3, 20}));

    // Wired to the spin buttons' halves, the arrow keys included.
    editor->SetTimeText("10:00 AM");
    emit testing::namedChild<TSpinButton>(*editor, "hoursSpinner")->UpClick();
    QTest::keyClick(testing::namedChild<TSpinButton>(*editor, "minutesSpinner"), Qt::Key_Down);
    EXPECT_EQ(Time(), "10:59 AM");
}

TEST_F(EditorTest, TimeBoxTakesTheUsersTimesAndRefusesOthers)
{
    editor->SetTimeText("9:30 pm");
    EXPECT_TRUE(editor->CheckValidTime());
    EXPECT_EQ(Time(), "9:30 PM");
    editor->SetTimeText(" 9");
    EXPECT_TRUE(editor->CheckValidTime());
    EXPECT_EQ(Time(), "9:00 AM");
    editor->SetTimeText("21:05:40");
    EXPECT_TRUE(editor->CheckValidTime());
    EXPECT_EQ(Time(), "9:05 PM");

    for (const char* refused : {"13:00 PM", "0:30 AM", "9.30", ""}) {
        editor->SetTimeText(refused);
        const auto box = test::AnswerNextMessageBox();
        EXPECT_FALSE(editor->CheckValidTime()) << refused;
        EXPECT_EQ(box->text, "Invalid time. Please use your Windows Time format\n   Example: 9:00 AM");
        EXPECT_EQ(Time(), refused); // left as it was
    }
}

TEST_F(EditorTest, LettersInTheTimeBoxKeepTheDialogOpenWithTheCurrentTime)
{
    Show();
    editor->SetTimeText("teatime");
    const auto box = test::AnswerNextMessageBox();
    editor->SetAlarmButtonClick();
    EXPECT_TRUE(box->text.startsWith("Invalid time."));
    EXPECT_EQ(Time(), "9:00 AM");
    EXPECT_TRUE(editor->isVisible());
    EXPECT_TRUE(disk.store.BaseAlarmList().Empty());

    // A spinner resets an unreadable time to now, then steps it.
    editor->SetTimeText("x");
    test::AnswerNextMessageBox();
    editor->MinutesSpinnerUpClick();
    EXPECT_EQ(Time(), "9:01 AM");
}

TEST_F(EditorTest, SetAlarmStoresTheAlarmClosesWithOkAndDropsASoundFileThatIsGone)
{
    const std::string wave = disk.MakeFile("ring.wav");
    Show();
    editor->SetMessageText("Take the cake out");
    editor->SetTimeText("9:30 pm");
    editor->SetCalendarDate(EncodeDate(2026, 3, 20));
    editor->SetWaveFile(wave);
    editor->SetAlarmMode(amSoundOnly);
    Click(testing::namedChild<TFlatButton>(*editor, "setAlarmButton"));
    EXPECT_EQ(editor->result(), ModalResult::Ok);
    EXPECT_FALSE(editor->isVisible());
    ASSERT_EQ(disk.store.BaseAlarmList().Count(), 1);
    disk.store.WriteToDisk();
    EXPECT_EQ(disk.FileContents(), "09:30pm^Take the cake out^^3^03/20/2026^" + wave + "^2\r\n");

    // A sound file that is gone is dropped.
    editor->SetTimeText("10:00 AM");
    editor->SetWaveFile(disk.folder.filePath("gone.wav").toStdString());
    editor->SetAlarmButtonClick();
    ASSERT_EQ(disk.store.BaseAlarmList().Count(), 2);
    EXPECT_EQ(disk.store.BaseAlarmList()[1].WaveFile, "");
    EXPECT_EQ(editor->WaveFile, "");
}

// Mended: a passed date or time used to close the dialog with OK while nothing was stored (or the alarm
// stayed invisible), and an edit then deleted the original.
TEST_F(EditorTest, SetAlarmInThePastExplainsAndKeepsTheInput)
{
    disk.clock.Set(At(2026, 3, 6, 10, 30));
    Show();
    editor->SetMessageText("Dentist");
    editor->SetTimeText("10:29 AM");
    auto box = test::AnswerNextMessageBox();
    editor->SetAlarmButtonClick();
    EXPECT_EQ(box->text, "The alarm date and time have already passed.\n"
                         "Please set a later time, or pick a later date on the calendar.");
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(testing::namedChild<QLineEdit>(*editor, "messageEdit")->text(), "Dentist");
    EXPECT_EQ(Time(), "10:29 AM");
    EXPECT_TRUE(disk.store.BaseAlarmList().Empty());

    editor->SetTimeText("11:00 AM");
    editor->SetCalendarDate(EncodeDate(2026, 3, 5));
    box = test::AnswerNextMessageBox();
    editor->SetAlarmButtonClick();
    EXPECT_TRUE(box->text.startsWith("The alarm date and time have already passed."));
    EXPECT_TRUE(disk.store.BaseAlarmList().Empty());

    // Within the 30 seconds of grace it is still set, and fires at once.
    disk.clock.Set(At(2026, 3, 6, 11, 0, 30));
    editor->SetCalendarDate(EncodeDate(2026, 3, 6));
    editor->SetAlarmButtonClick();
    EXPECT_EQ(editor->result(), ModalResult::Ok);
    EXPECT_EQ(disk.store.TodayList().Count(), 1);
}

TEST_F(EditorTest, CalendarButtonsStepTheDateAndTheLabelFollows)
{
    Show();
    editor->SetCalendarDate(EncodeDate(2027, 1, 31));
    Click(testing::namedChild<TFlatButton>(*editor, "nextMonthButton"));
    EXPECT_EQ(CalendarDate(), (CivilDate{2027, 2, 28}));
    EXPECT_EQ(testing::namedChild<QLabel>(*editor, "dateLabel")->text(), "Sunday, February 28, 2027");

    editor->SetCalendarDate(EncodeDate(2028, 1, 31));
    Click(testing::namedChild<TFlatButton>(*editor, "nextMonthButton"));
    EXPECT_EQ(testing::namedChild<QLabel>(*editor, "dateLabel")->text(), "Tuesday, February 29, 2028");
    Click(testing::namedChild<TFlatButton>(*editor, "nextYearButton"));
    EXPECT_EQ(testing::namedChild<QLabel>(*editor, "dateLabel")->text(), "Wednesday, February 28, 2029");
    Click(testing::namedChild<TFlatButton>(*editor, "prevYearButton"));
    Click(testing::namedChild<TFlatButton>(*editor, "prevMonthButton"));
    EXPECT_EQ(CalendarDate(), (CivilDate{2028, 1, 28}));
    Click(testing::namedChild<TFlatButton>(*editor, "todayButton"));
    EXPECT_EQ(testing::namedChild<QLabel>(*editor, "dateLabel")->text(), "Friday, March 6, 2026");
}

TEST_F(EditorTest, EnterSetsAndEscapeCancelsOnceWithOrWithoutShiftOrCtrl)
{
    for (const Qt::KeyboardModifiers modifiers :
         {Qt::KeyboardModifiers(), Qt::KeyboardModifiers(Qt::ShiftModifier),
          Qt::KeyboardModifiers(Qt::ControlModifier)}) {
        for (QWidget* (*focus)(TEditAlarmExact&) :
             {+[](TEditAlarmExact& e) -> QWidget* {
                  return testing::namedChild<QLineEdit>(e, "messageEdit");
              },
              +[](TEditAlarmExact& e) -> QWidget* {
                  return testing::namedChild<TSpinButton>(e, "hoursSpinner");
              }}) {
            SCOPED_TRACE(static_cast<int>(modifiers));
            const int before = disk.store.BaseAlarmList().Count();
            editor = std::make_unique<TEditAlarmExact>(disk.store, disk.clock, services, &mainWindow);
            editor->SetTimeText("10:00 PM");
            Show();
            QTest::keyClick(focus(*editor), Qt::Key_Return, modifiers);
            EXPECT_EQ(editor->result(), ModalResult::Ok);
            EXPECT_EQ(disk.store.BaseAlarmList().Count(), before + 1);

            editor = std::make_unique<TEditAlarmExact>(disk.store, disk.clock, services, &mainWindow);
            editor->SetTimeText("10:00 PM");
            Show();
            QTest::keyClick(focus(*editor), Qt::Key_Escape, modifiers);
            EXPECT_EQ(editor->result(), ModalResult::Cancel);
            EXPECT_FALSE(editor->isVisible());
            EXPECT_EQ(disk.store.BaseAlarmList().Count(), before + 1);
        }
    }
}

TEST_F(EditorTest, HelpOpensTheEditorsTopicInTheMainWindowsHelpWindow)
{
    Show();
    QTest::mouseClick(testing::namedChild<TFlatButton>(*editor, "helpButton"), Qt::LeftButton, {},
                      QPoint(10, 10));
    // The main window's one help window: it stays when the editor goes.
    QPointer<HelpWindow> help = mainWindow.findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->Browser()->source(), HelpTopicUrl(QStringLiteral("KLAXORA.HLP"), 1004));
    editor.reset();
    ASSERT_FALSE(help.isNull());
    EXPECT_TRUE(help->isVisible());
}

TEST_F(EditorTest, OptionsEditSoundAndModeOnlyWhenConfirmed)
{
    const std::string wave = disk.MakeFile("ring.wav");
    editor->SetWaveFile(wave);
    editor->SetAlarmMode(amMessageOnly);
    bool sawMessageOnly = false;
    test::AnswerNextModal([&](QWidget* modal) {
        auto* options = qobject_cast<TAlarmOptions*>(modal);
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
    EXPECT_EQ(editor->AlarmMode, amSoundOnly);
    EXPECT_EQ(editor->WaveFile, "");

    test::AnswerNextModal([](QWidget* modal) {
        auto* options = qobject_cast<TAlarmOptions*>(modal);
        ASSERT_NE(options, nullptr);
        testing::namedChild<QRadioButton>(*options, "messageAndSoundButton")->setChecked(true);
        testing::namedChild<QLineEdit>(*options, "waveFileEdit")->setText("other.wav");
        options->CancelButtonClick();
    });
    editor->optionsButtonClick();
    EXPECT_EQ(editor->AlarmMode, amSoundOnly);
    EXPECT_EQ(editor->WaveFile, "");
}

// Mended: characters the alarm file cannot hold are refused as they are typed or pasted.
TEST_F(EditorTest, MessageFieldRefusesWhatTheFileCannotHold)
{
    Show();
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

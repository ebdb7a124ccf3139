#include "ui/edit_alarm_exact.h"

#include "controls/month_calendar.h"
#include "store/date_time_text.h"
#include "store/passed_alarm_time.h"
#include "store/text_helpers.h"
#include "ui/help_window.h"
#include "ui/message_boxes.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace klaxora {

namespace {

QString FromUtf8(const std::string& text)
{
    return QString::fromStdString(text);
}

bool IsEnterKey(int qtKey)
{
    return qtKey == Qt::Key_Return || qtKey == Qt::Key_Enter;
}

} // namespace

void TEditAlarmExact::FormCreate()
{
    Fake1->move(0, height() + 10);
    Fake2->move(Fake1->width(), height() + 10);
    TimeInstruct->setText(QStringLiteral("Use format like:") + FromUtf8(ShortTimeText(clock_.TimeNow())));
    CalendarChange();
}

void TEditAlarmExact::SetMessageText(const std::string& message)
{
    Descript->setText(FromUtf8(message));
}

void TEditAlarmExact::SetTimeText(const std::string& timeText)
{
    TimeEdit->setText(FromUtf8(timeText));
}

void TEditAlarmExact::SetCalendarDate(TDateTime date)
{
    Calendar->SetCalendarDate(date);
}

void TEditAlarmExact::CenterOver(const QWidget* mainWindow)
{
    CenterOverMainScreen(this, mainWindow);
}

int TEditAlarmExact::ShowModal()
{
    return exec() == ModalResult::Ok ? ModalResult::Ok : ModalResult::Cancel;
}

std::string TEditAlarmExact::ShortTimeText(TDateTime time) const
{
    const FormatSettings& user = store_.Formats().User();
    return FormatDateTime(user.ShortTimePattern, time, user);
}

bool TEditAlarmExact::CheckValidTime()
{
    const FormatSettings& user = store_.Formats().User();
    const std::string text = TimeEdit->text().toUpper().toStdString();
    TDateTime time = 0;
    if (TryStrToTime(text, user, time)) {
        TimeEdit->setText(FromUtf8(ShortTimeText(time)));
        return true;
    }
    InformationBox(QStringLiteral("Invalid time. Please use your Windows Time format\n   Example: ") +
                   FromUtf8(ShortTimeText(clock_.TimeNow())));
    return false;
}

void TEditAlarmExact::SetAlarmButtonClick()
{
    if (!WaveFile.empty() && !QFileInfo(FromUtf8(WaveFile)).isFile())
        WaveFile.clear();
    if (!CheckValidTime()) {
        TimeEdit->setText(FromUtf8(ShortTimeText(clock_.TimeNow())));
        return;
    }
    const FormatSettings& storage = store_.Formats().Storage();
    const TDateTime date = Calendar->CalendarDate();
    const TDateTime time = StrToTime(TimeEdit->text().toStdString(), store_.Formats().User());
    // The store would keep such an alarm out of sight (or drop it, before today) while the dialog said OK.
    if (AlarmTimeHasPassed(date, time, clock_)) {
        InformationBox(QStringLiteral("The alarm date and time have already passed.\n"
                                      "Please set a later time, or pick a later date on the calendar."));
        return;
    }
    store_.AddAlarm(TimeToStr(time, storage), FormatDateTime("mm/dd/yyyy", date, storage),
                    Descript->text().toStdString(), WaveFile, AlarmMode);
    done(ModalResult::Ok);
}

void TEditAlarmExact::CancelButtonClick()
{
    done(ModalResult::Cancel);
}

void TEditAlarmExact::reject()
{
    CancelButtonClick();
}

void TEditAlarmExact::StepTime(int minutes)
{
    if (!CheckValidTime())
        TimeEdit->setText(FromUtf8(ShortTimeText(clock_.TimeNow())));
    const FormatSettings& user = store_.Formats().User();
    const TDateTime time = StrToTime(TimeEdit->text().toStdString(), user);
    TimeEdit->setText(FromUtf8(ShortTimeText(AddMinutesToTimeOfDay(minutes, time, clock_.Today(), user))));
}

void TEditAlarmExact::PrevYearClick()
{
    Calendar->PrevYear();
}

void TEditAlarmExact::PrevMonthClick()
{
    Calendar->PrevMonth();
}

void TEditAlarmExact::NextMonthClick()
{
    Calendar->NextMonth();
}

void TEditAlarmExact::NextYearClick()
{
    Calendar->NextYear();
}

void TEditAlarmExact::CurrentDateClick()
{
    Calendar->SetCalendarDate(clock_.Today());
}

void TEditAlarmExact::CalendarChange()
{
    const FormatSettings& user = store_.Formats().User();
    DateLabel->setText(FromUtf8(FormatDateTime(user.LongDatePattern, Calendar->CalendarDate(), user)));
}

void TEditAlarmExact::AlarmOptionsButtonClick()
{
    TAlarmOptions options(optionsServices_, this);
    options.TickAlarmMode(AlarmMode);
    options.SetWaveFile(WaveFile);
    CenterOverMainScreen(&options, mainWindow_);
    if (options.ShowModal() == ModalResult::Ok) {
        WaveFile = options.WaveFile();
        AlarmMode = options.TickedAlarmMode();
    }
}

void TEditAlarmExact::HelpbuttonClick()
{
    ShowHelpContext(this, QStringLiteral("KLAXORA.HLP"), 1004);
}

bool TEditAlarmExact::FormKeyDown(int qtKey, Qt::KeyboardModifiers modifiers)
{
    modifiers &= ~Qt::KeypadModifier;
    // Plain Enter and Escape belong to Fake1 and to the dialog's Escape handling; acting here as well
    // would run them twice.
    if (modifiers == Qt::NoModifier || (modifiers & ~(Qt::ShiftModifier | Qt::ControlModifier)))
        return false;
    if (IsEnterKey(qtKey)) {
        SetAlarmButtonClick();
        return true;
    }
    if (qtKey == Qt::Key_Escape) {
        CancelButtonClick();
        return true;
    }
    return false;
}

void TEditAlarmExact::keyPressEvent(QKeyEvent* e)
{
    if (FormKeyDown(e->key(), e->modifiers())) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void TEditAlarmExact::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    Descript->setFocus(Qt::TabFocusReason);
    Descript->selectAll();
}

} // namespace klaxora

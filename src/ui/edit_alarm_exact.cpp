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
    hiddenOkButton_->move(0, height() + 10);
    hiddenCancelButton_->move(hiddenOkButton_->width(), height() + 10);
    timeInstruction_->setText(QStringLiteral("Use format like:") + FromUtf8(ShortTimeText(clock_.TimeNow())));
    CalendarChange();
}

void TEditAlarmExact::SetMessageText(const std::string& message)
{
    messageEdit_->setText(FromUtf8(message));
}

void TEditAlarmExact::SetTimeText(const std::string& timeText)
{
    timeEdit_->setText(FromUtf8(timeText));
}

void TEditAlarmExact::SetCalendarDate(TDateTime date)
{
    calendar_->SetCalendarDate(date);
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
    const std::string text = timeEdit_->text().toUpper().toStdString();
    TDateTime time = 0;
    if (TryStrToTime(text, user, time)) {
        timeEdit_->setText(FromUtf8(ShortTimeText(time)));
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
        timeEdit_->setText(FromUtf8(ShortTimeText(clock_.TimeNow())));
        return;
    }
    const FormatSettings& storage = store_.Formats().Storage();
    const TDateTime date = calendar_->CalendarDate();
    const TDateTime time = StrToTime(timeEdit_->text().toStdString(), store_.Formats().User());
    // The store would keep such an alarm out of sight (or drop it, before today) while the dialog said OK.
    if (AlarmTimeHasPassed(date, time, clock_)) {
        InformationBox(QStringLiteral("The alarm date and time have already passed.\n"
                                      "Please set a later time, or pick a later date on the calendar."));
        return;
    }
    store_.AddAlarm(TimeToStr(time, storage), FormatDateTime("mm/dd/yyyy", date, storage),
                    messageEdit_->text().toStdString(), WaveFile, AlarmMode);
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
        timeEdit_->setText(FromUtf8(ShortTimeText(clock_.TimeNow())));
    const FormatSettings& user = store_.Formats().User();
    const TDateTime time = StrToTime(timeEdit_->text().toStdString(), user);
    timeEdit_->setText(FromUtf8(ShortTimeText(AddMinutesToTimeOfDay(minutes, time, clock_.Today(), user))));
}

void TEditAlarmExact::PrevYearClick()
{
    calendar_->PrevYear();
}

void TEditAlarmExact::PrevMonthClick()
{
    calendar_->PrevMonth();
}

void TEditAlarmExact::NextMonthClick()
{
    calendar_->NextMonth();
}

void TEditAlarmExact::NextYearClick()
{
    calendar_->NextYear();
}

void TEditAlarmExact::todayButtonClick()
{
    calendar_->SetCalendarDate(clock_.Today());
}

void TEditAlarmExact::CalendarChange()
{
    const FormatSettings& user = store_.Formats().User();
    dateLabel_->setText(FromUtf8(FormatDateTime(user.LongDatePattern, calendar_->CalendarDate(), user)));
}

void TEditAlarmExact::optionsButtonClick()
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

void TEditAlarmExact::helpButtonClick()
{
    ShowHelpContext(this, QStringLiteral("KLAXORA.HLP"), 1004);
}

bool TEditAlarmExact::FormKeyDown(int qtKey, Qt::KeyboardModifiers modifiers)
{
    modifiers &= ~Qt::KeypadModifier;
    // Plain Enter and Escape belong to the hidden Ok button and to the dialog's Escape handling; acting here
    // as well would run them twice.
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
    messageEdit_->setFocus(Qt::TabFocusReason);
    messageEdit_->selectAll();
}

} // namespace klaxora

#include "ui/alarm_editor_dialog.h"

#include "controls/month_calendar.h"
#include "store/date_time_text.h"
#include "store/passed_alarm_time.h"
#include "store/text_helpers.h"
#include "ui/help_window.h"
#include "ui/message_boxes.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace klaxora {

namespace {

QString fromUtf8(const std::string& text)
{
    return QString::fromStdString(text);
}

bool isEnterKey(int qtKey)
{
    return qtKey == Qt::Key_Return || qtKey == Qt::Key_Enter;
}

} // namespace

void AlarmEditorDialog::formCreate()
{
    timeInstruction_->setText(tr("Use format like:") + fromUtf8(shortTimeText(clock_.timeNow())));
    calendarChange();
}

void AlarmEditorDialog::setMessageText(const std::string& message)
{
    messageEdit_->setText(fromUtf8(message));
}

void AlarmEditorDialog::setTimeText(const std::string& timeText)
{
    timeEdit_->setText(fromUtf8(timeText));
}

void AlarmEditorDialog::setCalendarDate(DateTime date)
{
    calendar_->setCalendarDate(date);
}

void AlarmEditorDialog::setRepeatDays(RepeatDays days)
{
    for (int day = 1; day <= 7; ++day)
        repeatToggles_[day - 1]->setChecked(days.contains(day));
}

RepeatDays AlarmEditorDialog::repeatDays() const
{
    RepeatDays days;
    for (int day = 1; day <= 7; ++day) {
        if (repeatToggles_[day - 1]->isChecked())
            days.add(day);
    }
    return days;
}

void AlarmEditorDialog::centerOver(const QWidget* mainWindow)
{
    centerOverMainScreen(this, mainWindow);
}

int AlarmEditorDialog::showModal()
{
    return exec() == ModalResult::Ok ? ModalResult::Ok : ModalResult::Cancel;
}

std::string AlarmEditorDialog::shortTimeText(DateTime time) const
{
    const FormatSettings& user = store_.formats().user();
    return formatDateTime(user.shortTimePattern, time, user);
}

bool AlarmEditorDialog::checkValidTime()
{
    const FormatSettings& user = store_.formats().user();
    const std::string text = timeEdit_->text().toUpper().toStdString();
    DateTime time = 0;
    if (tryStrToTime(text, user, time)) {
        timeEdit_->setText(fromUtf8(shortTimeText(time)));
        return true;
    }
    informationBox(tr("Invalid time. Please use your Windows Time format\n   Example: ") +
                   fromUtf8(shortTimeText(clock_.timeNow())));
    return false;
}

void AlarmEditorDialog::setAlarmButtonClick()
{
    if (!waveFile.empty() && !QFileInfo(fromUtf8(waveFile)).isFile())
        waveFile.clear();
    if (!checkValidTime()) {
        timeEdit_->setText(fromUtf8(shortTimeText(clock_.timeNow())));
        return;
    }
    const FormatSettings& storage = store_.formats().storage();
    const DateTime date = calendar_->calendarDate();
    const DateTime time = strToTime(timeEdit_->text().toStdString(), store_.formats().user());
    const RepeatDays days = repeatDays();
    // The store would keep such an alarm out of sight (or drop it, before today) while the dialog said OK.
    // A repeating alarm's date is only where it starts: the store dates it its first occurrence to come.
    if (days.empty() && alarmTimeHasPassed(date, time, clock_)) {
        informationBox(tr("The alarm date and time have already passed.\n"
                          "Please set a later time, or pick a later date on the calendar."));
        return;
    }
    store_.addAlarm(timeToStr(time, storage), formatDateTime("mm/dd/yyyy", date, storage),
                    messageEdit_->text().toStdString(), waveFile, alarmMode, days, uid_);
    done(ModalResult::Ok);
}

void AlarmEditorDialog::cancelButtonClick()
{
    done(ModalResult::Cancel);
}

void AlarmEditorDialog::reject()
{
    cancelButtonClick();
}

void AlarmEditorDialog::stepTime(int minutes)
{
    if (!checkValidTime())
        timeEdit_->setText(fromUtf8(shortTimeText(clock_.timeNow())));
    const FormatSettings& user = store_.formats().user();
    const DateTime time = strToTime(timeEdit_->text().toStdString(), user);
    timeEdit_->setText(fromUtf8(shortTimeText(addMinutesToTimeOfDay(minutes, time, clock_.today(), user))));
}

void AlarmEditorDialog::prevYearClick()
{
    calendar_->prevYear();
}

void AlarmEditorDialog::prevMonthClick()
{
    calendar_->prevMonth();
}

void AlarmEditorDialog::nextMonthClick()
{
    calendar_->nextMonth();
}

void AlarmEditorDialog::nextYearClick()
{
    calendar_->nextYear();
}

void AlarmEditorDialog::todayButtonClick()
{
    calendar_->setCalendarDate(clock_.today());
}

QString AlarmEditorDialog::longDateText(DateTime date) const
{
    const FormatSettings& user = store_.formats().user();
    return fromUtf8(formatDateTime(user.longDatePattern, date, user));
}

void AlarmEditorDialog::calendarChange()
{
    dateLabel_->setText(longDateText(calendar_->calendarDate()));
}

void AlarmEditorDialog::optionsButtonClick()
{
    AlarmOptionsDialog options(optionsServices_, this);
    options.tickAlarmMode(alarmMode);
    options.setWaveFile(waveFile);
    centerOverMainScreen(&options, mainWindow_);
    if (options.showModal() == ModalResult::Ok) {
        waveFile = options.waveFile();
        alarmMode = options.tickedAlarmMode();
    }
}

void AlarmEditorDialog::helpButtonClick()
{
    showHelpContext(this, QStringLiteral("KLAXORA.HLP"), 1004);
}

bool AlarmEditorDialog::formKeyDown(int qtKey, Qt::KeyboardModifiers modifiers)
{
    modifiers &= ~Qt::KeypadModifier;
    if (modifiers & ~(Qt::ShiftModifier | Qt::ControlModifier))
        return false;
    if (isEnterKey(qtKey)) {
        setAlarmButtonClick();
        return true;
    }
    if (qtKey == Qt::Key_Escape) {
        cancelButtonClick();
        return true;
    }
    return false;
}

void AlarmEditorDialog::keyPressEvent(QKeyEvent* e)
{
    if (formKeyDown(e->key(), e->modifiers())) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void AlarmEditorDialog::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    messageEdit_->setFocus(Qt::TabFocusReason);
    messageEdit_->selectAll();
}

} // namespace klaxora

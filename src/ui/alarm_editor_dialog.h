// AlarmEditorDialog, "Alarm Description": the dialog in which the user writes a new alarm or changes one: its
// message, its time of day, its date on a month calendar, the days it repeats on, and through Options its
// sound and mode. On Set Alarm the dialog adds the alarm to the store itself and closes with OK.
#pragma once

#include "controls/flat_button.h"
#include "store/alarm_store.h"
#include "store/clock.h"
#include "ui/alarm_editor.h"
#include "ui/alarm_options_dialog.h"

#include <QDialog>

#include <array>
#include <string>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;

namespace klaxora {

class MonthCalendar;
class SpinButton;

class AlarmEditorDialog : public QDialog, public AlarmEditor {
    Q_OBJECT

public:
    // The store receives the alarm on Set Alarm; the options dialog is centred over `mainWindow`, which
    // is also the editor's parent. Store and clock must outlive the dialog.
    AlarmEditorDialog(AlarmStore& store, const Clock& clock, AlarmOptionsServices optionsServices,
                      QWidget* mainWindow);

    // AlarmEditor
    void setMessageText(const std::string& message) override;
    void setTimeText(const std::string& timeText) override;
    void setCalendarDate(DateTime date) override;
    void setWaveFile(const std::string& file) override { waveFile = file; }
    void setAlarmMode(AlarmMode mode) override { alarmMode = mode; }
    void setRepeatDays(RepeatDays days) override;
    void setUid(const std::string& uid) override { uid_ = uid; }
    void centerOver(const QWidget* mainWindow) override;
    int showModal() override;

    // Set by the caller before the dialog is shown; Options changes them.
    std::string waveFile;
    AlarmMode alarmMode = amMessageAndSound;

    // Handlers.
    void formCreate();
    bool checkValidTime();
    void setAlarmButtonClick();
    void cancelButtonClick();
    void hoursSpinnerUpClick() { stepTime(60); }
    void hoursSpinnerDownClick() { stepTime(-59); }
    void minutesSpinnerUpClick() { stepTime(1); }
    void minutesSpinnerDownClick() { stepTime(-1); }
    void prevYearClick();
    void prevMonthClick();
    void nextMonthClick();
    void nextYearClick();
    void todayButtonClick();
    void calendarChange();
    void optionsButtonClick();
    void helpButtonClick();
    // Enter runs Set Alarm and Escape Cancel, with or without Shift or Ctrl, wherever the focus is: no
    // control of the dialog takes them.
    bool formKeyDown(int qtKey, Qt::KeyboardModifiers modifiers);

    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void createMessagePanel();
    void createCalendarPanel();
    void createButtonPanel();
    void createRepeatRow();
    void orderTabs();
    // The days ticked in the repeat row.
    RepeatDays repeatDays() const;
    // The time steps of the spinners: n minutes, wrapping around midnight.
    void stepTime(int minutes);
    std::string shortTimeText(DateTime time) const;
    QString longDateText(DateTime date) const;

    AlarmStore& store_;
    const Clock& clock_;
    AlarmOptionsServices optionsServices_;
    QWidget* mainWindow_;

    // The window's parts; each has an objectName of its own member name without the underscore.
    QFrame* messagePanel_;
    QLabel* messageCaption_;
    QLineEdit* messageEdit_;
    QLabel* timeCaption_;
    SpinButton* hoursSpinner_;
    QLineEdit* timeEdit_;
    SpinButton* minutesSpinner_;
    QLabel* timeInstruction_;
    QFrame* calendarPanel_;
    QFrame* monthStepBar_;
    FlatButton* prevYearButton_;
    FlatButton* prevMonthButton_;
    FlatButton* todayButton_;
    FlatButton* nextMonthButton_;
    FlatButton* nextYearButton_;
    QLabel* dateLabel_;
    MonthCalendar* calendar_;
    QLabel* repeatCaption_;
    // Indexed by day - 1 (Sunday first); each is named "repeatToggle" and its day's digit.
    std::array<QCheckBox*, 7> repeatToggles_;
    QFrame* buttonPanel_;
    FlatButton* setAlarmButton_;
    FlatButton* cancelButton_;
    FlatButton* optionsButton_;
    FlatButton* helpButton_;
    std::string uid_;
};

} // namespace klaxora

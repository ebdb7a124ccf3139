// TEditAlarmExact, "Alarm Description": the dialog in which the user writes a new alarm or changes one: its
// message, its time of day, its date on a month calendar, and through Options its sound and mode. On Set
// Alarm the dialog adds the alarm to the store itself and closes with OK.
#pragma once

#include "controls/flat_button.h"
#include "store/alarm_store.h"
#include "store/clock.h"
#include "ui/alarm_editor.h"
#include "ui/alarm_options.h"

#include <QDialog>

#include <string>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace klaxora {

class TCalendar;
class TSpinButton;

class TEditAlarmExact : public QDialog, public AlarmEditor {
    Q_OBJECT

public:
    // The store receives the alarm on Set Alarm; the options dialog is centred over `mainWindow`, which
    // is also the editor's parent. Store and clock must outlive the dialog.
    TEditAlarmExact(AlarmStore& store, const Clock& clock, AlarmOptionsServices optionsServices,
                    QWidget* mainWindow);

    // AlarmEditor
    void SetMessageText(const std::string& message) override;
    void SetTimeText(const std::string& timeText) override;
    void SetCalendarDate(TDateTime date) override;
    void SetWaveFile(const std::string& waveFile) override { WaveFile = waveFile; }
    void SetAlarmMode(TAlarmMode mode) override { AlarmMode = mode; }
    void CenterOver(const QWidget* mainWindow) override;
    int ShowModal() override;

    // Set by the caller before the dialog is shown; Options changes them.
    std::string WaveFile;
    TAlarmMode AlarmMode = amMessageAndSound;

    // Handlers.
    void FormCreate();
    bool CheckValidTime();
    void SetAlarmButtonClick();
    void CancelButtonClick();
    void HoursSpinnerUpClick() { StepTime(60); }
    void HoursSpinnerDownClick() { StepTime(-59); }
    void MinutesSpinnerUpClick() { StepTime(1); }
    void MinutesSpinnerDownClick() { StepTime(-1); }
    void PrevYearClick();
    void PrevMonthClick();
    void NextMonthClick();
    void NextYearClick();
    void todayButtonClick();
    void CalendarChange();
    void optionsButtonClick();
    void helpButtonClick();
    // Enter and Escape held with Shift or Ctrl; plain ones are taken by the hidden buttons.
    bool FormKeyDown(int qtKey, Qt::KeyboardModifiers modifiers);

    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void CreateMessagePanel();
    void CreateCalendarPanel();
    void CreateButtonPanel();
    void SetTabOrder();
    // The time steps of the spinners: n minutes, wrapping around midnight.
    void StepTime(int minutes);
    std::string ShortTimeText(TDateTime time) const;

    AlarmStore& store_;
    const Clock& clock_;
    AlarmOptionsServices optionsServices_;
    QWidget* mainWindow_;

    // The window's parts; each has an objectName of its own member name without the underscore.
    QFrame* messagePanel_;
    QLabel* messageCaption_;
    QLineEdit* messageEdit_;
    QLabel* timeCaption_;
    TSpinButton* hoursSpinner_;
    QLineEdit* timeEdit_;
    TSpinButton* minutesSpinner_;
    QLabel* timeInstruction_;
    QFrame* calendarPanel_;
    QFrame* monthStepBar_;
    TFlatButton* prevYearButton_;
    TFlatButton* prevMonthButton_;
    TFlatButton* todayButton_;
    TFlatButton* nextMonthButton_;
    TFlatButton* nextYearButton_;
    QLabel* dateLabel_;
    TCalendar* calendar_;
    QFrame* buttonPanel_;
    TFlatButton* setAlarmButton_;
    TFlatButton* cancelButton_;
    TFlatButton* optionsButton_;
    TFlatButton* helpButton_;
    QPushButton* hiddenOkButton_;
    QPushButton* hiddenCancelButton_;
};

} // namespace klaxora

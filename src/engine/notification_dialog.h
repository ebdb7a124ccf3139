// The notification dialog: shows a due alarm's message and asks whether to delete it or have it come
// back later. The answer is the modal result: 1 deletes, -m snoozes m minutes, 2 is a close by the window
// system (treated like 1 by the caller). It makes no sound and changes no alarm.
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace klaxora {

class NotificationDialog : public QDialog {
    Q_OBJECT

public:
    // Modal results of the choices.
    static constexpr int DeleteResult = 1;
    static constexpr int SystemCloseResult = 2;

    // Always a top-level window of its own (no parent), so that it shows while the main window is
    // minimised or hidden in the notification area, and leaves that window's state alone.
    NotificationDialog();

    // Puts the message into its label and runs the dialog modally; returns the modal result.
    int announce(const QString& message);

    // In front of whatever application the user is working in, as far as the desktop lets a program
    // do that; nothing while no alarm is shown.
    void bringToFront();

    // There is no cancel: Escape must not end the dialog, only a button or the window system can.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QPushButton* addChoice(const char* name, const char* caption, const char* hint, int modalResult, int left,
                           int top, int width, int height);
    void centerOnScreen();

    // The window's parts; each has an objectName of its own member name without the underscore.
    QLabel* message_;
    QFrame* snoozePanel_;
    QLabel* snoozeCaption_;
    QPushButton* snooze1MinuteButton_;
    QPushButton* snooze5MinutesButton_;
    QPushButton* snooze10MinutesButton_;
    QPushButton* snooze30MinutesButton_;
    QPushButton* snooze1HourButton_;
    QPushButton* snooze2HoursButton_;
    QPushButton* snooze4HoursButton_;
    QPushButton* snooze24HoursButton_;
    QPushButton* deleteButton_;
    QPushButton* snooze1WeekButton_;
};

} // namespace klaxora

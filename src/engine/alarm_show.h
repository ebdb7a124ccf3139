// The notification dialog: shows a due alarm's message and asks whether to delete it or have it come
// back later. The answer is the modal result: 1 deletes, -m snoozes m minutes, 2 is a close by the window
// system (treated like 1 by the caller). It makes no sound and changes no alarm.
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace klaxora {

class TAlarmShow : public QDialog {
    Q_OBJECT

public:
    // Modal results of the choices.
    static constexpr int DeleteResult = 1;
    static constexpr int SystemCloseResult = 2;

    // Always a top-level window of its own (no parent), so that it shows while the main window is
    // minimised or hidden in the notification area, and leaves that window's state alone.
    TAlarmShow();

    // Puts the message into AlarmMsg and runs the dialog modally; returns the modal result.
    int Announce(const QString& message);

    // The controls under their form names, for the caller and for tests.
    QLabel* AlarmMsg;
    QFrame* Panel1;
    QLabel* Label1;
    QPushButton* b1min;
    QPushButton* b5min;
    QPushButton* b10min;
    QPushButton* b30min;
    QPushButton* b1hour;
    QPushButton* b2hr;
    QPushButton* b4hr;
    QPushButton* b24hr;
    QPushButton* Okbutton;
    QPushButton* BitBtn1;

    // In front of whatever application the user is working in, as far as the desktop lets a program
    // do that; nothing while no alarm is shown.
    void BringToFront();

    // There is no cancel: Escape must not end the dialog, only a button or the window system can.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QPushButton* AddChoice(const char* caption, const char* hint, int modalResult, int left, int top,
                           int width, int height);
    void CenterOnScreen();
};

} // namespace klaxora

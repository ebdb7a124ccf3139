// The window that tells many missed alarms at once (a user back from a holiday): their times, dates and
// messages in one list, with "Delete All" and "Keep". The answer is the modal result; it changes no alarm.
#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;
class QPushButton;

namespace klaxora {

class MissedAlarmsDialog : public QDialog {
    Q_OBJECT

public:
    // A top-level window of its own, as the notification dialog is.
    MissedAlarmsDialog();

    // Lists the lines and runs the dialog modally; true when the user chose "Delete All". Keep is the
    // default, so that Enter or Escape loses nothing.
    bool ask(const QStringList& lines);

private:
    QListWidget* list_;
    QPushButton* keepButton_;
};

} // namespace klaxora

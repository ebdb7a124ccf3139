// File menu's Import Alarms… and Export Alarms…: the alarms to and from an iCalendar file, as --import
// and --export carry them out; Calendar… and Sync Now, the sync with a CalDAV calendar, its password and
// what the window says of its outcome.
#include "ui/main_screen.h"

#include "command/calendar_commands.h"
#include "command/command_execution.h"
#include "command/translated_text.h"
#include "engine/alarm_timer.h"
#include "sync/icalendar_zone.h"
#include "ui/calendar_dialog.h"
#include "ui/message_boxes.h"

#include <QAction>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QUrl>

namespace klaxora {

namespace {

QString fileDialogChoice(QWidget* parent, bool saving)
{
    const QString filter = MainScreen::tr("iCalendar files (*.ics);;All files (*)");
    if (saving)
        return QFileDialog::getSaveFileName(parent, MainScreen::tr("Export Alarms"),
                                            QStringLiteral("Klaxora.ics"), filter);
    return QFileDialog::getOpenFileName(parent, MainScreen::tr("Import Alarms"), QString(), filter);
}

} // namespace

void MainScreen::createCalendarSync()
{
    CalendarSyncSetup setup;
    setup.folder = folder_;
    setup.zoneName = systemZoneName(fileSystem_);
    setup.newAlarmWaveFile = [this] { return newAlarmWaveFile(preferences_); };
    setup.saveAlarms = [this] { store_->writeToDisk(); };
    calendarSync_ = std::make_unique<CalendarSync>(*store_, clock_, fileSystem_, std::move(setup), this);
    connect(calendarSync_.get(), &CalendarSync::finished, this, &MainScreen::calendarSyncFinished);
    syncNowAction_->setEnabled(calendarSync_->isOn());
}

CalendarSync& MainScreen::calendarSync()
{
    if (!calendarSync_)
        createCalendarSync();
    return *calendarSync_;
}

void MainScreen::showCalendarDialog()
{
    CalendarSync& sync = calendarSync();
    {
        const TimerOffBracket timerOff(engine_->alarmTimer());
        CalendarDialog dialog(sync, calendarPasswords_, this);
        if (dialog.exec() != QDialog::Accepted)
            return;
    }
    syncNowAction_->setEnabled(calendarSync_->isOn());
    if (calendarSync_->isOn()) {
        if (calendarSync_->hasPassword())
            startCalendarSync();
        return;
    }
    // Turned off: what the last sync said is no longer the window's concern.
    calendarUnreachable_ = false;
    showAlarmFileState();
}

void MainScreen::startCalendarSync()
{
    calendarSync_->syncAutomatically();
    calendarSync_->syncNow();
}

void MainScreen::startCalendarSyncAtFirstActivation()
{
    if (!calendarSync_ || !calendarSync_->isOn())
        return;
    calendarPasswords_.read(calendarSync_->connection(),
                            [this](const std::optional<QString>& password, const QString& /*error*/) {
                                // Turned off, or connected from the command line, meanwhile.
                                if (!calendarSync_->isOn() || calendarSync_->hasPassword())
                                    return;
                                if (password) {
                                    calendarSync_->setPassword(*password);
                                    startCalendarSync();
                                } else {
                                    askCalendarPassword();
                                }
                            });
}

void MainScreen::askCalendarPassword()
{
    // Not modal: an unanswered question must not keep the alarms from ringing.
    const CalendarConnection& connection = calendarSync_->connection();
    auto* question = new QInputDialog(this);
    question->setObjectName(QStringLiteral("calendarPasswordQuestion"));
    question->setAttribute(Qt::WA_DeleteOnClose);
    question->setWindowTitle(tr("Calendar"));
    question->setLabelText(tr("Password for %1 at %2")
                               .arg(QString::fromStdString(connection.user),
                                    QUrl(QString::fromStdString(connection.collection)).host()));
    question->setTextEchoMode(QLineEdit::Password);
    connect(question, &QInputDialog::textValueSelected, this, [this](const QString& password) {
        if (!calendarSync_->isOn() || calendarSync_->hasPassword())
            return;
        // In memory only, for this run.
        calendarSync_->setPassword(password);
        startCalendarSync();
    });
    question->show();
}

void MainScreen::calendarSyncFinished(const CalendarSyncReport& report)
{
    // One note in the caption until a sync gets through again; never a box per failure.
    calendarUnreachable_ = !report.error.isEmpty();
    syncNowAction_->setToolTip(report.error.isEmpty() ? tr("Sync the alarms with the calendar now")
                                                      : report.error);
    showAlarmFileState();
    // One box however many conflicts come in while it is open.
    if (report.conflicts == 0 || conflictBox_)
        return;
    const QString text = tr("An alarm was changed both here and in the calendar. Both are kept; the one from "
                            "here is marked \"Conflict copy\".");
    conflictBox_ =
        new QMessageBox(QMessageBox::Information, QStringLiteral("Klaxora!"), text, QMessageBox::Ok, this);
    conflictBox_->setObjectName(QStringLiteral("calendarConflictBox"));
    conflictBox_->setAttribute(Qt::WA_DeleteOnClose);
    conflictBox_->setModal(false);
    conflictBox_->show();
}

CalendarFiles MainScreen::calendarFiles() const
{
    return {fileSystem_, clock_, systemZoneName(fileSystem_)};
}

void MainScreen::importAlarms()
{
    QString name;
    {
        const TimerOffBracket timerOff(engine_->alarmTimer());
        name = chooseCalendarFile_ ? chooseCalendarFile_(this, false) : fileDialogChoice(this, false);
    }
    if (name.isEmpty())
        return;
    CommandRequest request;
    request.kind = CommandKind::Import;
    request.calendarFile = name.toStdString();
    showCalendarReply(commands_->importFromCommand(request, calendarFiles()));
}

void MainScreen::exportAlarms()
{
    const TimerOffBracket timerOff(engine_->alarmTimer());
    const QString name = chooseCalendarFile_ ? chooseCalendarFile_(this, true) : fileDialogChoice(this, true);
    if (name.isEmpty())
        return;
    CommandRequest request;
    request.kind = CommandKind::Export;
    request.calendarFile = name.toStdString();
    showCalendarReply(carryOutExport(request, *store_, calendarFiles(), translatedText));
}

void MainScreen::showCalendarReply(const CommandReply& reply)
{
    if (reply.exitCode != ExitDone) {
        // The command's "klaxora: " and line end belong to a terminal.
        QString text = QString::fromStdString(reply.errors).trimmed();
        text.remove(0, text.startsWith(QLatin1String("klaxora: ")) ? 9 : 0);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
        if (!text.isEmpty())
            text[0] = text[0].toUpper();
        showErrorBox(text);
        return;
    }
    informationBox(QString::fromStdString(reply.output).trimmed());
}

} // namespace klaxora

// File menu's Import Alarms… and Export Alarms…: the alarms to and from an iCalendar file, as --import
// and --export carry them out.
#include "ui/main_screen.h"

#include "command/calendar_commands.h"
#include "command/command_execution.h"
#include "command/translated_text.h"
#include "engine/alarm_timer.h"
#include "sync/icalendar_zone.h"
#include "ui/message_boxes.h"

#include <QFileDialog>

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

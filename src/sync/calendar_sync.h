// Two-way sync of the alarms with one calendar collection on a CalDAV server, beside the tick and never in
// its way: the alarm file stays what rings. A sync reads what changed on the server and takes it in, then
// sends what changed here since the journal's agreed state (calendar_journal.h). An alarm changed on both
// sides is kept twice, the one from here as a marked conflict copy; one deleted on one side and changed
// on the other is kept with the change. A failure leaves the alarms and the journal as the last sync left
// them, so the next sync sends what this one could not.
#pragma once

#include "store/alarm_store.h"
#include "store/alarm_store_ui.h"
#include "store/clock.h"
#include "store/file_system.h"
#include "sync/caldav_collection_reader.h"
#include "sync/caldav_request_policy.h"
#include "sync/caldav_transport.h"
#include "sync/caldav_writer.h"
#include "sync/calendar_journal.h"

#include <QCoreApplication>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace klaxora {

struct CalendarSyncSetup {
    // Where "Alarms.dat" and "Calendar.dat" live.
    std::string folder;
    // The system's zone (sync/icalendar_zone.h).
    std::string zoneName;
    // The sound of an alarm whose event names none, as Add Alarm would give it.
    std::function<std::string()> newAlarmWaveFile;
    // Writes the alarm file as AlarmStore::writeToDisk() does, throwing as it does.
    std::function<void()> saveAlarms;
    // Its time-out and size bound; the host for plain http comes from the connection.
    CalDavRequestPolicy policy;
};

struct CalendarSyncReport {
    QString error;     // empty when the sync finished
    int received = 0;  // alarms added or changed here from the server
    int removed = 0;   // alarms removed here, gone from the server
    int sent = 0;      // changes written to the server
    int conflicts = 0; // alarms kept twice
};

class CalendarSync : public QObject, private AlarmFileObserver {
    Q_OBJECT

public:
    // How long after a change here it is sent, and how often the server is asked otherwise.
    static constexpr int ChangeDelayMs = 3000;
    static constexpr int PeriodMs = 5 * 60 * 1000;

    // Reads "Calendar.dat": without it the sync is off until connectTo(). Throws InOutError when it
    // cannot be read. The store, clock and file system must outlive the sync.
    CalendarSync(AlarmStore& store, const Clock& clock, FileSystem& fileSystem, CalendarSyncSetup setup,
                 QObject* parent = nullptr);
    ~CalendarSync() override;

    bool isOn() const { return journal_.has_value(); }
    // Only while on.
    const CalendarConnection& connection() const { return journal_->connection; }
    // Nothing is sent to the server until the password is known.
    void setPassword(const QString& password);
    bool hasPassword() const { return password_.has_value(); }
    // Syncs with this calendar from now on; a calendar other than the last starts with nothing agreed.
    // Throws InOutError when "Calendar.dat" cannot be written.
    void connectTo(const CalendarConnection& connection, const QString& password);
    // Removes "Calendar.dat"; the alarms stay. Throws InOutError.
    void turnOff();

    // A sync at once, and another after it if one is running.
    void syncNow();
    // In the running program: a sync shortly after each change of the alarm file, and every PeriodMs.
    void syncAutomatically();
    bool running() const { return running_; }

signals:
    void finished(const CalendarSyncReport& report);

private:
    struct Cycle;
    // AlarmFileObserver
    void alarmFileWritten() override;

    void startCycle();
    void takeServerChanges(const CalDavChanges& changes);
    void takeServerObject(const CalDavObject& object);
    void takeServerRemoval(const std::string& url);
    void queueLocalChanges();
    void sendNext();
    void sent(const std::string& url, const std::string& uid, const CalDavWriteResult& result);
    void end(const QString& error);
    void saveJournal();
    void rebuildClient();

    AlarmStore& store_;
    const Clock& clock_;
    FileSystem& fileSystem_;
    CalendarSyncSetup setup_;
    std::optional<CalendarJournal> journal_;
    // As "Calendar.dat" holds it.
    std::optional<CalendarJournal> savedJournal_;
    std::optional<QString> password_;
    std::unique_ptr<CalDavTransport> transport_;
    std::unique_ptr<CalDavCollectionReader> reader_;
    std::unique_ptr<CalDavWriter> writer_;
    std::unique_ptr<Cycle> cycle_;
    bool running_ = false;
    bool again_ = false;
    // The sync's own writes of the alarm file are no change to send.
    bool savingAlarms_ = false;
    QTimer changeTimer_;
    QTimer periodTimer_;
};

} // namespace klaxora

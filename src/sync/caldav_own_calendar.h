// The calendar the program syncs with, from the address the user gave: a calendar's own address is used
// as it is; a server's address leads to the program's own calendar in the account's home set, made there
// when it is missing.
#pragma once

#include "sync/caldav_discovery.h"

#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>

namespace klaxora {

class CalDavOwnCalendar : public QObject {
    Q_OBJECT

public:
    // The name the program's calendar is found again by, in every language.
    static inline const QString displayName = QStringLiteral("Klaxora! Alarms");

    explicit CalDavOwnCalendar(CalDavTransport& transport, QObject* parent = nullptr);

    void find(const QUrl& address, std::function<void(const CalDavCalendarMade&)> done);

private:
    CalDavDiscovery discovery_;
};

} // namespace klaxora

// The calendar password in the desktop's Secret Service, through QtKeychain, under the connection's user
// and server. Never written anywhere else: without a Secret Service reading and storing fail with a
// reason, and the caller asks the user once per start and keeps the password in memory only.
#pragma once

#include "sync/calendar_journal.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

namespace klaxora {

class CalendarPasswords : public QObject {
    Q_OBJECT

public:
    explicit CalendarPasswords(QObject* parent = nullptr);

    // One entry per account: the user at the server (its port named when it has one of its own).
    static QString accountKey(const CalendarConnection& connection);

    // `password` is none when none is stored or the Secret Service cannot be reached; `error` then says
    // which (empty when none is stored).
    void read(const CalendarConnection& connection,
              std::function<void(const std::optional<QString>& password, const QString& error)> done);
    // `error` is empty when it was stored.
    void store(const CalendarConnection& connection, const QString& password,
               std::function<void(const QString& error)> done);
    void forget(const CalendarConnection& connection, std::function<void(const QString& error)> done);
};

} // namespace klaxora

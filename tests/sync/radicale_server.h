// A Radicale CalDAV server of the test's own on a free loopback port, with fresh storage and the user "alice"
// (password "secret"), stopped with its whole process group when the object goes, and killed by the
// system should the test program die first.
#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>

namespace klaxora::test {

class RadicaleServer {
public:
    static inline const QString password = QStringLiteral("secret");

    RadicaleServer();
    ~RadicaleServer();
    RadicaleServer(const RadicaleServer&) = delete;
    RadicaleServer& operator=(const RadicaleServer&) = delete;

    // Why it is not running; empty when it is.
    QString failure() const { return failure_; }
    QUrl url(const QString& path = "/") const;
    // Stopped (killed, in the middle of whatever it does) and started again, it keeps its port, users and
    // calendars.
    void stop(bool kill = false);
    void start();

private:
    QTemporaryDir folder_;
    QProcess process_;
    quint16 port_ = 0;
    QString failure_;
};

} // namespace klaxora::test

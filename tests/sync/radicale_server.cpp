#include "sync/radicale_server.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

namespace klaxora::test {

namespace {

quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

bool answers(quint16 port)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    return socket.waitForConnected(200);
}

} // namespace

RadicaleServer::RadicaleServer()
{
    const QString radicale = QStandardPaths::findExecutable("radicale");
    if (radicale.isEmpty()) {
        failure_ = "no radicale to run (package radicale)";
        return;
    }
    port_ = freePort();
    QFile users(folder_.filePath("users"));
    users.open(QIODevice::WriteOnly);
    users.write("alice:secret\n");
    users.close();
    QFile config(folder_.filePath("config"));
    config.open(QIODevice::WriteOnly);
    config.write(
        QString("[server]\nhosts = 127.0.0.1:%1\n"
                "[auth]\ntype = htpasswd\nhtpasswd_filename = %2\nhtpasswd_encryption = plain\ndelay = 0\n"
                "[rights]\ntype = owner_only\n"
                "[storage]\nfilesystem_folder = %3\n"
                "[web]\ntype = none\n[logging]\nlevel = error\n")
            .arg(port_)
            .arg(users.fileName(), folder_.filePath("collections"))
            .toUtf8());
    config.close();
    start();
}

void RadicaleServer::start()
{
    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.setChildProcessModifier([] {
        // A group of its own to stop it with all it started, and gone with the test program.
        setsid();
        prctl(PR_SET_PDEATHSIG, SIGKILL);
    });
    process_.start(QStandardPaths::findExecutable("radicale"), {"--config", folder_.filePath("config")});
    const QDeadlineTimer deadline(15000);
    while (!answers(port_)) {
        if (process_.state() == QProcess::NotRunning || deadline.hasExpired()) {
            failure_ = "radicale did not start: " + QString::fromUtf8(process_.readAll());
            stop();
            return;
        }
        QThread::msleep(50);
    }
}

RadicaleServer::~RadicaleServer()
{
    stop();
}

QUrl RadicaleServer::url(const QString& path) const
{
    return QUrl(QString("http://127.0.0.1:%1%2").arg(port_).arg(path));
}

void RadicaleServer::stop(bool kill)
{
    if (process_.state() == QProcess::NotRunning) {
        return;
    }
    const pid_t group = static_cast<pid_t>(process_.processId());
    ::kill(-group, kill ? SIGKILL : SIGTERM);
    if (!process_.waitForFinished(3000)) {
        ::kill(-group, SIGKILL);
        process_.waitForFinished(3000);
    }
}

} // namespace klaxora::test

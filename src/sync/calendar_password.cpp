#include "sync/calendar_password.h"

#include <QUrl>
#include <qt6keychain/keychain.h>

#include <utility>

namespace klaxora {

QString CalendarPasswords::accountKey(const CalendarConnection& connection)
{
    const QUrl url(QString::fromStdString(connection.collection));
    QString server = url.host();
    if (url.port() != -1)
        server += QLatin1Char(':') + QString::number(url.port());
    return QString::fromStdString(connection.user) + QLatin1Char('@') + server;
}

namespace {

const QString keychainService = QStringLiteral("Klaxora!");

// Jobs have no parent: a job deleted while the keyring still works on it is not safe in every backend,
// so each ends by itself; its answer reaches the caller only while the CalendarPasswords lives.
template <typename JobType>
JobType* makeJob(const CalendarConnection& connection)
{
    auto* job = new JobType(keychainService);
    job->setAutoDelete(true);
    // Never a file beside the keyring: without a Secret Service the password is kept in memory only.
    job->setInsecureFallback(false);
    job->setKey(CalendarPasswords::accountKey(connection));
    return job;
}

} // namespace

CalendarPasswords::CalendarPasswords(QObject* parent) : QObject(parent) {}

void CalendarPasswords::read(
    const CalendarConnection& connection,
    std::function<void(const std::optional<QString>& password, const QString& error)> done)
{
    auto* job = makeJob<QKeychain::ReadPasswordJob>(connection);
    connect(job, &QKeychain::Job::finished, this, [done = std::move(done)](QKeychain::Job* finished) {
        const auto* reading = static_cast<QKeychain::ReadPasswordJob*>(finished);
        if (reading->error() == QKeychain::NoError)
            done(reading->textData(), QString());
        else if (reading->error() == QKeychain::EntryNotFound)
            done(std::nullopt, QString());
        else
            done(
                std::nullopt,
                tr("The password cannot be read from the desktop's keyring: %1").arg(reading->errorString()));
    });
    job->start();
}

void CalendarPasswords::store(const CalendarConnection& connection, const QString& password,
                              std::function<void(const QString& error)> done)
{
    auto* job = makeJob<QKeychain::WritePasswordJob>(connection);
    job->setTextData(password);
    connect(job, &QKeychain::Job::finished, this, [done = std::move(done)](QKeychain::Job* finished) {
        if (finished->error() == QKeychain::NoError)
            done(QString());
        else
            done(tr("The password cannot be kept in the desktop's keyring: %1").arg(finished->errorString()));
    });
    job->start();
}

void CalendarPasswords::forget(const CalendarConnection& connection,
                               std::function<void(const QString& error)> done)
{
    auto* job = makeJob<QKeychain::DeletePasswordJob>(connection);
    connect(job, &QKeychain::Job::finished, this, [done = std::move(done)](QKeychain::Job* finished) {
        // A password that was never stored, or with no keyring to store it in, is forgotten all the same.
        if (finished->error() == QKeychain::NoError || finished->error() == QKeychain::EntryNotFound ||
            finished->error() == QKeychain::NoBackendAvailable)
            done(QString());
        else
            done(tr("The password cannot be removed from the desktop's keyring: %1")
                     .arg(finished->errorString()));
    });
    job->start();
}

} // namespace klaxora

// A tiny HTTP server on loopback that answers as each test scripts it, to play the misbehaving servers:
// answers that never come, are cut off, are huge, or go elsewhere; over TLS with a certificate no system
// trusts. One request per connection.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QTcpServer>
#include <QUrl>

#include <functional>
#include <memory>

class QSslConfiguration;
class QTcpSocket;

namespace klaxora::test {

struct HttpExchange {
    QByteArray method;
    QByteArray path;
    // Header names in lower case.
    QHash<QByteArray, QByteArray> headers;
    QByteArray body;
};

struct ScriptedAnswer {
    // Written as they are: status line, headers, body.
    QByteArray bytes;
    // Then this many more bytes of filler, written as the client takes them.
    qint64 filler = 0;
    // Keep the connection open without a word more.
    bool hang = false;
};

// A whole answer with Content-Length and the connection closed after it.
ScriptedAnswer httpAnswer(int status, const QByteArray& body = {}, const QByteArray& extraHeaders = {});

class ScriptedHttpServer : public QObject {
    Q_OBJECT

public:
    using Script = std::function<ScriptedAnswer(const HttpExchange&)>;

    explicit ScriptedHttpServer(Script script, const QHostAddress& address = QHostAddress::LocalHost);
    // Speaks https with this certificate and key.
    ScriptedHttpServer(Script script, const QSslConfiguration& tls);

    QUrl url(const QString& path = "/") const;

    QList<HttpExchange> exchanges;
    // How much of the filler went out before the client hung up.
    qint64 fillerWritten = 0;

private:
    void listen(const QHostAddress& address);
    void serve(QTcpSocket* socket);
    void writeFiller(QTcpSocket* socket);

    Script script_;
    std::unique_ptr<QTcpServer> server_;
    QHash<QTcpSocket*, QByteArray> received_;
    qint64 fillerLeft_ = 0;
};

} // namespace klaxora::test

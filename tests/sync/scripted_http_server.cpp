#include "sync/scripted_http_server.h"

#include <QSslServer>
#include <QTcpSocket>

namespace klaxora::test {

ScriptedAnswer httpAnswer(int status, const QByteArray& body, const QByteArray& extraHeaders)
{
    return {"HTTP/1.1 " + QByteArray::number(status) + " Scripted\r\nConnection: close\r\nContent-Length: " +
                QByteArray::number(body.size()) + "\r\n" + extraHeaders + "\r\n" + body,
            0, false};
}

ScriptedHttpServer::ScriptedHttpServer(Script script, const QHostAddress& address)
    : script_(std::move(script)), server_(std::make_unique<QTcpServer>())
{
    listen(address);
}

ScriptedHttpServer::ScriptedHttpServer(Script script, const QSslConfiguration& tls)
    : script_(std::move(script))
{
    auto server = std::make_unique<QSslServer>();
    server->setSslConfiguration(tls);
    server_ = std::move(server);
    listen(QHostAddress::LocalHost);
}

void ScriptedHttpServer::listen(const QHostAddress& address)
{
    server_->listen(address, 0);
    connect(server_.get(), &QTcpServer::pendingConnectionAvailable, this, [this] {
        while (QTcpSocket* socket = server_->nextPendingConnection()) {
            socket->setParent(this);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

QUrl ScriptedHttpServer::url(const QString& path) const
{
    const QString scheme = qobject_cast<QSslServer*>(server_.get()) ? "https" : "http";
    return QUrl(QString("%1://%2:%3%4")
                    .arg(scheme, server_->serverAddress().toString())
                    .arg(server_->serverPort())
                    .arg(path));
}

void ScriptedHttpServer::serve(QTcpSocket* socket)
{
    QByteArray& received = received_[socket];
    received += socket->readAll();
    const qsizetype headerEnd = received.indexOf("\r\n\r\n");
    if (headerEnd < 0) {
        return;
    }
    HttpExchange exchange;
    const QList<QByteArray> lines = received.left(headerEnd).split('\n');
    const QList<QByteArray> requestLine = lines.first().trimmed().split(' ');
    exchange.method = requestLine.value(0);
    exchange.path = requestLine.value(1);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        exchange.headers.insert(lines[i].left(colon).trimmed().toLower(), lines[i].mid(colon + 1).trimmed());
    }
    const qsizetype length = exchange.headers.value("content-length").toLongLong();
    if (received.size() < headerEnd + 4 + length) {
        return;
    }
    exchange.body = received.mid(headerEnd + 4, length);
    received_.remove(socket);
    disconnect(socket, &QTcpSocket::readyRead, this, nullptr);
    exchanges.append(exchange);

    const ScriptedAnswer answer = script_(exchange);
    if (answer.hang) {
        return;
    }
    socket->write(answer.bytes);
    fillerLeft_ = answer.filler;
    if (fillerLeft_ > 0) {
        connect(socket, &QTcpSocket::bytesWritten, this, [this, socket] { writeFiller(socket); });
        writeFiller(socket);
        return;
    }
    socket->disconnectFromHost();
}

void ScriptedHttpServer::writeFiller(QTcpSocket* socket)
{
    constexpr qint64 chunk = 1024 * 1024;
    if (socket->state() != QAbstractSocket::ConnectedState || socket->bytesToWrite() > chunk) {
        return;
    }
    if (fillerLeft_ <= 0) {
        socket->disconnectFromHost();
        return;
    }
    const qint64 size = std::min(chunk, fillerLeft_);
    fillerLeft_ -= size;
    fillerWritten += size;
    socket->write(QByteArray(size, 'x'));
}

} // namespace klaxora::test

#include "command/command_server.h"

#include "command/command_channel.h"
#include "command/translated_text.h"

#include <QLocalSocket>
#include <QPointer>

#include <exception>
#include <memory>

namespace klaxora {

CommandServer::CommandServer(Handler handler, QObject* parent) : QObject(parent), handler_(std::move(handler))
{
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &CommandServer::accept);
}

bool CommandServer::listen(const QString& path)
{
    QLocalServer::removeServer(path);
    return server_.listen(path);
}

void CommandServer::accept()
{
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { answer(socket); });
        answer(socket);
    }
}

void CommandServer::answer(QLocalSocket* socket)
{
    QDataStream in(socket);
    in.startTransaction();
    CommandRequest request;
    const bool understood = readRequest(in, request);
    if (!in.commitTransaction())
        return; // the rest is still on its way
    // One request a connection: whatever else comes is not read.
    disconnect(socket, &QLocalSocket::readyRead, this, nullptr);
    const QPointer<QLocalSocket> connection(socket);
    const auto replied = std::make_shared<bool>(false);
    const CommandReplyCallback reply = [connection, replied](const CommandReply& answer) {
        if (*replied || connection.isNull())
            return;
        *replied = true;
        QDataStream out(connection.data());
        writeReply(out, answer);
        connection->disconnectFromServer();
    };
    if (!understood) {
        reply(failedReply("the running program did not understand the command"));
        return;
    }
    try {
        handler_(request, reply);
    } catch (const std::exception& error) {
        // An error must not end the program; the command is told instead.
        reply(failedReply(translatedError(error)));
    }
}

} // namespace klaxora

#include "command/command_server.h"

#include "command/command_channel.h"
#include "command/translated_text.h"

#include <QLocalSocket>

#include <exception>

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
    CommandReply reply = failedReply("the running program did not understand the command");
    if (understood) {
        try {
            reply = handler_(request);
        } catch (const std::exception& error) {
            // An error must not end the program; the command is told instead.
            reply = failedReply(translatedError(error));
        }
    }
    QDataStream out(socket);
    writeReply(out, reply);
    socket->disconnectFromServer();
}

} // namespace klaxora

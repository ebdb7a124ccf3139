// The running program's end of the command socket: each connection brings one request, which the
// program carries out on its own thread and answers, at once or, for a command that waits for a server,
// when that is done.
#pragma once

#include "command/command_request.h"

#include <QLocalServer>
#include <QObject>

#include <functional>

class QLocalSocket;

namespace klaxora {

class CommandServer : public QObject {
    Q_OBJECT

public:
    // Calls `reply` once; a reply after the command gave up and closed the connection is dropped.
    using Handler = std::function<void(const CommandRequest&, const CommandReplyCallback& reply)>;

    explicit CommandServer(Handler handler, QObject* parent = nullptr);

    // Listens at `path`, reachable by the user alone. A socket file left there by a program that was
    // killed is replaced: the caller holds the single-instance lock, so no other program listens.
    bool listen(const QString& path);
    QString errorText() const { return server_.errorString(); }

private:
    void accept();
    void answer(QLocalSocket* socket);

    Handler handler_;
    QLocalServer server_;
};

} // namespace klaxora

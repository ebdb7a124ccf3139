// The running program's end of the command socket: each connection brings one request, which the
// program carries out at once, on its own thread, and answers.
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
    using Handler = std::function<CommandReply(const CommandRequest&)>;

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

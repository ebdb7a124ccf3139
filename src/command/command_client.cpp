#include "command/command_client.h"

#include "command/command_channel.h"
#include "command/direct_command.h"
#include "command/single_instance.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QProcess>
#include <QThread>

#include <algorithm>

namespace klaxora {

namespace {

// Another command working on the files holds the lock for a few milliseconds; twenty at once wait
// their turn. Longer than that, something is wrong.
constexpr int LockWaitMilliseconds = 10000;

CommandReply startProgram(const QString& program)
{
    if (!QProcess::startDetached(program, {}))
        return failedReply(
            QCoreApplication::translate("CommandReply", "Klaxora! could not be started from %1")
                .arg(program)
                .toStdString());
    return {ExitDone,
            QCoreApplication::translate("CommandReply", "Klaxora! was not running; it has been started.")
                    .toStdString() +
                "\n",
            {}};
}

} // namespace

std::optional<CommandReply> askRunningProgram(const QString& socketPath, const CommandRequest& request)
{
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(CommandAnswerMilliseconds))
        return std::nullopt;
    {
        QDataStream out(&socket);
        writeRequest(out, request);
    }
    const int answerBound = answerMilliseconds(request.kind);
    const QDeadlineTimer deadline(answerBound);
    QDataStream in(&socket);
    while (!deadline.hasExpired()) {
        in.startTransaction();
        CommandReply reply;
        const bool understood = readReply(in, reply);
        if (in.commitTransaction())
            return understood ? reply
                              : failedReply(QCoreApplication::translate(
                                                "CommandReply",
                                                "the running Klaxora! sent an answer that is not understood")
                                                .toStdString());
        if (socket.state() != QLocalSocket::ConnectedState && socket.bytesAvailable() == 0)
            break;
        socket.waitForReadyRead(int(std::max<qint64>(1, deadline.remainingTime())));
    }
    return failedReply(QCoreApplication::translate(
                           "CommandReply", "Klaxora! is running but did not answer within %1 seconds; "
                                           "the command may or may not have been carried out")
                           .arg(answerBound / 1000)
                           .toStdString());
}

CommandReply handToProgramOrCarryOut(const CommandRequest& request, const CommandContext& context)
{
    const QDeadlineTimer deadline(LockWaitMilliseconds);
    for (;;) {
        if (std::optional<CommandReply> reply = askRunningProgram(context.socketPath, request))
            return *reply;
        bool free = false;
        {
            // Held while the files are read and written: a program starting meanwhile waits for it.
            const SingleInstance lock("Klaxora");
            free = !lock.alreadyRunning();
            if (free && request.kind != CommandKind::Show)
                return carryOutWithoutProgram(request, context);
        }
        // Released first: the program takes the lock itself.
        if (free)
            return startProgram(context.programPath);
        // A program that is starting, or another command at the files.
        if (deadline.hasExpired())
            return failedReply(
                QCoreApplication::translate(
                    "CommandReply",
                    "another Klaxora! holds the alarm files and did not answer within %1 seconds")
                    .arg(LockWaitMilliseconds / 1000)
                    .toStdString());
        QThread::msleep(5);
    }
}

} // namespace klaxora

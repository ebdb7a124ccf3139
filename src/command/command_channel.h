// How a command and its reply travel between a command and the running program: over a local socket in
// the user's runtime folder, beside the single-instance lock, as QDataStream records. The socket is the
// user's alone, so a calendar password goes with its request.
#pragma once

#include "command/command_request.h"

#include <QDataStream>
#include <QString>

namespace klaxora {

// A reply must come within this time, or the command gives up with ExitFailed.
constexpr int CommandAnswerMilliseconds = 5000;
// For --calendar URL and --sync, which wait for the server: well above the 30 seconds a stalled request
// to it takes to fail, since a sync makes several.
constexpr int CalendarAnswerMilliseconds = 120000;

// The bound of a reply to `kind`.
int answerMilliseconds(CommandKind kind);

// The socket in `folder` (the program uses the single-instance lock's folder).
QString commandSocketPath(const QString& folder);

void writeRequest(QDataStream& out, const CommandRequest& request);
// False for a record that is not a request of this program (the stream may still lack data; the caller
// reads in a transaction).
bool readRequest(QDataStream& in, CommandRequest& request);
void writeReply(QDataStream& out, const CommandReply& reply);
bool readReply(QDataStream& in, CommandReply& reply);

} // namespace klaxora

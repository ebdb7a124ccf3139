// How a command and its reply travel between a command and the running program: over a local socket in
// the user's runtime folder, beside the single-instance lock, as QDataStream records.
#pragma once

#include "command/command_request.h"

#include <QDataStream>
#include <QString>

namespace klaxora {

// A reply must come within this time, or the command gives up with ExitFailed.
constexpr int CommandAnswerMilliseconds = 5000;

// The socket in `folder` (the program uses the single-instance lock's folder).
QString commandSocketPath(const QString& folder);

void writeRequest(QDataStream& out, const CommandRequest& request);
// False for a record that is not a request of this program (the stream may still lack data; the caller
// reads in a transaction).
bool readRequest(QDataStream& in, CommandRequest& request);
void writeReply(QDataStream& out, const CommandReply& reply);
bool readReply(QDataStream& in, CommandReply& reply);

} // namespace klaxora

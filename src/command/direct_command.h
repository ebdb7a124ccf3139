// A command carried out without the program: the files are loaded as the program loads them at start,
// changed through the store and written back atomically. The caller holds the single-instance lock.
#pragma once

#include "command/command_client.h"
#include "command/command_request.h"

namespace klaxora {

CommandReply carryOutWithoutProgram(const CommandRequest& request, const CommandContext& context);

} // namespace klaxora

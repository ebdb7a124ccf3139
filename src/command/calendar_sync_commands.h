// --calendar URL, --calendar off and --sync carried out on a calendar sync: the running program's own, or
// one a command made for the files when no program runs. Each answers once through `reply`, when the
// server has answered.
#pragma once

#include "command/command_request.h"
#include "sync/calendar_password.h"
#include "sync/calendar_sync.h"

namespace klaxora {

bool isCalendarSyncCommand(CommandKind kind);

// --calendar URL: finds the calendar (CalDavOwnCalendar), syncs with it from now on and keeps the password
// in the Secret Service, or says why it could not. Nothing changes when the server refuses.
void connectCalendar(const CommandRequest& request, CalendarSync& sync, CalendarPasswords& passwords,
                     const CommandReplyCallback& reply);
// --calendar off: removes "Calendar.dat" and forgets the password; the alarms stay.
void turnOffCalendar(const CommandRequest& request, CalendarSync& sync, CalendarPasswords& passwords,
                     const CommandReplyCallback& reply);
// --sync: one sync, with the request's password, the one the sync holds, or the stored one.
void syncCalendar(const CommandRequest& request, CalendarSync& sync, CalendarPasswords& passwords,
                  const CommandReplyCallback& reply);

// One of the three by the request's kind.
void carryOutCalendarSync(const CommandRequest& request, CalendarSync& sync, CalendarPasswords& passwords,
                          const CommandReplyCallback& reply);

} // namespace klaxora

// A request crosses the socket whole: every field the command line fills comes out as it went in.
#include "command/command_channel.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace klaxora::testing {
namespace {

CommandRequest roundTrip(const CommandRequest& request)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadWrite);
    QDataStream out(&buffer);
    writeRequest(out, request);
    buffer.seek(0);
    QDataStream in(&buffer);
    CommandRequest read;
    EXPECT_TRUE(readRequest(in, read));
    return read;
}

TEST(CommandChannel, ACalendarConnectionCrossesWithItsPassword)
{
    CommandRequest request;
    request.kind = CommandKind::ConnectCalendar;
    request.calendarAddress = "http://nas.home/dav/";
    request.calendarUser = "al";
    request.allowUnencrypted = true;
    request.password = "s3cret";
    EXPECT_EQ(roundTrip(request), request);
    request.kind = CommandKind::SyncCalendar;
    request.password.reset();
    EXPECT_EQ(roundTrip(request), request) << "no password given is not an empty one";
}

} // namespace
} // namespace klaxora::testing

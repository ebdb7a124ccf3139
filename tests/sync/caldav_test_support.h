// Runs one asynchronous CalDAV call to its end, and the calendar texts the tests move.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTest>
#include <gtest/gtest.h>

#include <optional>

namespace klaxora::test {

// `start` gets the callback to hand to the call; returns what the call handed back.
template <typename Result, typename Start>
Result waitFor(Start&& start)
{
    std::optional<Result> result;
    start([&result](const Result& answer) { result = answer; });
    if (!QTest::qWaitFor([&] { return result.has_value(); }, 20000)) {
        ADD_FAILURE() << "the call never finished";
        return {};
    }
    return *result;
}

inline QByteArray eventText(const QString& uid, const QString& summary)
{
    return QString("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//EN\r\nBEGIN:VEVENT\r\nUID:%1\r\n"
                   "DTSTAMP:20260101T000000Z\r\nDTSTART:20260102T080000Z\r\nSUMMARY:%2\r\nEND:VEVENT\r\n"
                   "END:VCALENDAR\r\n")
        .arg(uid, summary)
        .toUtf8();
}

} // namespace klaxora::test

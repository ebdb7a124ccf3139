// A test suite sharing one Radicale server on loopback, each test skipped where none runs, with a client
// for the user "alice" and a fresh calendar of hers at hand.
#pragma once

#include "sync/caldav_discovery.h"
#include "sync/caldav_test_support.h"
#include "sync/radicale_server.h"

#include <gtest/gtest.h>

#include <memory>

namespace klaxora::test {

class RadicaleTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { server = std::make_unique<RadicaleServer>(); }
    static void TearDownTestSuite() { server.reset(); }

    void SetUp() override
    {
        if (!server->failure().isEmpty())
            GTEST_SKIP() << server->failure().toStdString();
    }

    QUrl freshCalendar(const QString& name = "Test calendar")
    {
        CalDavDiscovery discovery(transport);
        const auto found =
            waitFor<CalDavDiscoveryResult>([&](auto done) { discovery.discover(server->url(), done); });
        const auto made = waitFor<CalDavCalendarMade>(
            [&](auto done) { discovery.makeCalendar(found.homeUrl, name, done); });
        EXPECT_EQ(made.error, "");
        return made.calendar.url;
    }

    static inline std::unique_ptr<RadicaleServer> server;
    CalDavTransport transport{{}, {"alice", RadicaleServer::password}};
};

} // namespace klaxora::test

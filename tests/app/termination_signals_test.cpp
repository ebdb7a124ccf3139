// Termination signals reach the event loop as a Qt signal instead of ending the process on the spot.
#include "app/termination_signals.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QSignalSpy>
#include <QTimer>
#include <gtest/gtest.h>

#include <csignal>
#include <stdexcept>

namespace klaxora {
namespace {

void (*currentAction(int signalNumber))(int)
{
    struct sigaction action {};
    ::sigaction(signalNumber, nullptr, &action);
    return action.sa_handler;
}

TEST(TerminationSignalsTest, EachSignalWaitsForTheEventLoopAndArrivesWithItsNumber)
{
    TerminationSignals termination;
    QSignalSpy requested(&termination, &TerminationSignals::requested);
    for (const int signalNumber : {SIGTERM, SIGINT, SIGHUP}) {
        requested.clear();
        ASSERT_EQ(::raise(signalNumber), 0);
        // Nothing happens inside the handler; the process is still here and nothing was emitted yet.
        EXPECT_EQ(requested.count(), 0);
        ASSERT_TRUE(requested.wait(5000)) << "signal " << signalNumber;
        EXPECT_EQ(requested.count(), 1);
        EXPECT_EQ(requested.at(0).at(0).toInt(), signalNumber);
    }
    EXPECT_TRUE(termination.wasRequested());
}

TEST(TerminationSignalsTest, EndsANestedEventLoopLikeADialogOnScreen)
{
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::requested, [] { QCoreApplication::exit(0); });
    QEventLoop dialogLoop;
    QTimer::singleShot(10, [] { ::raise(SIGTERM); });
    QTimer::singleShot(5000, &dialogLoop, [&dialogLoop] { dialogLoop.exit(1); });
    EXPECT_EQ(dialogLoop.exec(), 0);
}

TEST(TerminationSignalsTest, ABurstLargerThanThePipeNeitherBlocksNorIsLost)
{
    TerminationSignals termination;
    QSignalSpy requested(&termination, &TerminationSignals::requested);
    // A pipe holds 64 KiB; a handler that waited for room would never return.
    for (int i = 0; i < 70000; ++i)
        ::raise(SIGINT);
    ASSERT_TRUE(requested.wait(5000));
    QCoreApplication::processEvents();
    EXPECT_GE(requested.count(), 1);
    EXPECT_LE(requested.count(), 70000);
}

TEST(TerminationSignalsTest, DestructionRestoresTheDefaultActionsAndAllowsANewHandler)
{
    {
        TerminationSignals termination;
        EXPECT_NE(currentAction(SIGTERM), SIG_DFL);
        EXPECT_THROW(TerminationSignals second, std::logic_error);
        EXPECT_NE(currentAction(SIGHUP), SIG_DFL) << "the refused second object changed nothing";
    }
    for (const int signalNumber : {SIGTERM, SIGINT, SIGHUP})
        EXPECT_EQ(currentAction(signalNumber), SIG_DFL);
    TerminationSignals again;
    QSignalSpy requested(&again, &TerminationSignals::requested);
    ::raise(SIGTERM);
    EXPECT_TRUE(requested.wait(5000));
}

} // namespace
} // namespace klaxora

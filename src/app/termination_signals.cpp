#include "app/termination_signals.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <stdexcept>
#include <unistd.h>

namespace klaxora {

namespace {

constexpr std::array<int, 3> HandledSignals{SIGTERM, SIGINT, SIGHUP};

// The handler can reach nothing but a plain variable; this is the write end of the one object's pipe.
volatile sig_atomic_t gWriteEnd = -1;

extern "C" void writeSignalToPipe(int signalNumber)
{
    const int savedErrno = errno;
    const auto byte = static_cast<unsigned char>(signalNumber);
    // A full pipe already holds a request; losing this one changes nothing.
    [[maybe_unused]] const ssize_t written = ::write(gWriteEnd, &byte, 1);
    errno = savedErrno;
}

void setAction(void (*handler)(int))
{
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signalNumber : HandledSignals)
        ::sigaction(signalNumber, &action, nullptr);
}

} // namespace

TerminationSignals::TerminationSignals(QObject* parent) : QObject(parent)
{
    if (gWriteEnd != -1)
        throw std::logic_error("Termination signals are already being handled");
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0)
        throw std::runtime_error("No pipe for the termination signals");
    readEnd_ = ends[0];
    gWriteEnd = ends[1];
    notifier_ = new QSocketNotifier(readEnd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::readPipe);
    setAction(writeSignalToPipe);
}

TerminationSignals::~TerminationSignals()
{
    setAction(SIG_DFL);
    delete notifier_;
    ::close(gWriteEnd);
    gWriteEnd = -1;
    ::close(readEnd_);
}

void TerminationSignals::readPipe()
{
    unsigned char byte = 0;
    while (::read(readEnd_, &byte, 1) == 1) {
        requested_ = true;
        emit requested(byte);
    }
}

} // namespace klaxora

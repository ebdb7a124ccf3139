// Ends the program on SIGTERM, SIGINT and SIGHUP the way its own Exit does, but without the confirmation
// question: the desktop sends SIGTERM at log-out, when nobody is there to answer it.
#pragma once

#include <QObject>

class QSocketNotifier;

namespace klaxora {

// A signal handler may do almost nothing, so it only writes the signal's number into a pipe; the event
// loop reads the pipe and emits Requested on the user-interface thread. Signals that arrive before an
// event loop runs wait in the pipe. One object at a time; its destruction restores the default actions.
class TerminationSignals : public QObject {
    Q_OBJECT

public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    // True once a signal has been taken from the pipe.
    bool wasRequested() const { return requested_; }

signals:
    void requested(int signalNumber);

private:
    void readPipe();

    int readEnd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
    bool requested_ = false;
};

} // namespace klaxora

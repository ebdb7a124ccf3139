// A folder with its own copy of the program, in which the program is started again and again: headless,
// from another working folder, watched until it has rewritten its alarm file and shown its window, then
// asked to end with SIGTERM as the desktop asks at log-out. Several folders run side by side, each
// polled in turn.
#pragma once

#include <chrono>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace klaxora::badinput {

class HeadlessProgram {
public:
    struct Timeouts {
        std::chrono::milliseconds start{60000}; // until the rewrite and the window
        std::chrono::milliseconds end{30000};   // from SIGTERM to the end of the process
    };

    enum class Outcome {
        Ended,       // ended by itself after SIGTERM
        EndedEarly,  // ended before it was asked to
        Crashed,     // ended by a signal
        HungAtStart, // no rewrite or no window in time
        HungAtEnd,   // still running long after SIGTERM
    };

    struct Result {
        Outcome outcome = Outcome::Ended;
        int status = 0; // exit code, or the signal that ended it
        std::string output;
        std::chrono::duration<double> startTime{};
    };

    // Creates `folder` and copies `program` into it.
    HeadlessProgram(const std::string& program, std::string folder, Timeouts timeouts);
    ~HeadlessProgram();
    HeadlessProgram(const HeadlessProgram&) = delete;
    HeadlessProgram& operator=(const HeadlessProgram&) = delete;

    std::string pathOf(std::string_view name) const { return folder_ + "/" + std::string(name); }

    // The files the program is to find must already be in the folder. `locale` (LC_ALL) gives the user's
    // date and time formats, which must not reach the alarm file.
    void start(const std::string& locale);
    bool running() const { return pid_ > 0; }
    // Moves the run on without waiting; true once it is over and Take() has its result.
    bool poll();
    Result take() const { return result_; }

private:
    enum class Phase { Starting, Ending };

    bool finished(Outcome outcome, int status);
    bool reaped();
    bool alarmFileRewritten() const;

    std::string folder_;
    std::string program_;
    Timeouts timeouts_;
    pid_t pid_ = -1;
    Phase phase_ = Phase::Starting;
    ino_t alarmFileBefore_ = 0;
    std::chrono::steady_clock::time_point started_;
    std::chrono::steady_clock::time_point phaseStarted_;
    int exitStatus_ = 0;
    Result result_;
};

} // namespace klaxora::badinput

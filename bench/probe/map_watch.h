// Watches an X display for the first top-level window of a process to be mapped. The watch is in place
// before the constructor returns, so a program started afterwards cannot map a window unseen.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <functional>
#include <optional>

struct xcb_connection_t;

namespace klaxora::probe {

class MapWatch {
public:
    using Clock = std::chrono::steady_clock;

    // Connects to $DISPLAY; throws std::runtime_error when that fails.
    MapWatch();
    ~MapWatch();
    MapWatch(const MapWatch&) = delete;
    MapWatch& operator=(const MapWatch&) = delete;

    // The moment the map of a top-level window of `pid` reached us (a window that names no process
    // counts too: the display is the measurement's own). Override-redirect windows (menus, tooltips)
    // do not count. Nothing when the deadline passes or `stillRunning` says the program has ended.
    std::optional<Clock::time_point> waitForMap(pid_t pid, Clock::time_point deadline,
                                                const std::function<bool()>& stillRunning);

private:
    bool belongsTo(unsigned window, pid_t pid);

    xcb_connection_t* connection_ = nullptr;
    unsigned pidAtom_ = 0;
};

} // namespace klaxora::probe

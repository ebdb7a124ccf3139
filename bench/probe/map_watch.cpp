#include "map_watch.h"

#include <poll.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <stdexcept>

namespace klaxora::probe {

namespace {

// How often the wait looks whether the program is still there.
constexpr int PollSliceMs = 50;

struct FreeDeleter {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, FreeDeleter>;

} // namespace

MapWatch::MapWatch()
{
    int screenNumber = 0;
    connection_ = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection_) != 0) {
        xcb_disconnect(connection_);
        throw std::runtime_error("cannot open the display $DISPLAY");
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection_));
    for (int i = 0; i < screenNumber; ++i) {
        xcb_screen_next(&screens);
    }
    // Map notifications of all the root window's children, i.e. of every top-level window.
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    const xcb_void_cookie_t select =
        xcb_change_window_attributes_checked(connection_, screens.data->root, XCB_CW_EVENT_MASK, &mask);
    const char* pidName = "_NET_WM_PID";
    const xcb_intern_atom_cookie_t atom =
        xcb_intern_atom(connection_, 0, static_cast<uint16_t>(std::strlen(pidName)), pidName);
    // Both answers arrive only after the server has put the selection in force.
    if (ReplyPtr<xcb_generic_error_t> error{xcb_request_check(connection_, select)}) {
        throw std::runtime_error("cannot watch the root window");
    }
    ReplyPtr<xcb_intern_atom_reply_t> atomReply{xcb_intern_atom_reply(connection_, atom, nullptr)};
    pidAtom_ = atomReply ? atomReply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

MapWatch::~MapWatch()
{
    xcb_disconnect(connection_);
}

std::optional<MapWatch::Clock::time_point> MapWatch::waitForMap(pid_t pid, Clock::time_point deadline,
                                                                const std::function<bool()>& stillRunning)
{
    pollfd display{xcb_get_file_descriptor(connection_), POLLIN, 0};
    while (Clock::now() < deadline && stillRunning()) {
        if (poll(&display, 1, PollSliceMs) < 0) {
            continue;
        }
        // Taken before any further request to the server, so that checking the window costs nothing.
        const Clock::time_point arrived = Clock::now();
        while (ReplyPtr<xcb_generic_event_t> event{xcb_poll_for_event(connection_)}) {
            if ((event->response_type & 0x7F) != XCB_MAP_NOTIFY) {
                continue;
            }
            const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event.get());
            if (map->override_redirect == 0 && belongsTo(map->window, pid)) {
                return arrived;
            }
        }
        if (xcb_connection_has_error(connection_) != 0) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

bool MapWatch::belongsTo(unsigned window, pid_t pid)
{
    if (pidAtom_ == XCB_ATOM_NONE) {
        return true;
    }
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(connection_, 0, window, pidAtom_, XCB_ATOM_CARDINAL, 0, 1);
    ReplyPtr<xcb_get_property_reply_t> reply{xcb_get_property_reply(connection_, cookie, nullptr)};
    if (!reply || xcb_get_property_value_length(reply.get()) < 4) {
        return true;
    }
    uint32_t owner = 0;
    std::memcpy(&owner, xcb_get_property_value(reply.get()), sizeof owner);
    return owner == static_cast<uint32_t>(pid);
}

} // namespace klaxora::probe

// Prints the CLOCK_MONOTONIC time (ns) of the first top-level window mapped on
// the X display. It says "ready" once it listens, so the caller starts the
// program under test only after that; no window manager may run, or it would
// map its frames instead.
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

int main() {
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fputs("mapwatch: cannot open the display\n", stderr);
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_void_cookie_t cookie =
        xcb_change_window_attributes_checked(c, root, XCB_CW_EVENT_MASK, &mask);
    if (xcb_generic_error_t* error = xcb_request_check(c, cookie)) {
        std::fputs("mapwatch: cannot watch the root window\n", stderr);
        free(error);
        return 2;
    }
    std::puts("ready");
    std::fflush(stdout);
    while (xcb_generic_event_t* event = xcb_wait_for_event(c)) {
        const bool map = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
        // Tool tips and menus (override-redirect) are no top-level windows.
        const bool topLevel =
            map && !reinterpret_cast<xcb_map_notify_event_t*>(event)->override_redirect;
        free(event);
        if (!topLevel) continue;
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::printf("%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
        std::fflush(stdout);
        break;
    }
    xcb_disconnect(c);
    return 0;
}

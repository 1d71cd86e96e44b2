// first-window: launches a program and times it to its first mapped top-level window whose
// title contains a given text, by listening to the X server's map events instead of polling.
// Then waits a moment, reads the program's resident memory, and ends the program.
//
//   first-window TITLE SETTLE_MS PROGRAM [ARGUMENTS...]
//
// Prints "MS MB": milliseconds from the launch to the map, and the resident memory in MB
// SETTLE_MS after it. Exit status 1 with a message when no such window appears in 20 s.
// Needs a display without a window manager (Xvfb), where a mapped top-level window is on show.

#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

std::string property(xcb_connection_t* x, xcb_window_t window, xcb_atom_t name) {
    xcb_get_property_reply_t* reply =
        xcb_get_property_reply(x, xcb_get_property(x, 0, window, name, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024), nullptr);
    if (!reply) return {};
    std::string text(static_cast<const char*>(xcb_get_property_value(reply)),
                     static_cast<std::size_t>(xcb_get_property_value_length(reply)));
    std::free(reply);
    return text;
}

xcb_atom_t atom(xcb_connection_t* x, const char* name) {
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return result;
}

double residentMb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::atof(line.c_str() + 6) / 1024.0;
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: first-window TITLE SETTLE_MS PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    const std::string title = argv[1];
    const int settleMs = std::atoi(argv[2]);
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "first-window: no X display\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    const xcb_atom_t netWmName = atom(x, "_NET_WM_NAME");
    xcb_flush(x);

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[3], argv + 3);
        std::perror(argv[3]);
        _exit(127);
    }

    double elapsedMs = -1;
    pollfd watch{xcb_get_file_descriptor(x), POLLIN, 0};
    while (elapsedMs < 0) {
        const auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
        if (waited.count() > 20000 || waitpid(child, nullptr, WNOHANG) == child) break;
        xcb_generic_event_t* event = xcb_poll_for_event(x);
        if (!event) {
            if (xcb_connection_has_error(x)) break;
            poll(&watch, 1, 50);
            continue;
        }
        if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            const Clock::time_point mapped = Clock::now();
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
            const std::string name = property(x, map->window, netWmName) + "\n" + property(x, map->window, XCB_ATOM_WM_NAME);
            if (name.find(title) != std::string::npos)
                elapsedMs = std::chrono::duration<double, std::milli>(mapped - start).count();
        }
        std::free(event);
    }
    if (elapsedMs < 0) {
        std::fprintf(stderr, "first-window: no window titled \"%s\" from %s\n", title.c_str(), argv[3]);
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        return 1;
    }
    usleep(static_cast<useconds_t>(settleMs) * 1000);
    const double mb = residentMb(child);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(x);
    std::printf("%.0f %.1f\n", elapsedMs, mb);
    return 0;
}

// Starts a program and reports when its first window is mapped, as the X server says it
// (MapNotify on the root window), then its resident memory once that window has settled.
// Usage: first_map [--open] SETTLE_MS PROGRAM [ARGS...]
// Prints one line: "mapped_ms=<ms> cpu_ms=<ms> rss_kb=<kB> status=mapped", or "status=<why not>"
// when the program ended or hung before mapping a window. With --open, once the first window
// has settled, Return is pressed in it (Form1's "Apri") and "opened_ms=<ms>" adds the time
// from that key to the next window's map, xdotool's own start included.

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kGiveUp = std::chrono::seconds(30);

// The text of /proc/PID/NAME; empty once the process has gone.
std::string procText(pid_t pid, const char* name)
{
    const std::string path = "/proc/" + std::to_string(pid) + "/" + name;
    std::FILE* file = std::fopen(path.c_str(), "r");
    if (!file)
        return {};
    std::string text;
    char block[1024];
    std::size_t got = 0;
    while ((got = std::fread(block, 1, sizeof block, file)) > 0)
        text.append(block, got);
    std::fclose(file);
    return text;
}

long residentKb(pid_t pid)
{
    const std::string status = procText(pid, "status");
    const std::size_t at = status.find("VmRSS:");
    long kb = -1;
    if (at == std::string::npos || std::sscanf(status.c_str() + at, "VmRSS: %ld kB", &kb) != 1)
        return -1;
    return kb;
}

// The processor time the program has used so far (user and system), in milliseconds.
double cpuMs(pid_t pid)
{
    const std::string text = procText(pid, "stat");
    // The fields after the command name, which may hold blanks, start after its ")".
    const char* rest = std::strrchr(text.c_str(), ')');
    unsigned long user = 0, system = 0;
    if (!rest || std::sscanf(rest + 2, "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %lu %lu", &user,
                             &system) != 2)
        return -1;
    return 1000.0 * double(user + system) / double(sysconf(_SC_CLK_TCK));
}

std::string describe(int status)
{
    if (WIFSIGNALED(status))
        return "signal:" + std::to_string(WTERMSIG(status));
    return "exit:" + std::to_string(WEXITSTATUS(status));
}

void stop(pid_t pid)
{
    kill(pid, SIGTERM);
    for (int i = 0; i < 100; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

// Runs a command, then waits for the next window mapped: ms from since, or -1.
double nextMapMs(xcb_connection_t* x, pid_t program, Clock::time_point since,
                 std::vector<const char*> command)
{
    // Whatever was mapped while the first window settled is no answer to the key.
    while (xcb_generic_event_t* stale = xcb_poll_for_event(x))
        std::free(stale);
    command.push_back(nullptr);
    pid_t helper = 0;
    if (posix_spawnp(&helper, command[0], nullptr, nullptr, const_cast<char**>(command.data()),
                     environ) != 0)
        return -1;
    double ms = -1;
    pollfd fd{xcb_get_file_descriptor(x), POLLIN, 0};
    while (ms < 0 && Clock::now() - since < std::chrono::seconds(10) &&
           waitpid(program, nullptr, WNOHANG) == 0) {
        poll(&fd, 1, 10);
        while (std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event{
            xcb_poll_for_event(x), &std::free}) {
            if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY ||
                reinterpret_cast<const xcb_map_notify_event_t*>(event.get())->override_redirect)
                continue;
            ms = std::chrono::duration<double, std::milli>(Clock::now() - since).count();
            break;
        }
    }
    waitpid(helper, nullptr, 0);
    return ms;
}

} // namespace

int main(int argc, char* argv[])
{
    const bool openAfter = argc > 1 && std::strcmp(argv[1], "--open") == 0;
    if (openAfter) {
        --argc;
        ++argv;
    }
    if (argc < 3) {
        std::fprintf(stderr, "usage: first_map [--open] SETTLE_MS PROGRAM [ARGS...]\n");
        return 2;
    }
    const auto settle = std::chrono::milliseconds(std::atoi(argv[1]));
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "first_map: no X display\n");
        return 2;
    }
    // Listening before the spawn, so no map can slip past.
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_void_cookie_t selected =
        xcb_change_window_attributes_checked(x, root, XCB_CW_EVENT_MASK, &mask);
    if (xcb_generic_error_t* error = xcb_request_check(x, selected)) {
        std::free(error);
        std::fprintf(stderr, "first_map: cannot watch the root window\n");
        return 2;
    }

    pid_t pid = 0;
    const Clock::time_point spawned = Clock::now();
    if (posix_spawn(&pid, argv[2], nullptr, nullptr, argv + 2, environ) != 0) {
        std::printf("status=spawn-failed:%s\n", std::strerror(errno));
        return 1;
    }

    std::string status = "timeout";
    double mappedMs = -1;
    pollfd fd{xcb_get_file_descriptor(x), POLLIN, 0};
    while (Clock::now() - spawned < kGiveUp && mappedMs < 0) {
        int childStatus = 0;
        if (waitpid(pid, &childStatus, WNOHANG) == pid) {
            std::printf("status=%s\n", describe(childStatus).c_str());
            return 1;
        }
        poll(&fd, 1, 10);
        while (std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event{
            xcb_poll_for_event(x), &std::free}) {
            if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY)
                continue;
            const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event.get());
            // Menus and tooltips are no window of their own.
            if (map->override_redirect)
                continue;
            mappedMs = std::chrono::duration<double, std::milli>(Clock::now() - spawned).count();
            break;
        }
        if (xcb_connection_has_error(x))
            break;
    }
    if (mappedMs < 0) {
        stop(pid);
        std::printf("status=%s\n", status.c_str());
        return 1;
    }
    const double cpuAtMap = cpuMs(pid);
    std::this_thread::sleep_for(settle);
    int childStatus = 0;
    if (waitpid(pid, &childStatus, WNOHANG) == pid) {
        std::printf("mapped_ms=%.1f status=after-map-%s\n", mappedMs,
                    describe(childStatus).c_str());
        return 1;
    }
    const long rss = residentKb(pid);
    std::string opened;
    if (openAfter) {
        const Clock::time_point pressed = Clock::now();
        const double ms = nextMapMs(x, pid, pressed, {"xdotool", "key", "Return"});
        opened = ms < 0 ? " opened_ms=none" : " opened_ms=" + std::to_string(int(ms + 0.5));
    }
    stop(pid);
    xcb_disconnect(x);
    std::printf("mapped_ms=%.1f cpu_ms=%.0f rss_kb=%ld%s status=mapped\n", mappedMs, cpuAtMap, rss,
                opened.c_str());
    return 0;
}

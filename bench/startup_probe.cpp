// Starts a program on the X display and measures that one process: the time
// from exec until its top-level window is mapped, its resident memory once it
// has settled, and the CPU time it uses while it then sits waiting.
//
// Usage: startup_probe [--drawn] SETTLE_MS IDLE_MS PROGRAM [ARGS...]
// Prints: map_ms=<ms> rss_kb=<kB> cpu_ms=<ms> cpu_ticks_ms=<ms>
//   drawn_ms      with --drawn, in place of map_ms: until the screen's middle and four points near
//                 its corners are no longer the black of an empty screen
//                 (for a program that covers the screen; start Xvfb with -br)
//   rss_kb        VmRSS at SETTLE_MS after exec
//   cpu_ms        CPU time of all its threads over the IDLE_MS that follow,
//                 from the scheduler's nanosecond counters
//   cpu_ticks_ms  the same from utime+stime in /proc/<pid>/stat (10 ms ticks)

#include <xcb/xcb.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr auto MapTimeout = 30s;
constexpr auto PollSlice = 50ms;
constexpr auto TermGrace = 3s;

struct FreeDeleter
{
    void operator()(void *p) const { std::free(p); }
};
template<typename T>
using XcbPtr = std::unique_ptr<T, FreeDeleter>;

struct Disconnect
{
    void operator()(xcb_connection_t *c) const { xcb_disconnect(c); }
};
using Connection = std::unique_ptr<xcb_connection_t, Disconnect>;

double milliseconds(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

// The started program; killed when the probe is done with it, whatever happens.
class Child
{
public:
    Child(char **argv)
    {
        m_pid = fork();
        if (m_pid < 0)
            throw std::runtime_error("fork failed");
        if (m_pid == 0) {
            execvp(argv[0], argv);
            std::perror(argv[0]);
            _exit(127);
        }
    }
    ~Child()
    {
        if (!running())
            return;
        kill(m_pid, SIGTERM);
        const auto deadline = Clock::now() + TermGrace;
        while (running() && Clock::now() < deadline)
            std::this_thread::sleep_for(10ms);
        if (running()) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
    }
    Child(const Child &) = delete;
    Child &operator=(const Child &) = delete;

    pid_t pid() const { return m_pid; }
    bool running()
    {
        if (m_reaped)
            return false;
        m_reaped = waitpid(m_pid, nullptr, WNOHANG) == m_pid;
        return !m_reaped;
    }

private:
    pid_t m_pid = -1;
    bool m_reaped = false;
};

xcb_atom_t internAtom(xcb_connection_t *c, const char *name)
{
    XcbPtr<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr));
    if (!reply)
        throw std::runtime_error(std::string("cannot intern ") + name);
    return reply->atom;
}

std::optional<std::uint32_t> windowPid(xcb_connection_t *c, xcb_window_t window, xcb_atom_t pidAtom)
{
    XcbPtr<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr));
    if (!reply || xcb_get_property_value_length(reply.get()) != sizeof(std::uint32_t))
        return std::nullopt;
    return *static_cast<const std::uint32_t *>(xcb_get_property_value(reply.get()));
}

// Waits for the MapNotify of a top-level window that carries the child's pid;
// returns when the event was read.
Clock::time_point waitForMap(xcb_connection_t *c, xcb_window_t root, Child &child)
{
    const xcb_atom_t pidAtom = internAtom(c, "_NET_WM_PID");
    const auto deadline = Clock::now() + MapTimeout;
    pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
    for (;;) {
        while (XcbPtr<xcb_generic_event_t> event{xcb_poll_for_event(c)}) {
            const auto seen = Clock::now();
            if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY)
                continue;
            const auto *map = reinterpret_cast<const xcb_map_notify_event_t *>(event.get());
            if (map->event == root && !map->override_redirect
                && windowPid(c, map->window, pidAtom) == static_cast<std::uint32_t>(child.pid()))
                return seen;
        }
        if (xcb_connection_has_error(c))
            throw std::runtime_error("X connection lost");
        if (!child.running())
            throw std::runtime_error("the program exited before mapping a window");
        if (Clock::now() > deadline)
            throw std::runtime_error("no window mapped in time");
        poll(&fd, 1, static_cast<int>(std::chrono::milliseconds(PollSlice).count()));
    }
}

// The screen is drawn once five points spread over it are no longer black.
Clock::time_point waitForDrawn(xcb_connection_t *c, const xcb_screen_t &screen, Child &child)
{
    const int w = screen.width_in_pixels, h = screen.height_in_pixels;
    const std::pair<int, int> points[] = {
        {w / 2, h / 2}, {w / 10, h / 10}, {w * 9 / 10, h / 10}, {w / 10, h * 9 / 10}, {w * 9 / 10, h * 9 / 10}};
    const auto deadline = Clock::now() + MapTimeout;
    for (;;) {
        bool drawn = true;
        for (const auto &[x, y] : points) {
            XcbPtr<xcb_get_image_reply_t> image(xcb_get_image_reply(
                c, xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, screen.root, x, y, 1, 1, ~0u), nullptr));
            if (!image)
                throw std::runtime_error("cannot read the screen");
            const std::uint8_t *pixel = xcb_get_image_data(image.get());
            drawn = drawn && (pixel[0] | pixel[1] | pixel[2]) != 0;
        }
        const auto seen = Clock::now();
        if (drawn)
            return seen;
        if (!child.running())
            throw std::runtime_error("the program exited before drawing");
        if (seen > deadline)
            throw std::runtime_error("nothing drawn in time");
        std::this_thread::sleep_for(1ms);
    }
}

long residentKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    }
    throw std::runtime_error("no VmRSS");
}

// utime + stime of the whole process, in milliseconds (whole clock ticks).
double statCpuMs(pid_t pid)
{
    std::ifstream file("/proc/" + std::to_string(pid) + "/stat");
    std::string stat((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::istringstream fields(stat.substr(stat.rfind(')') + 2));
    std::string skip;
    for (int field = 3; field < 14; ++field)
        fields >> skip;
    long long utime = 0, stime = 0;
    fields >> utime >> stime;
    return 1000.0 * double(utime + stime) / double(sysconf(_SC_CLK_TCK));
}

// Time on CPU of the live threads, from the scheduler, in milliseconds.
double schedCpuMs(pid_t pid)
{
    long long ns = 0;
    for (const auto &task : std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task")) {
        std::ifstream schedstat(task.path() / "schedstat");
        long long taskNs = 0;
        if (schedstat >> taskNs)
            ns += taskNs;
    }
    return double(ns) / 1e6;
}

int run(int argc, char **argv)
{
    const bool untilDrawn = argc > 1 && std::strcmp(argv[1], "--drawn") == 0;
    if (untilDrawn) {
        --argc;
        ++argv;
    }
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s [--drawn] SETTLE_MS IDLE_MS PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const std::chrono::milliseconds settle(std::stol(argv[1]));
    const std::chrono::milliseconds idle(std::stol(argv[2]));

    Connection connection(xcb_connect(nullptr, nullptr));
    xcb_connection_t *c = connection.get();
    if (xcb_connection_has_error(c))
        throw std::runtime_error("cannot open the X display");
    const xcb_screen_t &screen = *xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const xcb_window_t root = screen.root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    if (XcbPtr<xcb_generic_error_t> error{
            xcb_request_check(c, xcb_change_window_attributes_checked(c, root, XCB_CW_EVENT_MASK, &mask))})
        throw std::runtime_error("cannot watch the root window");
    // The program must not inherit our X connection.
    fcntl(xcb_get_file_descriptor(c), F_SETFD, FD_CLOEXEC);

    const auto start = Clock::now();
    Child child(argv + 3);
    // A window manager maps its frame, not the program's window: with one
    // running, only the screen tells when the program is there.
    const auto shown = untilDrawn ? waitForDrawn(c, screen, child) : waitForMap(c, root, child);

    std::this_thread::sleep_until(start + settle);
    const long rss = residentKb(child.pid());
    const double cpuBefore = schedCpuMs(child.pid());
    const double ticksBefore = statCpuMs(child.pid());
    std::this_thread::sleep_until(start + settle + idle);
    const double cpuAfter = schedCpuMs(child.pid());
    const double ticksAfter = statCpuMs(child.pid());
    if (!child.running())
        throw std::runtime_error("the program exited while being measured");

    std::printf("%s=%.3f rss_kb=%ld cpu_ms=%.3f cpu_ticks_ms=%.0f\n", untilDrawn ? "drawn_ms" : "map_ms",
                milliseconds(shown - start), rss, cpuAfter - cpuBefore, ticksAfter - ticksBefore);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    try {
        return run(argc, argv);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "startup_probe: %s\n", e.what());
        return 1;
    }
}

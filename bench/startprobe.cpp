// Measures a desktop program from the outside, the same way for any program:
// starts it, waits for the X server to report its first top-level window
// mapped (a window with WM_CLASS, so not the window manager's frame) and
// reads the CPU time it has used so far; then, unless IDLE_SECONDS is 0,
// reads its resident memory one second later and the CPU time it uses over
// the following idle period. Prints:
//   startup_ms startup_cpu_ms rss_kib idle_cpu_ms
// (with IDLE_SECONDS 0 the program is ended at the map, and the last two
// are 0).
//
//   velkorn-startprobe IDLE_SECONDS PROGRAM [ARGS...]
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <set>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

bool hasClass(Display* display, Window window) {
    XClassHint hint{};
    if (XGetClassHint(display, window, &hint) == 0) {
        return false;
    }
    XFree(hint.res_name);
    XFree(hint.res_class);
    return true;
}

// Waits until an X event is queued; false when the program has exited or
// the deadline has passed first.
bool waitForEvent(Display* display, pid_t child, Clock::time_point deadline) {
    while (XPending(display) == 0) {
        if (waitpid(child, nullptr, WNOHANG) == child) {
            std::fprintf(stderr, "the program exited before showing a window\n");
            return false;
        }
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) {
            std::fprintf(stderr, "no window within the deadline\n");
            return false;
        }
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, static_cast<int>(std::min<long long>(left, 100)));
    }
    return true;
}

// A mapped window that a window manager manages, with a class: a program's
// window, not a menu or a tool tip.
bool isMappedClient(Display* display, Window window) {
    XWindowAttributes attributes;
    return XGetWindowAttributes(display, window, &attributes) &&
           attributes.map_state != IsUnmapped && !attributes.override_redirect &&
           hasClass(display, window);
}

// Follows windows created on the root until one of them, a client window,
// is mapped; false when none is within the deadline.
bool waitForMappedClient(Display* display, pid_t child, Clock::time_point deadline) {
    const Window root = DefaultRootWindow(display);
    std::set<Window> watched;
    for (;;) {
        if (!waitForEvent(display, child, deadline)) {
            return false;
        }
        XEvent event;
        XNextEvent(display, &event);
        // Every new window is watched: some toolkits (Wine) create theirs
        // override-redirect and make them managed only when they show them.
        if (event.type == CreateNotify) {
            const Window window = event.xcreatewindow.window;
            XSelectInput(display, window, StructureNotifyMask);
            watched.insert(window);
            // It may have been mapped before we listened to it.
            if (isMappedClient(display, window)) {
                return true;
            }
        } else if (event.type == MapNotify && event.xmap.event != root &&
                   watched.count(event.xmap.window) && isMappedClient(display, event.xmap.window)) {
            return true;
        }
    }
}

long residentKib(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

// CPU time of all the process's threads, in milliseconds, from the
// scheduler's nanosecond counters (the tick-based counters in /proc/PID/stat
// are too coarse for a few milliseconds).
double cpuMs(pid_t pid) {
    const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
    double total = 0;
    std::error_code error;
    for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
        std::ifstream schedstat(task.path() / "schedstat");
        unsigned long long runNs = 0;
        if (schedstat >> runNs) {
            total += double(runNs) / 1e6;
        }
    }
    return total;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s IDLE_SECONDS PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const int idleSeconds = std::atoi(argv[1]);
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    if (!waitForMappedClient(display, child, start + std::chrono::seconds(30))) {
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        return 1;
    }
    const double startupMs =
        std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    const double startupCpu = cpuMs(child);

    long rss = 0;
    double idleCpu = 0;
    if (idleSeconds > 0) {
        std::this_thread::sleep_for(std::chrono::seconds(1));
        rss = residentKib(child);
        const double cpuBefore = cpuMs(child);
        std::this_thread::sleep_for(std::chrono::seconds(idleSeconds));
        idleCpu = cpuMs(child) - cpuBefore;
    }

    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    std::printf("%.1f %.1f %ld %.1f\n", startupMs, startupCpu, rss, idleCpu);
    return 0;
}

// Starts a program and measures, from the X server's point of view, how long
// it takes until a person sees its window, and how much memory it uses.
//
// Two moments are taken, both from events on the root window, so nothing
// polls and nothing inside the program is asked:
// - mapped: the MapNotify of the program's first top-level window;
// - frame: the end of the first burst of drawing after that, the moment the
//   first complete frame is on screen. The XDamage extension reports every
//   change to the screen's contents; the burst ends with the last change
//   before the screen has stayed still for quietMs. Mapping alone flatters
//   a program that does its expensive work (fonts, layout) at its first
//   paint rather than before it maps.
// Then it reads the program's private memory (pages no other process
// shares) from /proc, closes the window as a window manager would (a
// WM_DELETE_WINDOW message), waits for the program to end and reads its
// peak resident memory from the kernel (wait4's ru_maxrss).
//
// Output, one line:
// "startup_ms=<to MapNotify> frame_ms=<to first frame> peak_kib=<KiB> private_kib=<KiB> status=<exit status>".

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <optional>
#include <poll.h>
#include <sstream>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

// Still long enough to span a frame's pieces, short of a caret's blink.
constexpr int quietMs = 150;

void closeWindow(Display* display, Window window)
{
    XEvent event {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

// Private_Clean + Private_Dirty of a process, in KiB.
long privateKib(pid_t pid)
{
    std::ifstream rollup("/proc/" + std::to_string(pid) + "/smaps_rollup");
    long total = 0;
    for (std::string line; std::getline(rollup, line);) {
        if (line.rfind("Private_Clean:", 0) == 0 || line.rfind("Private_Dirty:", 0) == 0) {
            std::istringstream fields(line.substr(line.find(':') + 1));
            long kib = 0;
            fields >> kib;
            total += kib;
        }
    }
    return total;
}

int exitStatus(int status)
{
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

int giveUp(pid_t child, const char* why)
{
    std::fprintf(stderr, "LaunchTimer: %s\n", why);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: LaunchTimer PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "LaunchTimer: cannot open the display\n");
        return 1;
    }
    int damageEvent = 0;
    int damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "LaunchTimer: the X server has no DAMAGE extension\n");
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    const Damage damage = XDamageCreate(display, root, XDamageReportNonEmpty);
    XDamageSubtract(display, damage, None, None);
    XSync(display, False);

    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        std::perror("LaunchTimer: exec");
        _exit(127);
    }

    // The first top-level window that maps after the start is the program's;
    // every change to the screen after that is its drawing.
    Window mapped = 0;
    std::optional<Clock::time_point> shown;
    std::optional<Clock::time_point> lastDrawn;
    const int fd = ConnectionNumber(display);
    for (;;) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && event.xmap.event == root && !mapped) {
                mapped = event.xmap.window;
                shown = Clock::now();
            } else if (event.type == damageEvent + XDamageNotify) {
                // Acknowledges the damage, so that the next change is
                // reported again.
                XDamageSubtract(display, damage, None, None);
                if (mapped)
                    lastDrawn = Clock::now();
            }
        }
        pollfd watch { fd, POLLIN, 0 };
        const int waitMs = lastDrawn ? quietMs : 100;
        if (poll(&watch, 1, waitMs) > 0)
            continue;
        if (lastDrawn && Clock::now() - *lastDrawn >= std::chrono::milliseconds(quietMs))
            break;
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            std::fprintf(stderr, "LaunchTimer: the program ended without a window (status %d)\n", exitStatus(status));
            return 1;
        }
        if (Clock::now() - start > std::chrono::seconds(30))
            return giveUp(child, mapped ? "the window drew nothing within 30 s" : "no window within 30 s");
    }

    const long privateMemory = privateKib(child);
    closeWindow(display, mapped);
    int status = 0;
    rusage usage {};
    wait4(child, &status, 0, &usage);
    XDamageDestroy(display, damage);
    XCloseDisplay(display);

    const auto milliseconds = [&](Clock::time_point moment) {
        return std::chrono::duration<double, std::milli>(moment - start).count();
    };
    std::printf("startup_ms=%.2f frame_ms=%.2f peak_kib=%ld private_kib=%ld status=%d\n", milliseconds(*shown),
        milliseconds(*lastDrawn), usage.ru_maxrss, privateMemory, exitStatus(status));
    return 0;
}

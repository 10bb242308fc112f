// Starts a program and measures, from the X server's point of view, how long
// it takes to open its window, and how much memory it used at its peak.
//
// It watches the root window for the MapNotify of the program's first
// top-level window, so nothing polls and nothing inside the program is
// asked. Then it closes the window as a window manager would (a
// WM_DELETE_WINDOW message), waits for the program to end and reads its
// peak resident memory from the kernel (wait4's ru_maxrss).
//
// Output, one line: "startup_ms=<milliseconds> peak_kib=<KiB> status=<exit status>".

#include <X11/Xlib.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <poll.h>

namespace {

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
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        std::perror("LaunchTimer: exec");
        _exit(127);
    }

    // The first top-level window that maps after the start is the program's.
    Window mapped = 0;
    const int fd = ConnectionNumber(display);
    while (!mapped) {
        while (!mapped && XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && event.xmap.event == root)
                mapped = event.xmap.window;
        }
        if (mapped)
            break;
        pollfd watch { fd, POLLIN, 0 };
        if (poll(&watch, 1, 100) > 0)
            continue;
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            std::fprintf(stderr, "LaunchTimer: the program ended without a window (status %d)\n",
                WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status));
            return 1;
        }
        if (std::chrono::steady_clock::now() - start > std::chrono::seconds(30)) {
            std::fprintf(stderr, "LaunchTimer: no window within 30 s\n");
            kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
            return 1;
        }
    }
    const auto shown = std::chrono::steady_clock::now();

    closeWindow(display, mapped);
    int status = 0;
    rusage usage {};
    wait4(child, &status, 0, &usage);
    XCloseDisplay(display);

    const double milliseconds = std::chrono::duration<double, std::milli>(shown - start).count();
    std::printf("startup_ms=%.2f peak_kib=%ld status=%d\n", milliseconds, usage.ru_maxrss,
        WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status));
    return 0;
}

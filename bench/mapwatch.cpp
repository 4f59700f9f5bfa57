// Starts a program and reports when its top-level window with the given name
// is mapped. Prints, one a line:
//   pid <child pid>
//   start <wall-clock seconds at the fork>
//   shown <milliseconds from the fork> <window id>
// then waits for the program and exits with its status. Event-driven: it
// sleeps on the X connection until the map, then in waitpid.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <sys/wait.h>
#include <unistd.h>

namespace {

bool hasName(Display *display, Window window, const char *name)
{
    char *title = nullptr;
    const bool match = XFetchName(display, window, &title) && title && std::strcmp(title, name) == 0;
    XFree(title);
    return match;
}

// A window without _NET_WM_PID is taken as the child's: the display is private.
bool belongsTo(Display *display, Window window, pid_t pid)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char *data = nullptr;
    const Atom property = XInternAtom(display, "_NET_WM_PID", False);
    if (XGetWindowProperty(display, window, property, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after, &data)
            != Success
        || !data) {
        return true;
    }
    const bool match = count == 1 && format == 32 && static_cast<pid_t>(*reinterpret_cast<unsigned long *>(data)) == pid;
    XFree(data);
    return match;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: mapwatch WINDOW-NAME PROGRAM [ARGS...]\n");
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "mapwatch: no X display\n");
        return 2;
    }
    // Selected before the fork, so no map can be missed.
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    std::fflush(stdout);
    const auto wallStart = std::chrono::system_clock::now();
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("mapwatch: fork");
        return 2;
    }
    if (child == 0) {
        close(ConnectionNumber(display));
        execvp(argv[2], argv + 2);
        std::perror("mapwatch: exec");
        _exit(127);
    }
    std::printf("pid %d\nstart %.6f\n", static_cast<int>(child),
                std::chrono::duration<double>(wallStart.time_since_epoch()).count());
    std::fflush(stdout);

    // The wait wakes on every X event at once, and once a second besides to
    // notice a child that ended without ever mapping its window.
    for (;;) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && hasName(display, event.xmap.window, argv[1])
                && belongsTo(display, event.xmap.window, child)) {
                const auto shown = std::chrono::steady_clock::now();
                std::printf("shown %.1f %lu\n", std::chrono::duration<double, std::milli>(shown - start).count(),
                            event.xmap.window);
                std::fflush(stdout);
                XCloseDisplay(display);
                int status = 0;
                waitpid(child, &status, 0);
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
        }
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            std::fprintf(stderr, "mapwatch: %s ended before its window was mapped\n", argv[2]);
            return WIFEXITED(status) && WEXITSTATUS(status) != 0 ? WEXITSTATUS(status) : 1;
        }
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(ConnectionNumber(display), &readable);
        timeval interval{1, 0};
        select(ConnectionNumber(display) + 1, &readable, nullptr, nullptr, &interval);
    }
}

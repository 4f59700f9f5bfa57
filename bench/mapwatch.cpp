// Starts a program and reports when its top-level window with the given name
// is mapped. Prints, one a line:
//   pid <child pid>
//   start <wall-clock seconds at the fork>
//   shown <milliseconds from the fork> <window id>
// and, with MAPWATCH_PICTURES="X1 Y1 X2 Y2" (points of the launcher's 120-dpi
// design inside the two side pictures, the first red, the second blue),
//   pictures <milliseconds from the fork>
// once both show there (or "pictures -" after 30 s), then waits for the
// program and exits with its status. Event-driven up to the map: it sleeps on
// the X connection until then; the pictures are looked for every 2 ms.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>
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

// The design's scale on this window: the "0" height N with 1029 * N / 23
// (rounded) its width.
int designScale(Display *display, Window window)
{
    XWindowAttributes attributes{};
    XGetWindowAttributes(display, window, &attributes);
    for (int n = 1; n < 200; ++n) {
        if ((1029 * n * 2 + 23) / 46 == attributes.width)
            return n;
    }
    return 0;
}

bool pixelIs(Display *display, Window window, int x, int y, bool red)
{
    XImage *image = XGetImage(display, window, x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image)
        return false;
    const unsigned long pixel = XGetPixel(image, 0, 0);
    XDestroyImage(image);
    const unsigned r = (pixel >> 16) & 0xff;
    const unsigned b = pixel & 0xff;
    return red ? r > 150 && b < 100 : b > 150 && r < 100;
}

// Both side pictures shown: polls the two points until they have the
// pictures' colours, or gives up after 30 s or when the program ends.
void watchPictures(Display *display, Window window, pid_t child, const char *points,
                   std::chrono::steady_clock::time_point start)
{
    int design[4] = {};
    if (std::sscanf(points, "%d %d %d %d", &design[0], &design[1], &design[2], &design[3]) != 4)
        return;
    const int n = designScale(display, window);
    int at[4];
    for (int i = 0; i < 4; ++i)
        at[i] = (design[i] * n * 2 + 23) / 46;
    // A window going away under XGetImage is no reason to stop.
    XSetErrorHandler([](Display *, XErrorEvent *) { return 0; });
    const auto ended = [child] {
        siginfo_t info{};
        return waitid(P_PID, child, &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == child;
    };
    const auto deadline = start + std::chrono::seconds(30);
    while (std::chrono::steady_clock::now() < deadline && !ended()) {
        if (pixelIs(display, window, at[0], at[1], true) && pixelIs(display, window, at[2], at[3], false)) {
            std::printf("pictures %.1f\n",
                        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
            std::fflush(stdout);
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    std::printf("pictures -\n");
    std::fflush(stdout);
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
                if (const char *points = std::getenv("MAPWATCH_PICTURES"))
                    watchPictures(display, event.xmap.window, child, points, start);
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

// Starts a program and prints the milliseconds until a top-level window
// with the given name is mapped, then asks that window to close and waits
// for the program. Event-driven: it sleeps on the X connection.

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
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

void closeWindow(Display *display, Window window)
{
    XEvent event{};
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

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: mapwatch WINDOW-NAME SETTLE-MS PROGRAM [ARGS...]\n");
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return 2;
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[3], argv + 3);
        _exit(127);
    }
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && hasName(display, event.xmap.window, argv[1])) {
            const auto shown = std::chrono::steady_clock::now();
            std::printf("%.1f\n", std::chrono::duration<double, std::milli>(shown - start).count());
            std::fflush(stdout);
            usleep(std::stoi(argv[2]) * 1000);
            closeWindow(display, event.xmap.window);
            break;
        }
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}

// Reports every top-level window that comes to be named NAME, once, as
// "window <id> <pid>" (the pid from _NET_WM_PID, 0 when absent), for as
// long as it runs. Prints "ready" once it watches, so that no window made
// after that can be missed: a window that is made, named and destroyed again
// is reported all the same, and so is a later window given a destroyed
// one's id.

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstring>
#include <set>

namespace {

unsigned long windowPid(Display *display, Window window)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char *data = nullptr;
    unsigned long pid = 0;
    if (XGetWindowProperty(display, window, XInternAtom(display, "_NET_WM_PID", False), 0, 1, False, XA_CARDINAL,
                           &type, &format, &count, &after, &data)
            == Success
        && data && count == 1 && format == 32)
        pid = *reinterpret_cast<unsigned long *>(data);
    XFree(data);
    return pid;
}

bool named(Display *display, Window window, const char *name)
{
    char *title = nullptr;
    const bool match = XFetchName(display, window, &title) && title && std::strcmp(title, name) == 0;
    XFree(title);
    return match;
}

// A window may be gone before it is looked at; that is no error here.
int ignoreErrors(Display *, XErrorEvent *)
{
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: windowwatch NAME\n");
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return 2;
    XSetErrorHandler(ignoreErrors);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    std::printf("ready\n");
    std::fflush(stdout);

    std::set<Window> reported;
    const auto check = [&](Window window) {
        if (!reported.count(window) && named(display, window, argv[1])) {
            reported.insert(window);
            std::printf("window %lu %lu\n", window, windowPid(display, window));
            std::fflush(stdout);
        }
    };
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == CreateNotify) {
            // Watched before it is looked at, so a name set in between is seen.
            XSelectInput(display, event.xcreatewindow.window, PropertyChangeMask | StructureNotifyMask);
            check(event.xcreatewindow.window);
        } else if (event.type == PropertyNotify) {
            check(event.xproperty.window);
        } else if (event.type == DestroyNotify) {
            reported.erase(event.xdestroywindow.window);
        }
    }
}

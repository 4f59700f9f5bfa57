// A weston module through which a test drives the compositor as a user
// would and asks it what it shows. It reads one command a line from the FIFO
// named in $KORINVIEW_WESTON_CONTROL and, once the command is done, writes
// its answer to the file named last on the line (an empty file for a bare
// "done"), so the test knows when it may go on:
//   windows FILE     a line per toplevel: "window PID X Y WIDTH HEIGHT
//                    fullscreen|normal focused|-", its window geometry in
//                    the compositor's logical pixels and whether it has the
//                    module's keyboard; then "output X Y WIDTH HEIGHT" per
//                    output
//   click X Y FILE   the left button pressed and released at X, Y
//   key CODE FILE    the key of that evdev code pressed and released
//   close PID FILE   the compositor's close request to that process's toplevels
// Clicks and keys come from a seat of the module's own.

#include <libweston-desktop/libweston-desktop.h>
#include <libweston/libweston.h>
#include <weston/weston.h>

#include <linux/input-event-codes.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

// Exported by libweston for its input backends; not in its public headers.
extern "C" {
void weston_seat_init(struct weston_seat *seat, struct weston_compositor *compositor, const char *name);
int weston_seat_init_pointer(struct weston_seat *seat);
int weston_seat_init_keyboard(struct weston_seat *seat, struct xkb_keymap *keymap);
void notify_motion_absolute(struct weston_seat *seat, const struct timespec *time, double x, double y);
void notify_button(struct weston_seat *seat, const struct timespec *time, int32_t button,
                   enum wl_pointer_button_state state);
void notify_pointer_frame(struct weston_seat *seat);
void notify_key(struct weston_seat *seat, const struct timespec *time, uint32_t key,
                enum wl_keyboard_key_state state, enum weston_key_state_update update);
}

namespace {

struct Control
{
    weston_compositor *compositor = nullptr;
    weston_seat seat{};
    int fifo = -1;
    std::string pending;
};

void answer(const std::string &file, const std::string &text)
{
    const std::string part = file + ".part";
    if (FILE *out = std::fopen(part.c_str(), "w")) {
        std::fputs(text.c_str(), out);
        std::fclose(out);
        std::rename(part.c_str(), file.c_str());
    }
}

std::string windows(weston_compositor *compositor, weston_seat *seat)
{
    const weston_keyboard *keyboard = weston_seat_get_keyboard(seat);
    std::ostringstream text;
    weston_view *view;
    wl_list_for_each(view, &compositor->view_list, link)
    {
        if (!weston_surface_is_desktop_surface(view->surface))
            continue;
        weston_desktop_surface *surface = weston_surface_get_desktop_surface(view->surface);
        const weston_geometry geometry = weston_desktop_surface_get_geometry(surface);
        text << "window " << weston_desktop_surface_get_pid(surface) << ' ' << int(view->geometry.x) + geometry.x
             << ' ' << int(view->geometry.y) + geometry.y << ' ' << geometry.width << ' ' << geometry.height << ' '
             << (weston_desktop_surface_get_fullscreen(surface) ? "fullscreen" : "normal") << ' '
             << (keyboard && keyboard->focus == view->surface ? "focused" : "-") << '\n';
    }
    weston_output *output;
    wl_list_for_each(output, &compositor->output_list, link)
    {
        text << "output " << output->x << ' ' << output->y << ' ' << output->width << ' ' << output->height << '\n';
    }
    return text.str();
}

void closeToplevels(weston_compositor *compositor, pid_t pid)
{
    weston_view *view;
    wl_list_for_each(view, &compositor->view_list, link)
    {
        if (!weston_surface_is_desktop_surface(view->surface))
            continue;
        weston_desktop_surface *surface = weston_surface_get_desktop_surface(view->surface);
        if (weston_desktop_surface_get_pid(surface) == pid)
            weston_desktop_surface_close(surface);
    }
}

void run(Control &control, const std::string &line)
{
    std::istringstream words(line);
    std::string command;
    words >> command;
    timespec now{};
    weston_compositor_get_time(&now);
    std::string reply;
    if (command == "windows") {
        reply = windows(control.compositor, &control.seat);
    } else if (command == "click") {
        double x = 0, y = 0;
        words >> x >> y;
        notify_motion_absolute(&control.seat, &now, x, y);
        notify_pointer_frame(&control.seat);
        for (const auto state : {WL_POINTER_BUTTON_STATE_PRESSED, WL_POINTER_BUTTON_STATE_RELEASED}) {
            notify_button(&control.seat, &now, BTN_LEFT, state);
            notify_pointer_frame(&control.seat);
        }
    } else if (command == "key") {
        uint32_t code = 0;
        words >> code;
        notify_key(&control.seat, &now, code, WL_KEYBOARD_KEY_STATE_PRESSED, STATE_UPDATE_AUTOMATIC);
        notify_key(&control.seat, &now, code, WL_KEYBOARD_KEY_STATE_RELEASED, STATE_UPDATE_AUTOMATIC);
    } else if (command == "close") {
        pid_t pid = 0;
        words >> pid;
        closeToplevels(control.compositor, pid);
    }
    // The answer file is the last word.
    answer(line.substr(line.find_last_of(' ') + 1), reply);
}

int readable(int fd, uint32_t, void *data)
{
    auto &control = *static_cast<Control *>(data);
    char buffer[4096];
    ssize_t count;
    while ((count = read(fd, buffer, sizeof buffer)) > 0)
        control.pending.append(buffer, count);
    for (std::size_t end; (end = control.pending.find('\n')) != std::string::npos;) {
        const std::string line = control.pending.substr(0, end);
        control.pending.erase(0, end + 1);
        if (line.find(' ') != std::string::npos)
            run(control, line);
    }
    return 0;
}

} // namespace

extern "C" WL_EXPORT int wet_module_init(weston_compositor *compositor, int *, char *[])
{
    const char *path = std::getenv("KORINVIEW_WESTON_CONTROL");
    if (!path)
        return -1;
    auto *control = new Control;
    control->compositor = compositor;
    // Opened for writing too, so the FIFO never reads as ended between writers.
    control->fifo = open(path, O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (control->fifo < 0)
        return -1;
    weston_seat_init(&control->seat, compositor, "test");
    weston_seat_init_pointer(&control->seat);
    weston_seat_init_keyboard(&control->seat, nullptr);
    wl_event_loop_add_fd(wl_display_get_event_loop(compositor->wl_display), control->fifo, WL_EVENT_READABLE,
                         readable, control);
    return 0;
}

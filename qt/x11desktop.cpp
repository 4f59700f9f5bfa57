#include "qt/x11desktop.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

namespace {

struct FreeDeleter
{
    void operator()(void *pointer) const { std::free(pointer); }
};
template <class T>
using Reply = std::unique_ptr<T, FreeDeleter>;

// A reply, or none on an error, which is dropped here rather than left for
// the toolkit to report (a window looked at may be gone).
template <class T, class Cookie>
Reply<T> answer(T *(*reply)(xcb_connection_t *, Cookie, xcb_generic_error_t **), xcb_connection_t *connection,
                Cookie cookie)
{
    xcb_generic_error_t *error = nullptr;
    Reply<T> result(reply(connection, cookie, &error));
    std::free(error);
    return result;
}

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    const auto reply = answer(xcb_intern_atom_reply, connection,
                              xcb_intern_atom(connection, false, std::strlen(name), name));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The 32-bit values of a window's property; empty when it is not set or the
// window is gone.
std::vector<std::uint32_t> property(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t name,
                                    xcb_atom_t type)
{
    const auto reply = answer(xcb_get_property_reply, connection,
                              xcb_get_property(connection, false, window, name, type, 0, 1024));
    if (!reply || reply->type != type || reply->format != 32)
        return {};
    const auto *values = static_cast<const std::uint32_t *>(xcb_get_property_value(reply.get()));
    return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

Reply<xcb_get_geometry_reply_t> geometry(xcb_connection_t *connection, xcb_window_t window)
{
    return answer(xcb_get_geometry_reply, connection, xcb_get_geometry(connection, window));
}

// A window manager that runs (its check window names itself, so a stale
// property left by one that ended does not count) and answers frame requests.
bool answersFrameRequests(xcb_connection_t *connection, xcb_window_t root)
{
    const xcb_atom_t check = atom(connection, "_NET_SUPPORTING_WM_CHECK");
    const auto manager = property(connection, root, check, XCB_ATOM_WINDOW);
    if (manager.size() != 1 || property(connection, manager[0], check, XCB_ATOM_WINDOW) != manager)
        return false;
    const auto supported = property(connection, root, atom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM);
    return std::find(supported.begin(), supported.end(), atom(connection, "_NET_REQUEST_FRAME_EXTENTS"))
           != supported.end();
}

} // namespace

std::optional<X11Desktop> x11Desktop(QWidget *window, std::chrono::milliseconds wait)
{
    // The offscreen platform answers as X11 too, without a connection.
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return std::nullopt;
    const auto id = static_cast<xcb_window_t>(window->winId());
    // A round trip, so the window exists for the window manager too.
    const auto own = geometry(connection, id);
    if (!own)
        return std::nullopt;
    const auto root = geometry(connection, own->root);
    if (!root)
        return std::nullopt;
    X11Desktop desktop{QRect(root->x, root->y, root->width, root->height), {}};
    if (!answersFrameRequests(connection, own->root))
        return desktop;

    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = id;
    request.type = atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    xcb_send_event(connection, false, own->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char *>(&request));
    // The answer is a property on the window. Toolkit events are read on
    // another thread, so the property is looked at, briefly, until it is set.
    const xcb_atom_t extents = atom(connection, "_NET_FRAME_EXTENTS");
    const auto deadline = std::chrono::steady_clock::now() + wait;
    do {
        const auto values = property(connection, id, extents, XCB_ATOM_CARDINAL);
        if (values.size() == 4) {
            // Left, right, top, bottom.
            desktop.frame = QMargins(int(values[0]), int(values[2]), int(values[1]), int(values[3]));
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    } while (std::chrono::steady_clock::now() < deadline);
    return desktop;
}

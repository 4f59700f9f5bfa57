#pragma once

#include <QMargins>
#include <QRect>

#include <chrono>
#include <optional>

class QWidget;

// An X11 desktop as the window manager sees it, in device pixels.
struct X11Desktop
{
    // The root window: the bounding rectangle of all monitors.
    QRect desktop;
    // What the window manager will put around the window (title bar and
    // borders); none without a window manager that says.
    QMargins frame;
};

// On X11: makes the window's native window (hidden) and asks the window
// manager what frame it will get (_NET_REQUEST_FRAME_EXTENTS), waiting for
// the answer at most `wait`. Nothing on other platforms.
std::optional<X11Desktop> x11Desktop(QWidget *window, std::chrono::milliseconds wait);

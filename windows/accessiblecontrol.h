#pragma once

#include <windows.h>

#include <functional>

// What a screen reader hears of one window of ours beyond what the system's
// standard object says: the name and description of the shared table in the
// interface language, asked anew at each question so that they follow CN and
// EN, a role where the window's class says nothing, and a picture the window
// paints itself, as a child of its own.
struct AccessibleNaming
{
    const char *control = nullptr; // the table's row for the window
    LONG role = 0;                 // 0: the standard object's
    const char *picture = nullptr; // the table's row for the painted picture
    std::function<RECT()> pictureBounds; // in the window's client coordinates
};

class AccessibleControl
{
public:
    // Answers the window's WM_GETOBJECT for its client area from now on with
    // an object around the standard one; `naming` outlives the window.
    static void attach(HWND window, const AccessibleNaming *naming);
    // Tells listening tools that the window's names changed.
    static void namesChanged(HWND window);
};

#pragma once

#include "windows/tapplication.h"

#include <windows.h>

// The window procedure of a window that belongs to an object of class Owner,
// created with that object as its creation parameter: the object learns its
// window in WM_NCCREATE, and every message from then on goes to its handler
// under the application's event guard. Messages before it (WM_GETMINMAXINFO)
// take the default way.
template <class Owner, HWND Owner::*Window, LRESULT (Owner::*Handle)(UINT, WPARAM, LPARAM)>
LRESULT ownedWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto *created = static_cast<Owner *>(reinterpret_cast<const CREATESTRUCTW *>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
        created->*Window = window;
    }
    auto *owner = reinterpret_cast<Owner *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!owner)
        return DefWindowProcW(window, message, wParam, lParam);
    try {
        return (owner->*Handle)(message, wParam, lParam);
    } catch (...) {
        Application->HandleException();
        return 0;
    }
}

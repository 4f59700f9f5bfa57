// The Windows program's reference for start-up and memory (bench/windows): a
// plain Win32 window of the launcher's client size with its 22 push buttons
// and a multi-line edit box at the launcher's places, in the launcher's font
// and scale, with the same common-controls 6 manifest. Nothing else: no
// panels, no picture, no browser controls, no language pass, no docking.

#include "baselinelayout.h"

#include "core/layout.h"
#include "core/scaling.h"

#include <windows.h>

namespace {

constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_APPWINDOW | WS_EX_CONTROLPARENT;

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    const HDC screen = GetDC(nullptr);
    const int pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
    const HFONT font = CreateFontW(scaledFontHeight(pixelsPerInch), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                   DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                   DEFAULT_PITCH | FF_DONTCARE, L"Arial");
    const HGDIOBJ old = SelectObject(screen, font);
    SIZE zero{};
    GetTextExtentPoint32W(screen, L"0", 1, &zero);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    const int n = zero.cy;

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"WinBaseline";
    RegisterClassExW(&windowClass);
    RECT outer{0, 0, scaleLength(kDesignClientWidth, n), scaleLength(kDesignClientHeight, n)};
    AdjustWindowRectEx(&outer, kStyle, FALSE, kExStyle);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    const HWND window = CreateWindowExW(kExStyle, L"WinBaseline", L"WinBaseline", kStyle,
                                        (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                                        (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, nullptr,
                                        nullptr, instance, nullptr);
    const auto place = [&](const wchar_t *className, const wchar_t *text, DWORD style, const Box &box) {
        const DockRect r = scaleBounds({box.left, box.top, box.width, box.height}, n);
        const HWND control = CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, r.left,
                                             r.top, r.width, r.height, window, nullptr, instance, nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    };
    for (const Box &box : kButtons)
        place(L"BUTTON", L"\u6309\u94ae Button", BS_PUSHBUTTON, box);
    place(L"EDIT", L"\u5b89\u88c5\u5305\u62ec\uff1a\r\nKorinplot\r\nKorinbeam\r\nKorinsnip",
          WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY, kText);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(window, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    DeleteObject(font);
    return 0;
}

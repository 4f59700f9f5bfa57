#include "windows/loadnotice.h"

#include "core/language.h"
#include "windows/systemmessage.h"
#include "windows/tapplication.h"

#include <string>

namespace {

constexpr wchar_t kClassName[] = L"TLoadNotice";

void registerClass(WNDPROC procedure)
{
    static const bool registered = [procedure] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.style = CS_HREDRAW | CS_VREDRAW;
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = kClassName;
        return RegisterClassExW(&windowClass) != 0;
    }();
    (void)registered;
}

UserText textOf(bool browserPane, LoadNotice::Cause cause)
{
    if (!browserPane)
        return UserText::PictureNotAvailable;
    switch (cause) {
    case LoadNotice::Cause::NoAnswer:
        return UserText::PageNoAnswer;
    case LoadNotice::Cause::Stopped:
        return UserText::PageStopped;
    case LoadNotice::Cause::CannotShow:
        return UserText::PageCannotShow;
    case LoadNotice::Cause::Unreachable:
        break;
    }
    return UserText::PageUnreachable;
}

} // namespace

LoadNotice::LoadNotice(HWND parent, bool browserPane) : m_browserPane(browserPane)
{
    registerClass(&LoadNotice::windowProc);
    m_window = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, parent, nullptr,
                               GetModuleHandleW(nullptr), this);
    if (!m_window)
        raiseLastError();
    // The window's font, as the controls beside it have.
    SendMessageW(m_window, WM_SETFONT, SendMessageW(parent, WM_GETFONT, 0, 0), FALSE);
    updateText();
}

LoadNotice::~LoadNotice()
{
    SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
    DestroyWindow(m_window);
}

void LoadNotice::report(Cause cause, const RECT &bounds)
{
    m_cause = cause;
    updateText();
    setBounds(bounds);
    SetWindowPos(m_window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(m_window, nullptr, FALSE);
}

void LoadNotice::hide()
{
    ShowWindow(m_window, SW_HIDE);
}

bool LoadNotice::visible() const
{
    return IsWindowVisible(m_window) != FALSE;
}

void LoadNotice::setBounds(const RECT &bounds)
{
    SetWindowPos(m_window, nullptr, bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void LoadNotice::languageChanged()
{
    updateText();
    InvalidateRect(m_window, nullptr, FALSE);
}

void LoadNotice::updateText()
{
    const bool chinese = Application && Application->InterfaceChinese();
    const std::u16string text = userText(textOf(m_browserPane, m_cause), chinese);
    SetWindowTextW(m_window, reinterpret_cast<const wchar_t *>(text.c_str()));
}

void LoadNotice::paint()
{
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(m_window, &paint);
    RECT client;
    GetClientRect(m_window, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    const auto font = reinterpret_cast<HFONT>(SendMessageW(m_window, WM_GETFONT, 0, 0));
    const HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    InflateRect(&client, -metrics.tmAveCharWidth, 0);
    wchar_t text[256];
    const int length = GetWindowTextW(m_window, text, static_cast<int>(std::size(text)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    DrawTextW(dc, text, length, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    if (old)
        SelectObject(dc, old);
    EndPaint(m_window, &paint);
}

LRESULT CALLBACK LoadNotice::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto *create = reinterpret_cast<const CREATESTRUCTW *>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto *notice = reinterpret_cast<LoadNotice *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
    case WM_SETFONT:
        SetPropW(window, L"KorinviewFont", reinterpret_cast<HANDLE>(wParam));
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(GetPropW(window, L"KorinviewFont"));
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        if (notice) {
            notice->paint();
            return 0;
        }
        break;
    case WM_NCDESTROY:
        RemovePropW(window, L"KorinviewFont");
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

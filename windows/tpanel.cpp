#include "windows/tpanel.h"

#include "windows/systemmessage.h"
#include "windows/tapplication.h"
#include "windows/timage.h"

namespace {

constexpr wchar_t kClassName[] = L"TPanel";

void registerClass()
{
    static const bool registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        // A panel repaints whole when it is resized.
        windowClass.style = CS_HREDRAW | CS_VREDRAW;
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = kClassName;
        return RegisterClassExW(&windowClass) != 0;
    }();
    (void)registered;
}

void fill(HDC dc, int left, int top, int width, int height, COLORREF color)
{
    const RECT r{left, top, left + width, top + height};
    SetBkColor(dc, color);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

// One ring per pixel of width, on the rectangle's inclusive bounds: left and
// top in the top colour, then right and bottom in the bottom colour, which so
// owns the top-right and bottom-left corners.
void drawRings(HDC dc, RECT &r, int width, COLORREF top, COLORREF bottom)
{
    for (int i = 0; i < width && r.right > r.left && r.bottom > r.top; ++i) {
        const int w = r.right - r.left;
        const int h = r.bottom - r.top;
        fill(dc, r.left, r.top, 1, h, top);
        fill(dc, r.left, r.top, w, 1, top);
        fill(dc, r.right - 1, r.top, 1, h, bottom);
        fill(dc, r.left, r.bottom - 1, w, 1, bottom);
        InflateRect(&r, -1, -1);
    }
}

void drawBevel(HDC dc, TBevelCut cut, RECT &r, int width)
{
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF dark = GetSysColor(COLOR_BTNSHADOW);
    if (cut == TBevelCut::bvRaised)
        drawRings(dc, r, width, light, dark);
    else if (cut == TBevelCut::bvLowered)
        drawRings(dc, r, width, dark, light);
}

} // namespace

TPanel::TPanel(HWND parent, const ControlSpec &row, const DockRect &bounds)
    : m_bevels(row.bevels), m_color(row.color), m_parentBackground(row.parentBackground)
{
    registerClass();
    m_window = CreateWindowExW(WS_EX_CONTROLPARENT, kClassName, L"",
                               WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, bounds.left, bounds.top,
                               bounds.width, bounds.height, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!m_window)
        raiseLastError();
    SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TPanel::windowProc));
}

TPanel::~TPanel()
{
    if (m_window) {
        SetWindowLongPtrW(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DefWindowProcW));
        DestroyWindow(m_window);
    }
    if (m_brush)
        DeleteObject(m_brush);
}

void TPanel::setImage(TImage *image, const DockRect &bounds)
{
    m_image = image;
    m_imageBounds = bounds;
}

COLORREF TPanel::backgroundColor() const
{
    if (!m_parentBackground)
        return RGB(redOf(m_color), greenOf(m_color), blueOf(m_color));
    const HWND parent = GetParent(m_window);
    if (const auto *panel = reinterpret_cast<const TPanel *>(GetWindowLongPtrW(parent, GWLP_USERDATA));
        panel && GetWindowLongPtrW(parent, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&TPanel::windowProc))
        return panel->backgroundColor();
    return GetSysColor(COLOR_BTNFACE);
}

HBRUSH TPanel::backgroundBrush()
{
    const COLORREF color = backgroundColor();
    if (!m_brush || m_brushColor != color) {
        if (m_brush)
            DeleteObject(m_brush);
        m_brush = CreateSolidBrush(color);
        m_brushColor = color;
    }
    return m_brush;
}

void TPanel::paint(HDC dc)
{
    RECT r;
    GetClientRect(m_window, &r);
    drawBevel(dc, m_bevels.outer, r, m_bevels.width);
    if (r.right > r.left && r.bottom > r.top)
        fill(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, backgroundColor());
    drawBevel(dc, m_bevels.inner, r, m_bevels.width);
    if (m_image) {
        const DockRect &b = m_imageBounds;
        m_image->Paint(dc, RECT{b.left, b.top, b.left + b.width, b.top + b.height});
    }
}

LRESULT CALLBACK TPanel::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto *panel = reinterpret_cast<TPanel *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    try {
        switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            const HDC dc = BeginPaint(window, &ps);
            panel->paint(dc);
            EndPaint(window, &ps);
            return 0;
        }
        // Themed buttons ask their parent to draw what shows behind their corners.
        case WM_PRINTCLIENT:
            panel->paint(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_CTLCOLORBTN:
            return reinterpret_cast<LRESULT>(panel->backgroundBrush());
        case WM_COMMAND:
            return SendMessageW(GetAncestor(window, GA_ROOT), message, wParam, lParam);
        default:
            break;
        }
    } catch (...) {
        Application->HandleException();
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

#include "windows/tpanel.h"

#include "core/panelpaint.h"
#include "windows/systemmessage.h"
#include "windows/tapplication.h"
#include "windows/timage.h"

#include <vector>

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

void fill(HDC dc, const DockRect &r, COLORREF color)
{
    const RECT rect{r.left, r.top, r.left + r.width, r.top + r.height};
    SetBkColor(dc, color);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

COLORREF colorRef(const Rgb &rgb)
{
    return RGB(rgb.red, rgb.green, rgb.blue);
}

Rgb systemColor(TColor color)
{
    const COLORREF system = GetSysColor(static_cast<int>(color & 0xFF));
    return {GetRValue(system), GetGValue(system), GetBValue(system)};
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
    std::vector<PanelFill> outwards;
    for (const TPanel *panel = this; panel; panel = panelOf(GetParent(panel->m_window)))
        outwards.push_back({panel->m_color, panel->m_parentBackground});
    // The window below every panel is painted in the face colour.
    return colorRef(shownColor(outwards, systemColor(clBtnFace), systemColor));
}

const TPanel *TPanel::panelOf(HWND window)
{
    if (!window || GetWindowLongPtrW(window, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&TPanel::windowProc))
        return nullptr;
    return reinterpret_cast<const TPanel *>(GetWindowLongPtrW(window, GWLP_USERDATA));
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
    RECT client;
    GetClientRect(m_window, &client);
    const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF background = backgroundColor();
    for (const PanelStroke &stroke : panelStrokes(client.right - client.left, client.bottom - client.top, m_bevels)) {
        fill(dc, stroke.rect,
             stroke.shade == PanelShade::Highlight ? highlight
             : stroke.shade == PanelShade::Shadow  ? shadow
                                                   : background);
    }
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

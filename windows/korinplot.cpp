#include "windows/korinplot.h"

#include "core/keyaction.h"
#include "core/keyboardorder.h"
#include "core/language.h"
#include "core/placement.h"
#include "core/scaling.h"
#include "core/title.h"
#include "windows/panerecovery.h"
#include "windows/ownedwindow.h"
#include "windows/systemmessage.h"
#include "windows/tapplication.h"
#include "windows/textfile.h"
#include "windows/timage.h"
#include "windows/tmemo.h"
#include "windows/tpanel.h"
#include "windows/twebbrowser.h"

#include <oleacc.h>
#include <shellapi.h>

#include <algorithm>
#include <span>
#include <string_view>

TKorinplot *Korinplot = nullptr;

namespace {

constexpr wchar_t kClassName[] = L"TKorinplot";
constexpr int kFirstControlId = 100;
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_APPWINDOW | WS_EX_CONTROLPARENT;

const wchar_t *wide(const std::u16string &text)
{
    return reinterpret_cast<const wchar_t *>(text.c_str());
}

RECT toRect(const DockRect &r)
{
    return {r.left, r.top, r.left + r.width, r.top + r.height};
}

// The window's picture, a JPEG among the program's resources.
std::span<const std::uint8_t> designedPicture()
{
    const HRSRC resource = FindResourceW(nullptr, L"QRCODE", MAKEINTRESOURCEW(10));
    const HGLOBAL loaded = resource ? LoadResource(nullptr, resource) : nullptr;
    const void *data = loaded ? LockResource(loaded) : nullptr;
    if (!data)
        return {};
    return {static_cast<const std::uint8_t *>(data), SizeofResource(nullptr, resource)};
}

// The height of "0" in the font on the screen: what the layout scales by.
int measuredTextHeight(HFONT font)
{
    const HDC screen = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(screen, font);
    SIZE size{};
    GetTextExtentPoint32W(screen, L"0", 1, &size);
    SelectObject(screen, old);
    ReleaseDC(nullptr, screen);
    return size.cy;
}

Key keyOf(WPARAM key)
{
    switch (key) {
    case VK_TAB:
        return Key::Tab;
    case VK_RETURN:
        return Key::Enter;
    case VK_SPACE:
        return Key::Space;
    case VK_LEFT:
        return Key::Left;
    case VK_RIGHT:
        return Key::Right;
    case VK_UP:
        return Key::Up;
    case VK_DOWN:
        return Key::Down;
    default:
        return Key::Other;
    }
}

} // namespace

TKorinplot::TKorinplot(const KorinviewConfig &config) : KorinplotForm(config), m_layout(designLayout(config))
{
    m_pixelsPerInch = Application ? Application->PixelsPerInch() : kDesignPixelsPerInch;
    m_font = CreateFontW(scaledFontHeight(m_pixelsPerInch), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                         OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"Arial");
    m_textHeight = measuredTextHeight(m_font);
    m_dock.add(-1, TAlign::alNone,
               {0, 0, scaleLength(kDesignClientWidth, m_textHeight), scaleLength(kDesignClientHeight, m_textHeight)});
    for (const ControlSpec &design : m_layout) {
        const int parentNode = design.parent ? row(design.parent) + 1 : 0;
        m_dock.add(parentNode, design.align, scaleBounds(design.bounds, m_textHeight),
                   design.kind == ControlKind::Panel ? dockInset(design.bevels) : 0);
    }
    try {
        createWindow();
        createControls();
    } catch (...) {
        // A form that fails to build leaves no window behind that would
        // still call into it.
        release();
        throw;
    }
    m_dock.enableDocking();
    applyDocking();
}

TKorinplot::~TKorinplot()
{
    release();
}

void TKorinplot::release()
{
    // The views close their controls while the windows they live in exist.
    for (Control &control : m_controls) {
        control.recovery.reset();
        control.browser.reset();
    }
    if (m_window) {
        SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
        DestroyWindow(m_window);
        m_window = nullptr;
    }
    m_controls.clear();
    if (m_font) {
        DeleteObject(m_font);
        m_font = nullptr;
    }
}

void TKorinplot::createWindow()
{
    static const bool registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = &TKorinplot::windowProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        // The large icon; the system derives the small one from it.
        windowClass.hIcon = Application ? Application->Icon() : nullptr;
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = kClassName;
        return RegisterClassExW(&windowClass) != 0;
    }();
    (void)registered;

    const DockRect &client = m_dock.node(0).bounds;
    RECT outer{0, 0, client.width, client.height};
    AdjustWindowRectEx(&outer, kStyle, FALSE, kExStyle);
    // Hidden until the first show; unowned, with a taskbar entry of its own.
    m_window = CreateWindowExW(kExStyle, kClassName, reinterpret_cast<const wchar_t *>(kWindowTitle), kStyle, 0, 0,
                               outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr,
                               GetModuleHandleW(nullptr), this);
    if (!m_window)
        raiseLastError();
}

void TKorinplot::createControls()
{
    m_controls.resize(m_layout.size());
    m_placed.resize(m_layout.size());
    for (int i = 0; i < static_cast<int>(m_layout.size()); ++i)
        createControl(i);
    // A later-declared sibling lies above an earlier one.
    for (const Control &control : m_controls) {
        if (control.window)
            SetWindowPos(control.window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

// The system's objects name a button by its caption and a panel not at all:
// the table's names, a group's role, and the picture as the panel's child.
void TKorinplot::nameControls()
{
    for (const AccessibleText &text : accessibleTexts()) {
        const int i = row(text.control);
        if (m_layout[i].kind == ControlKind::Image || !m_controls[i].window)
            continue;
        AccessibleNaming &naming = m_accessible.emplace_back();
        naming.control = text.control;
        const ControlKind kind = m_layout[i].kind;
        if (kind == ControlKind::Panel || kind == ControlKind::WebBrowser)
            naming.role = ROLE_SYSTEM_GROUPING;
        else if (kind == ControlKind::Button)
            naming.role = ROLE_SYSTEM_PUSHBUTTON; // Wine's standard object says only "client"
        for (int j = 0; j < static_cast<int>(m_layout.size()); ++j) {
            const ControlSpec &design = m_layout[j];
            if (design.kind == ControlKind::Image && design.parent && std::string_view(design.parent) == text.control) {
                naming.picture = design.name;
                naming.pictureBounds = [this, j] { return toRect(m_placed[j]); };
            }
        }
        AccessibleControl::attach(m_controls[i].window, &naming);
    }
}

void TKorinplot::createControl(int i)
{
    const ControlSpec &design = m_layout[i];
    const DockRect bounds = m_dock.node(i + 1).bounds;
    const HWND parent = parentWindow(i);
    Control &control = m_controls[i];
    const auto id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + i));
    switch (design.kind) {
    case ControlKind::Panel:
        control.panel = std::make_unique<TPanel>(parent, design, bounds);
        control.window = control.panel->Handle();
        break;
    case ControlKind::Button:
        control.window = CreateWindowExW(0, L"BUTTON", wide(design.caption),
                                         WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | BS_PUSHBUTTON, bounds.left,
                                         bounds.top, bounds.width, bounds.height, parent, id,
                                         GetModuleHandleW(nullptr), nullptr);
        if (!control.window)
            raiseLastError();
        break;
    case ControlKind::Memo:
        control.memo = std::make_unique<TMemo>(parent, kFirstControlId + i, bounds);
        control.window = control.memo->Handle();
        break;
    case ControlKind::Image:
        control.image = std::make_unique<TImage>(designedPicture());
        m_controls[row(design.parent)].panel->setImage(control.image.get(), bounds);
        break;
    case ControlKind::WebBrowser:
        control.browser = std::make_unique<TWebBrowser>(design.bounds.width, design.bounds.height);
        control.browser->CreateWnd(parent, toRect(bounds));
        control.window = control.browser->Handle();
        // The browser pane, the form's own child, mends itself.
        if (!design.parent)
            control.recovery = std::make_unique<PaneRecovery>(*control.browser, parent, toRect(bounds));
        break;
    }
    // A side view passes the font on to its notice.
    if (control.window)
        SendMessageW(control.window, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), FALSE);
    m_placed[i] = bounds;
}

HWND TKorinplot::parentWindow(int i) const
{
    return m_layout[i].parent ? m_controls[row(m_layout[i].parent)].window : m_window;
}

int TKorinplot::row(const char *name) const
{
    return layoutRow(m_layout, name);
}

int TKorinplot::rowOf(HWND window) const
{
    for (; window && window != m_window; window = GetParent(window)) {
        const auto found = std::find_if(m_controls.begin(), m_controls.end(),
                                        [window](const Control &control) { return control.window == window; });
        if (found != m_controls.end())
            return static_cast<int>(found - m_controls.begin());
    }
    return -1;
}

void TKorinplot::applyDocking()
{
    for (int i = 0; i < static_cast<int>(m_controls.size()); ++i) {
        const DockRect &r = m_dock.node(i + 1).bounds;
        if (r == m_placed[i])
            continue;
        Control &control = m_controls[i];
        if (control.browser) {
            if (!control.browser->SetBounds(toRect(r), m_pixelsPerInch))
                continue;
            if (control.recovery)
                control.recovery->setBounds(toRect(r));
        } else if (control.window) {
            SetWindowPos(control.window, nullptr, r.left, r.top, r.width, r.height,
                         SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
        } else if (control.image) {
            m_controls[row(m_layout[i].parent)].panel->setImage(control.image.get(), r);
        }
        m_placed[i] = r;
    }
}

void TKorinplot::ShowFirst(int showCommand)
{
    RECT outer;
    GetWindowRect(m_window, &outer);
    const DockRect desktop{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                           GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    const DockPoint at = desktopCentre(desktop, outer.right - outer.left, outer.bottom - outer.top);
    SetWindowPos(m_window, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    // A maximised start keeps the centred rectangle to restore to.
    const int command = showCommand == SW_SHOWMAXIMIZED    ? SW_SHOWMAXIMIZED
                        : showCommand == SW_SHOWMINNOACTIVE ? SW_SHOWMINNOACTIVE
                                                            : SW_SHOWNORMAL;
    ShowWindow(m_window, command);
    RedrawWindow(m_window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    createBrowserControls();
}

// The system's browser control, with the libraries it loads, is the dearest
// part of a start, and at start nothing is shown in it: the side views draw
// their pictures themselves and the main view lies behind the install panel.
// So the controls are made once the window is drawn, before any input is
// read.
void TKorinplot::createBrowserControls()
{
    for (int i = 0; i < static_cast<int>(m_controls.size()); ++i) {
        Control &control = m_controls[i];
        if (!control.browser)
            continue;
        control.browser->CreateControl();
        // A side view's window was there from the start.
        if (control.window)
            continue;
        control.window = control.browser->Handle();
        stackAsDeclared(i);
    }
    // Named once every window is there, the main view's too.
    nameControls();
    applyDocking();
    // The activation's focus went past the view that was not there yet.
    if (GetActiveWindow() == m_window)
        focusFirst();
}

// Below the next sibling of the table that has its window, as if made in
// the table's order with the rest.
void TKorinplot::stackAsDeclared(int i)
{
    HWND above = HWND_TOP;
    for (int j = i + 1; j < static_cast<int>(m_layout.size()); ++j) {
        if (m_controls[j].window && GetParent(m_controls[j].window) == GetParent(m_controls[i].window)) {
            above = m_controls[j].window;
            break;
        }
    }
    SetWindowPos(m_controls[i].window, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}


void TKorinplot::focusRow(int i, bool byKey)
{
    if (byKey)
        SendMessageW(m_window, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    SetFocus(m_controls[i].window);
}

int TKorinplot::tabTarget(int from, bool forward) const
{
    return ::tabTarget(
        m_layout, from, forward, [this](int i) { return m_dock.node(i + 1).visible; },
        [this](int i) {
            const Control &control = m_controls[i];
            return control.window && (!control.browser || control.browser->TabStop());
        });
}

void TKorinplot::focusFirst()
{
    if (const int first = tabTarget(-1, true); first >= 0)
        focusRow(first, false);
}

void TKorinplot::moveFocus(bool forward)
{
    if (const int target = tabTarget(rowOf(GetFocus()), forward); target >= 0)
        focusRow(target, true);
}

void TKorinplot::click(int i)
{
    SendMessageW(m_controls[i].window, BM_CLICK, 0, 0);
}

bool TKorinplot::PreTranslate(MSG &msg)
{
    if (msg.hwnd != m_window && !IsChild(m_window, msg.hwnd))
        return false;
    for (Control &control : m_controls) {
        if (control.browser && control.browser->TranslateAccelerator(msg))
            return true;
    }
    if (msg.message != WM_KEYDOWN)
        return false;
    const HWND focus = GetFocus();
    const int focused = rowOf(focus);
    const bool onButton =
        focused >= 0 && m_layout[focused].kind == ControlKind::Button && focus == m_controls[focused].window;
    const KeyModifiers held{GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_MENU) < 0, false};
    const KeyAction action = keyAction(keyOf(msg.wParam), held, onButton);
    switch (action) {
    case KeyAction::NextStop:
    case KeyAction::PreviousStop:
        moveFocus(action == KeyAction::NextStop);
        return true;
    case KeyAction::NextSibling:
    case KeyAction::PreviousSibling:
        focusRow(arrowTarget(m_layout, focused, action == KeyAction::NextSibling,
                             [this](int i) { return m_dock.node(i + 1).visible; }),
                 true);
        return true;
    case KeyAction::Click:
        click(focused);
        return true;
    case KeyAction::None:
        return false;
    }
    return false;
}

LRESULT CALLBACK TKorinplot::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ownedWindowProc<TKorinplot, &TKorinplot::m_window, &TKorinplot::handleMessage>(window, message, wParam, lParam);
}

LRESULT TKorinplot::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED && !m_controls.empty()) {
            m_dock.setBounds(0, {0, 0, LOWORD(lParam), HIWORD(lParam)});
            applyDocking();
        }
        return 0;
    case WM_COMMAND: {
        const int i = static_cast<int>(LOWORD(wParam)) - kFirstControlId;
        if (HIWORD(wParam) == BN_CLICKED && i >= 0 && i < static_cast<int>(m_layout.size()) && m_layout[i].click)
            (this->*m_layout[i].click)();
        return 0;
    }
    case WM_CTLCOLORBTN:
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            m_savedFocus = GetFocus();
        } else if (m_savedFocus && IsChild(m_window, m_savedFocus)) {
            SetFocus(m_savedFocus);
        } else {
            focusFirst();
        }
        return 0;
    case WM_CLOSE:
        // Closing the main window ends the program at once; the window goes
        // in the exit step, with its controls.
        Application->Terminate();
        return 0;
    case WM_QUERYENDSESSION:
        return TRUE;
    default:
        return DefWindowProcW(m_window, message, wParam, lParam);
    }
}

void TKorinplot::setCaption(const char *control, const std::u16string &caption)
{
    SetWindowTextW(m_controls[row(control)].window, wide(caption));
}

void TKorinplot::showControl(const char *control, bool visible)
{
    const int i = row(control);
    const HWND window = m_controls[i].window;
    // The focus leaves a control that is hidden, for the next one in the walk.
    const HWND focus = GetFocus();
    const bool hadFocus = !visible && focus && (focus == window || IsChild(window, focus));
    m_dock.setVisible(i + 1, visible);
    ShowWindow(window, visible ? SW_SHOWNA : SW_HIDE);
    applyDocking();
    if (hadFocus) {
        if (const int target = tabTarget(i, true); target >= 0)
            focusRow(target, false);
    }
}

void TKorinplot::bringControlToFront(const char *control)
{
    const Control &raised = m_controls[row(control)];
    SetWindowPos(raised.window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (raised.recovery)
        raised.recovery->raise();
}

void TKorinplot::navigate(const char *view, const std::u16string &url)
{
    Control &control = m_controls[row(view)];
    if (control.recovery)
        control.recovery->navigate(url);
    else
        control.browser->Navigate(url);
}

void TKorinplot::goBack(const char *view)
{
    m_controls[row(view)].browser->GoBack();
}

void TKorinplot::refresh(const char *view)
{
    Control &control = m_controls[row(view)];
    if (control.recovery)
        control.recovery->refresh();
    else
        control.browser->Refresh();
}

void TKorinplot::memoClear()
{
    m_controls[row("Memo1")].memo->Clear();
}

void TKorinplot::memoAdd(const std::u16string &line)
{
    m_controls[row("Memo1")].memo->Add(line);
}

void TKorinplot::memoLoadFromFile(const std::u16string &name)
{
    m_controls[row("Memo1")].memo->LoadFromFile(name);
}

bool TKorinplot::fileExists(const std::u16string &name)
{
    return FileExists(name);
}

void TKorinplot::shellOpen(const std::u16string &address)
{
    ShellExecuteW(m_window, nullptr, wide(address), nullptr, nullptr, SW_SHOWNORMAL);
}

std::uint16_t TKorinplot::systemDefaultLangID()
{
    return GetSystemDefaultLangID();
}

void TKorinplot::interfaceLanguageChanged(bool chinese)
{
    // The interface language goes with the captions: it stays as it was when
    // the readme cannot be read.
    Application->setInterfaceChinese(chinese);
    for (const AccessibleNaming &naming : m_accessible)
        AccessibleControl::namesChanged(m_controls[row(naming.control)].window);
    for (Control &control : m_controls) {
        if (control.recovery)
            control.recovery->languageChanged();
    }
}

#include "windows/pictureview.h"

#include "core/language.h"
#include "windows/loadnotice.h"
#include "windows/picturedecoder.h"
#include "windows/pictureloader.h"
#include "windows/ownedwindow.h"
#include "windows/systemmessage.h"
#include "windows/tapplication.h"

#include <shellapi.h>
#include <shlwapi.h>
#include <wininet.h>

#include <cstring>
#include <utility>

namespace {

constexpr wchar_t kClassName[] = L"TPictureView";
constexpr UINT_PTR kFrameTimer = 42;
// A picture is decoded anew for a new size once the size has held this long,
// so that dragging the window's edge decodes it once, not at every step.
constexpr UINT_PTR kResizeTimer = 43;
constexpr UINT kResizeSettle = 150;
enum MenuCommand : UINT { kCopyImage = 1, kCopyImageAddress, kOpenImageInBrowser };

const wchar_t *wide(const std::u16string &text)
{
    return reinterpret_cast<const wchar_t *>(text.c_str());
}

bool isWebAddress(const std::u16string &address)
{
    return address.starts_with(u"http://") || address.starts_with(u"https://");
}

// As a browser names an image document: the address's last path segment,
// unescaped, else its host.
std::u16string fileNameOf(const std::u16string &address)
{
    URL_COMPONENTSW parts{};
    parts.dwStructSize = sizeof parts;
    parts.dwHostNameLength = parts.dwUrlPathLength = 1;
    if (!InternetCrackUrlW(wide(address), static_cast<DWORD>(address.size()), 0, &parts))
        return address;
    std::wstring path(parts.lpszUrlPath, parts.dwUrlPathLength);
    std::wstring name = path.substr(path.rfind(L'/') == std::wstring::npos ? 0 : path.rfind(L'/') + 1);
    if (name.empty())
        name.assign(parts.lpszHostName, parts.dwHostNameLength);
    else
        UrlUnescapeW(name.data(), nullptr, nullptr, URL_UNESCAPE_INPLACE);
    name.resize(wcslen(name.c_str()));
    return {reinterpret_cast<const char16_t *>(name.c_str()), name.size()};
}

BITMAPINFOHEADER topDownHeader(int width, int height)
{
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = -height;
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    return header;
}

} // namespace

PictureView::PictureView(HWND parent, const RECT &bounds, std::function<void(const std::u16string &)> navigateControl)
    : m_showOnControl(std::move(navigateControl))
{
    static const bool registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = &PictureView::windowProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = kClassName;
        return RegisterClassExW(&windowClass) != 0;
    }();
    (void)registered;
    m_window = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                               bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                               nullptr, GetModuleHandleW(nullptr), this);
    if (!m_window)
        raiseLastError();
    m_notice = std::make_unique<LoadNotice>(m_window, false);
    m_loader = std::make_unique<PictureLoader>(
        m_window, PictureLoader::Handlers{
                      [this](const std::u16string &address, std::vector<std::uint8_t> bytes,
                             PictureDecoder::ForView picture) {
                          answered(address, std::move(bytes), std::move(picture));
                      },
                      [this](const std::u16string &address) { showOnControl(address); },
                      [this] { failed(); },
                  });
}

PictureView::~PictureView()
{
    m_loader.reset();
    m_notice.reset();
    SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
    DestroyWindow(m_window);
}

void PictureView::setControl(HWND control)
{
    m_control = control;
    ShowWindow(m_control, onControl() ? SW_SHOWNA : SW_HIDE);
}

void PictureView::setBounds(const RECT &bounds)
{
    SetWindowPos(m_window, nullptr, bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void PictureView::load(const std::u16string &address)
{
    // The language may have changed with the request (CN, EN).
    m_notice->languageChanged();
    m_loader->load(address);
}

void PictureView::refresh()
{
    m_loader->refresh();
}

void PictureView::answered(const std::u16string &address, std::vector<std::uint8_t> bytes,
                           PictureDecoder::ForView picture)
{
    if (picture.opened == PictureDecoder::Opened::NotPicture) {
        showOnControl(address);
        return;
    }
    KillTimer(m_window, kFrameTimer);
    m_animation.reset();
    m_shown.clear();
    if (picture.opened == PictureDecoder::Opened::TooLarge) {
        // Asking again brings the same picture: the notice stays.
        m_bytes.clear();
        show(Showing::Notice);
        return;
    }
    m_bytes = std::move(bytes);
    m_address = address;
    m_pictureWidth = picture.width;
    m_pictureHeight = picture.height;
    m_fit = picture.fit;
    m_shown = std::move(picture.shown);
    // An animation plays from a decoder of the window's own thread.
    if (picture.animated) {
        m_animation = std::make_unique<PictureDecoder>();
        if (m_animation->open(m_bytes) != PictureDecoder::Opened::Picture)
            m_animation.reset();
    }
    RECT client;
    GetClientRect(m_window, &client);
    const ImageFit now = fitAndCentre(m_pictureWidth, m_pictureHeight, client.right, client.bottom);
    // The view changed size while the picture came: drawn again for the new one.
    if ((now.width != m_fit.width || now.height != m_fit.height) && !render()) {
        m_animation.reset();
        showOnControl(address);
        return;
    }
    if (m_animation)
        SetTimer(m_window, kFrameTimer, static_cast<UINT>(m_animation->delay()), nullptr);
    const std::u16string name = pictureName(fileNameOf(address), m_pictureWidth, m_pictureHeight);
    SetWindowTextW(m_window, wide(name));
    show(Showing::Picture);
}

void PictureView::failed()
{
    // The picture shown before may have changed since: not kept.
    KillTimer(m_window, kFrameTimer);
    m_animation.reset();
    m_shown.clear();
    m_bytes.clear();
    show(Showing::Notice);
}

void PictureView::showOnControl(const std::u16string &address)
{
    KillTimer(m_window, kFrameTimer);
    m_animation.reset();
    m_shown.clear();
    m_bytes.clear();
    show(Showing::Control);
    m_showOnControl(address);
}

void PictureView::show(Showing showing)
{
    m_showing = showing;
    if (showing != Showing::Picture)
        SetWindowTextW(m_window, L"");
    if (showing == Showing::Notice) {
        RECT client;
        GetClientRect(m_window, &client);
        m_notice->report(LoadNotice::Cause::Unreachable, client);
    } else {
        m_notice->hide();
    }
    if (m_control) {
        const HWND focus = GetFocus();
        const bool focused = focus && (focus == m_window || focus == m_control || IsChild(m_control, focus));
        ShowWindow(m_control, showing == Showing::Control ? SW_SHOWNA : SW_HIDE);
        if (focused)
            SetFocus(showing == Showing::Control ? m_control : m_window);
    }
    InvalidateRect(m_window, nullptr, FALSE);
}

bool PictureView::render()
{
    RECT client;
    GetClientRect(m_window, &client);
    m_fit = fitAndCentre(m_pictureWidth, m_pictureHeight, client.right, client.bottom);
    if (m_fit.width <= 0 || m_fit.height <= 0) {
        m_shown.clear();
        return true;
    }
    if (m_animation) {
        m_shown = m_animation->scaled(m_fit.width, m_fit.height, PictureDecoder::kBackground);
        return !m_shown.empty();
    }
    // Decoded anew at each size: between sizes only what is shown is kept.
    PictureDecoder::ForView picture = PictureDecoder::forView(m_bytes, client.right, client.bottom);
    m_shown = std::move(picture.shown);
    return picture.opened == PictureDecoder::Opened::Picture && !m_shown.empty();
}

void PictureView::paint()
{
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(m_window, &paint);
    RECT client;
    GetClientRect(m_window, &client);
    if (m_showing == Showing::Picture && !m_shown.empty()) {
        // Until the picture is decoded for a new size, the last one stretched.
        const ImageFit fit = fitAndCentre(m_pictureWidth, m_pictureHeight, client.right, client.bottom);
        const int left = static_cast<int>(fit.left + 0.5);
        const int top = static_cast<int>(fit.top + 0.5);
        const BITMAPINFOHEADER header = topDownHeader(m_fit.width, m_fit.height);
        const int oldMode = SetStretchBltMode(dc, HALFTONE);
        StretchDIBits(dc, left, top, fit.width, fit.height, 0, 0, m_fit.width, m_fit.height, m_shown.data(),
                      reinterpret_cast<const BITMAPINFO *>(&header), DIB_RGB_COLORS, SRCCOPY);
        SetStretchBltMode(dc, oldMode);
        ExcludeClipRect(dc, left, top, left + fit.width, top + fit.height);
        const HBRUSH background = CreateSolidBrush(RGB(14, 14, 14));
        FillRect(dc, &client, background);
        DeleteObject(background);
    } else {
        FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    EndPaint(m_window, &paint);
}

void PictureView::contextMenu(POINT at)
{
    if (m_showing != Showing::Picture)
        return;
    if (at.x == -1 && at.y == -1) {
        RECT client;
        GetClientRect(m_window, &client);
        at = {client.right / 2, client.bottom / 2};
        ClientToScreen(m_window, &at);
    }
    const bool chinese = Application && Application->InterfaceChinese();
    const HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, kCopyImage, wide(userText(UserText::CopyImage, chinese)));
    AppendMenuW(menu, MF_STRING, kCopyImageAddress, wide(userText(UserText::CopyImageAddress, chinese)));
    // Only web addresses leave the launcher.
    if (isWebAddress(m_address))
        AppendMenuW(menu, MF_STRING, kOpenImageInBrowser, wide(userText(UserText::OpenImageInBrowser, chinese)));
    const UINT command = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, m_window, nullptr));
    DestroyMenu(menu);
    switch (command) {
    case kCopyImage:
        copyImage();
        break;
    case kCopyImageAddress:
        copyText(m_address);
        break;
    case kOpenImageInBrowser:
        ShellExecuteW(m_window, nullptr, wide(m_address), nullptr, nullptr, SW_SHOWNORMAL);
        break;
    default:
        break;
    }
}

// The whole picture, as a browser copies an image: a device-independent
// bitmap at its own size.
void PictureView::copyImage()
{
    PictureDecoder decoder;
    PictureDecoder *source = m_animation.get();
    if (!source) {
        if (decoder.open(m_bytes) != PictureDecoder::Opened::Picture)
            return;
        source = &decoder;
    }
    const std::vector<std::uint32_t> pixels = source->fullSize();
    if (pixels.empty())
        return;
    BITMAPINFOHEADER header = topDownHeader(source->width(), source->height());
    // Bottom row first, as every reader of the clipboard expects.
    header.biHeight = source->height();
    const std::size_t row = std::size_t(source->width()) * 4;
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof header + pixels.size() * 4);
    if (!memory)
        return;
    auto *bytes = static_cast<std::uint8_t *>(GlobalLock(memory));
    std::memcpy(bytes, &header, sizeof header);
    for (int y = 0; y < source->height(); ++y)
        std::memcpy(bytes + sizeof header + std::size_t(source->height() - 1 - y) * row,
                    pixels.data() + std::size_t(y) * source->width(), row);
    GlobalUnlock(memory);
    if (!OpenClipboard(m_window) || !EmptyClipboard() || !SetClipboardData(CF_DIB, memory))
        GlobalFree(memory);
    CloseClipboard();
}

void PictureView::copyText(const std::u16string &text)
{
    const std::size_t size = (text.size() + 1) * sizeof(char16_t);
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!memory)
        return;
    std::memcpy(GlobalLock(memory), text.c_str(), size);
    GlobalUnlock(memory);
    if (!OpenClipboard(m_window) || !EmptyClipboard() || !SetClipboardData(CF_UNICODETEXT, memory))
        GlobalFree(memory);
    CloseClipboard();
}

LRESULT PictureView::handleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_loader && m_loader->handleMessage(message, wParam, lParam))
        return 0;
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        paint();
        return 0;
    case WM_SIZE:
        if (m_showing == Showing::Picture)
            SetTimer(m_window, kResizeTimer, kResizeSettle, nullptr);
        if (m_showing == Showing::Notice) {
            RECT client;
            GetClientRect(m_window, &client);
            m_notice->setBounds(client);
        }
        if (m_control)
            SetWindowPos(m_control, nullptr, 0, 0, LOWORD(lParam), HIWORD(lParam), SWP_NOZORDER | SWP_NOACTIVATE);
        InvalidateRect(m_window, nullptr, FALSE);
        return 0;
    case WM_TIMER:
        if (wParam == kResizeTimer) {
            KillTimer(m_window, kResizeTimer);
            if (m_showing == Showing::Picture && !render())
                show(Showing::Notice);
            InvalidateRect(m_window, nullptr, FALSE);
            return 0;
        }
        if (wParam == kFrameTimer && m_animation) {
            const int delay = m_animation->advance();
            render();
            InvalidateRect(m_window, nullptr, FALSE);
            SetTimer(m_window, kFrameTimer, static_cast<UINT>(delay), nullptr);
            return 0;
        }
        break;
    case WM_SETFOCUS:
        // A page shown takes the keyboard at once.
        if (onControl() && m_control)
            SetFocus(m_control);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        SetFocus(m_window);
        return 0;
    case WM_CONTEXTMENU:
        contextMenu({static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
        return 0;
    case WM_SETFONT:
        if (m_notice)
            SendMessageW(m_notice->Handle(), WM_SETFONT, wParam, lParam);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(m_window, message, wParam, lParam);
}

LRESULT CALLBACK PictureView::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ownedWindowProc<PictureView, &PictureView::m_window, &PictureView::handleMessage>(window, message, wParam, lParam);
}

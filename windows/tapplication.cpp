#include "windows/tapplication.h"

#include "core/caughterror.h"
#include "core/errortext.h"
#include "core/exception.h"
#include "core/title.h"
#include "windows/korinplot.h"

#include <commctrl.h>
#include <objbase.h>
#include <ole2.h>

TApplication *Application = nullptr;

namespace {

constexpr wchar_t kApplicationClass[] = L"TApplication";

const wchar_t *wide(const std::u16string &text)
{
    return reinterpret_cast<const wchar_t *>(text.c_str());
}

std::u16string modulePath(HMODULE module)
{
    // The title is derived from at most 256 code units of the path.
    wchar_t path[257] = {};
    const DWORD length = GetModuleFileNameW(module, path, 256);
    return {reinterpret_cast<const char16_t *>(path), length};
}

std::u16string lowerCase(std::u16string_view text)
{
    std::u16string lower(text);
    if (!lower.empty())
        CharLowerBuffW(reinterpret_cast<wchar_t *>(lower.data()), static_cast<DWORD>(lower.size()));
    return lower;
}

std::u16string fileName(const std::u16string &path)
{
    const auto slash = path.rfind(u'\\');
    return slash == std::u16string::npos ? path : path.substr(slash + 1);
}

// The module holding a code address and the offset into it; an address
// outside every module is shown less 4096 against the program.
FatalReport locateAddress(const void *address)
{
    FatalReport report;
    HMODULE module = nullptr;
    if (address && GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                                      static_cast<LPCWSTR>(address), &module)) {
        report.moduleName = fileName(modulePath(module));
        report.offset = reinterpret_cast<std::uintptr_t>(address) - reinterpret_cast<std::uintptr_t>(module);
    } else {
        report.moduleName = fileName(modulePath(nullptr));
        report.offset = reinterpret_cast<std::uintptr_t>(address) - 4096;
    }
    return report;
}

LRESULT CALLBACK applicationProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_ENDSESSION:
        // A log-off or shut-down ends the program, whether it goes ahead or not.
        if (Application)
            Application->Terminate();
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace

TApplication::TApplication(HINSTANCE instance) : m_instance(instance)
{
    Application = this;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    if (startup.dwFlags & STARTF_USESHOWWINDOW)
        m_showCommand = startup.wShowWindow;
    // Read once: a later change of density or monitor changes nothing.
    if (const HDC screen = GetDC(nullptr)) {
        m_pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
    }
    m_oleInitialized = SUCCEEDED(OleInitialize(nullptr));
    m_title = titleFromExecutablePath(modulePath(nullptr), u'\\', lowerCase);
    m_icon = LoadIconW(instance, L"MAINICON");
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = applicationProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = m_icon;
    windowClass.lpszClassName = kApplicationClass;
    RegisterClassExW(&windowClass);
    const int x = GetSystemMetrics(SM_CXSCREEN) / 2;
    const int y = GetSystemMetrics(SM_CYSCREEN) / 2;
    m_window = CreateWindowExW(0, kApplicationClass, wide(m_title),
                               WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, x, y, 0, 0,
                               nullptr, nullptr, instance, nullptr);
}

TApplication::~TApplication()
{
    delete m_mainForm;
    if (m_window)
        DestroyWindow(m_window);
    if (m_comInitialized)
        CoUninitialize();
    if (m_oleInitialized)
        OleUninitialize();
    Application = nullptr;
}

void TApplication::Initialize()
{
    m_comInitialized = SUCCEEDED(CoInitialize(nullptr));
}

void TApplication::setMainFormOnTaskBar(bool onTaskBar)
{
    // The main window takes the taskbar entry: the hidden window becomes a
    // captionless tool window.
    if (!onTaskBar || !m_window)
        return;
    SetWindowLongPtrW(m_window, GWL_EXSTYLE, GetWindowLongPtrW(m_window, GWL_EXSTYLE) | WS_EX_TOOLWINDOW);
    SetWindowTextW(m_window, L"");
}

void TApplication::setMainForm(TKorinplot *form)
{
    m_mainForm = form;
    if (m_window)
        SetWindowLongPtrW(m_window, GWL_EXSTYLE, GetWindowLongPtrW(m_window, GWL_EXSTYLE) | WS_EX_NOACTIVATE);
}

int TApplication::Run()
{
    if (m_mainForm) {
        try {
            m_mainForm->ShowFirst(m_showCommand);
        } catch (...) {
            // The window was drawn before its browser controls were made:
            // a start that fails there leaves no window behind its report.
            closeMainForm();
            throw;
        }
    }
    MSG msg;
    while (!m_terminated) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1)
            break;
        try {
            if (m_mainForm && m_mainForm->PreTranslate(msg))
                continue;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        } catch (...) {
            HandleException();
        }
    }
    closeMainForm();
    return 0;
}

// The exit step: the window goes with its controls and web views.
void TApplication::closeMainForm()
{
    delete m_mainForm;
    m_mainForm = nullptr;
    Korinplot = nullptr;
}

void TApplication::Terminate()
{
    m_terminated = true;
    PostQuitMessage(0);
}

void TApplication::HandleException()
{
    if (const HWND capture = GetCapture())
        SendMessageW(capture, WM_CANCELMODE, 0, 0);
    const GuardReport report = guardReport(std::current_exception(), locateAddress, __builtin_return_address(0));
    if (report.kind != GuardReport::Kind::Silent)
        MessageBox(report.text, m_title);
}

void TApplication::ShowException(const Exception &error)
{
    MessageBox(errorBoxText(error), m_title);
}

int TApplication::MessageBox(const std::u16string &text, const std::u16string &caption)
{
    HWND owner = GetActiveWindow();
    if (!owner && m_window)
        owner = GetLastActivePopup(m_window);
    const HWND focus = GetFocus();
    const int answer = ::MessageBoxW(owner, wide(text), wide(caption), MB_OK | MB_ICONSTOP);
    if (focus && IsWindow(focus))
        SetFocus(focus);
    return answer;
}

int TApplication::ShowFatalException(std::exception_ptr error)
{
    const std::u16string text = caughtFatalText(error, locateAddress, __builtin_return_address(0));
    const std::u16string caption = std::u16string(kFatalCaption).substr(0, kFatalCaptionLimit);
    ::MessageBoxW(nullptr, wide(text), wide(caption), MB_OK | MB_ICONSTOP | MB_TASKMODAL);
    return 1;
}

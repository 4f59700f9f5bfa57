// Reads and drives the launcher's windows from inside Wine, for
// tests/program/test_windows.sh. Run in the launcher's prefix, it prints
// plain lines (UTF-8, one window a line, text last) for bash to grep:
//
//   winprobe windows          the top-level windows captioned "Korinview"
//   winprobe tree [HWND]      every child of one of them, depth first
//   winprobe click TARGET     BM_CLICK to a child given as 0xHWND or by its text
//   winprobe close [HWND]     WM_CLOSE to the top-level window
//   winprobe boxes            every visible top-level window with its texts
//   winprobe focus [HWND]     the window that holds the keyboard focus in its thread
//   winprobe names [HWND]     every child's accessible name, role and description,
//                             and the elements without a window inside each
//   winprobe clipboard        the clipboard's text and its bitmap's size
//
// Messages are posted, not sent, so a handler that opens a modal box never
// holds this program up.
#include <windows.h>
#include <oleacc.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

const wchar_t launcherCaption[] = L"Korinview";

void writeLine(DWORD stream, const std::string &line)
{
    // Bytes straight to the handle: the C runtime's text mode would turn
    // each line feed into CR LF.
    std::string out = line + "\n";
    DWORD written = 0;
    WriteFile(GetStdHandle(stream), out.data(), static_cast<DWORD>(out.size()), &written, nullptr);
}

void print(const std::string &line)
{
    writeLine(STD_OUTPUT_HANDLE, line);
}

// Why the probe fails, to standard error: the test shows it with the
// status, where the standard output goes to a pipe that drops it.
void complain(const char *why)
{
    writeLine(STD_ERROR_HANDLE, std::string("winprobe: ") + why);
}

std::string utf8(const std::wstring &text)
{
    if (text.empty())
        return {};
    int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
    return out;
}

// One line whatever the text holds: control characters and the backslash
// as C escapes, everything else as UTF-8.
std::string escaped(const std::wstring &text)
{
    std::wstring plain;
    std::string out;
    auto flush = [&] {
        out += utf8(plain);
        plain.clear();
    };
    for (wchar_t c : text) {
        if (c >= 0x20 && c != L'\\' && c != 0x7f) {
            plain += c;
            continue;
        }
        flush();
        switch (c) {
        case L'\r': out += "\\r"; break;
        case L'\n': out += "\\n"; break;
        case L'\t': out += "\\t"; break;
        case L'\\': out += "\\\\"; break;
        default: {
            char code[8];
            std::snprintf(code, sizeof code, "\\x%02x", static_cast<unsigned>(c));
            out += code;
        }
        }
    }
    flush();
    return out;
}

std::string hex(HWND window)
{
    char text[24];
    // In full on 64 bits too, where long holds only 32.
    std::snprintf(text, sizeof text, "0x%llx", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window)));
    return text;
}

std::wstring windowText(HWND window)
{
    // WM_GETTEXT rather than GetWindowText: the latter does not ask a
    // control of another process for its text.
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length))
        return {};
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                        5000, &copied);
    text.resize(copied);
    return text;
}

std::string className(HWND window)
{
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return utf8(name);
}

BOOL CALLBACK collect(HWND window, LPARAM list)
{
    reinterpret_cast<std::vector<HWND> *>(list)->push_back(window);
    return TRUE;
}

std::vector<HWND> topLevelWindows()
{
    std::vector<HWND> windows;
    EnumWindows(collect, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::vector<HWND> launcherWindows()
{
    std::vector<HWND> found;
    for (HWND window : topLevelWindows())
        if (windowText(window) == launcherCaption)
            found.push_back(window);
    return found;
}

HWND parseWindow(const wchar_t *text)
{
    wchar_t *end = nullptr;
    const unsigned long long value = std::wcstoull(text, &end, 16);
    // No IsWindow here: under the 64-bit Wine a fresh process's IsWindow now
    // and then refuses a live window of another; a gone one fails later.
    if (std::wcsncmp(text, L"0x", 2) != 0 || !end || *end)
        return nullptr;
    return reinterpret_cast<HWND>(static_cast<UINT_PTR>(value));
}

// The window named on the command line, else the first visible launcher window.
HWND chosenWindow(int argc, wchar_t **argv, int index)
{
    if (argc > index)
        return parseWindow(argv[index]);
    for (HWND window : launcherWindows())
        if (IsWindowVisible(window))
            return window;
    return nullptr;
}

DWORD processOf(HWND window)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    return process;
}

int listWindows()
{
    for (HWND window : launcherWindows()) {
        RECT client{}, frame{};
        GetClientRect(window, &client);
        GetWindowRect(window, &frame);
        POINT origin{0, 0};
        ClientToScreen(window, &origin);
        char line[256];
        std::snprintf(line, sizeof line, " pid %lu visible %d client %ld %ld rect %ld %ld %ld %ld origin %ld %ld",
                      processOf(window), IsWindowVisible(window) ? 1 : 0, client.right, client.bottom, frame.left,
                      frame.top, frame.right - frame.left, frame.bottom - frame.top, origin.x, origin.y);
        print("window " + hex(window) + line);
    }
    return 0;
}

void listChildren(HWND top, HWND parent, int depth)
{
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT bounds{};
        GetWindowRect(child, &bounds);
        MapWindowPoints(HWND_DESKTOP, top, reinterpret_cast<POINT *>(&bounds), 2);
        char line[256];
        std::snprintf(line, sizeof line, " depth %d id %ld visible %d rect %ld %ld %ld %ld", depth,
                      static_cast<long>(GetDlgCtrlID(child)), IsWindowVisible(child) ? 1 : 0, bounds.left,
                      bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
        print("child " + hex(child) + " parent " + hex(parent) + " class " + className(child) + line + " text " +
              escaped(windowText(child)));
        listChildren(top, child, depth + 1);
    }
}

// The first child, depth first, whose text is exactly the one given;
// visible children before hidden ones.
struct TextSearch
{
    const std::wstring *text;
    bool visibleOnly;
    HWND found;
};

BOOL CALLBACK matchText(HWND child, LPARAM parameter)
{
    auto &search = *reinterpret_cast<TextSearch *>(parameter);
    if ((search.visibleOnly && !IsWindowVisible(child)) || windowText(child) != *search.text)
        return TRUE;
    search.found = child;
    return FALSE;
}

// EnumChildWindows takes the list of descendants at once; a walk with
// GetWindow stops short where a window it stands on goes away meanwhile.
HWND childByText(HWND top, const std::wstring &text, bool visibleOnly)
{
    TextSearch search{&text, visibleOnly, nullptr};
    EnumChildWindows(top, matchText, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int click(int argc, wchar_t **argv)
{
    if (argc < 3)
        return 2;
    HWND target = parseWindow(argv[2]);
    if (!target) {
        HWND top = chosenWindow(argc, argv, 3);
        if (top)
            target = childByText(top, argv[2], true);
        if (top && !target)
            target = childByText(top, argv[2], false);
    }
    if (!target) {
        complain("no such window");
        return 1;
    }
    PostMessageW(target, BM_CLICK, 0, 0);
    print("clicked " + hex(target));
    return 0;
}

int close(int argc, wchar_t **argv)
{
    HWND top = chosenWindow(argc, argv, 2);
    if (!top) {
        complain("no such window");
        return 1;
    }
    PostMessageW(top, WM_CLOSE, 0, 0);
    print("closed " + hex(top));
    return 0;
}

void listTexts(HWND box, HWND parent)
{
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        std::wstring text = windowText(child);
        if (!text.empty())
            print("boxtext " + hex(box) + " class " + className(child) + " text " + escaped(text));
        listTexts(box, child);
    }
}

int listBoxes()
{
    for (HWND window : topLevelWindows()) {
        if (!IsWindowVisible(window))
            continue;
        print("box " + hex(window) + " pid " + std::to_string(processOf(window)) + " class " + className(window) +
              " caption " + escaped(windowText(window)));
        listTexts(window, window);
    }
    return 0;
}

int focus(int argc, wchar_t **argv)
{
    HWND top = chosenWindow(argc, argv, 2);
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!top || !GetGUIThreadInfo(GetWindowThreadProcessId(top, nullptr), &info) || !info.hwndFocus) {
        complain("no focus");
        return 1;
    }
    print("focus " + hex(info.hwndFocus) + " class " + className(info.hwndFocus) + " text " +
          escaped(windowText(info.hwndFocus)));
    return 0;
}

std::wstring taken(BSTR text)
{
    std::wstring out = text ? std::wstring(text, SysStringLen(text)) : std::wstring();
    SysFreeString(text);
    return out;
}

// The window's object for its client area as a screen reader gets it. The
// interface's identifier comes from the header: the 64-bit import library's
// IID_IAccessible is a stub's code, not the identifier, and the system then
// answers E_NOINTERFACE.
IAccessible *accessibleOf(HWND window)
{
    IAccessible *object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible),
                                          reinterpret_cast<void **>(&object))))
        return nullptr;
    return object;
}

void listNames(HWND parent)
{
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (IAccessible *object = accessibleOf(child)) {
            VARIANT self;
            VariantInit(&self);
            self.vt = VT_I4;
            self.lVal = CHILDID_SELF;
            VARIANT role;
            VariantInit(&role);
            object->get_accRole(self, &role);
            BSTR name = nullptr, description = nullptr;
            object->get_accName(self, &name);
            object->get_accDescription(self, &description);
            print("name " + hex(child) + " class " + className(child) + " role " +
                  std::to_string(role.vt == VT_I4 ? role.lVal : -1) + " text " + escaped(taken(name)));
            print("description " + hex(child) + " text " + escaped(taken(description)));
            LONG count = 0;
            object->get_accChildCount(&count);
            std::vector<VARIANT> children(static_cast<size_t>(count > 0 ? count : 0));
            LONG obtained = 0;
            if (count > 0 && FAILED(AccessibleChildren(object, 0, count, children.data(), &obtained)))
                obtained = 0;
            for (LONG i = 0; i < obtained; ++i) {
                VARIANT &item = children[static_cast<size_t>(i)];
                if (item.vt == VT_I4 && item.lVal != CHILDID_SELF) {
                    VariantClear(&role);
                    object->get_accRole(item, &role);
                    LONG x = 0, y = 0, w = 0, h = 0;
                    object->accLocation(&x, &y, &w, &h, item);
                    object->get_accName(item, &name);
                    object->get_accDescription(item, &description);
                    char line[160];
                    std::snprintf(line, sizeof line, " id %ld role %ld rect %ld %ld %ld %ld", item.lVal,
                                  role.vt == VT_I4 ? role.lVal : -1L, x, y, w, h);
                    print("item " + hex(child) + line + " text " + escaped(taken(name)));
                    print("itemdescription " + hex(child) + " id " + std::to_string(item.lVal) + " text " +
                          escaped(taken(description)));
                }
                VariantClear(&item);
            }
            object->Release();
        } else {
            print("name " + hex(child) + " class " + className(child) + " none");
        }
        listNames(child);
    }
}

int names(int argc, wchar_t **argv)
{
    HWND top = chosenWindow(argc, argv, 2);
    if (!top) {
        complain("no such window");
        return 1;
    }
    CoInitialize(nullptr);
    listNames(top);
    CoUninitialize();
    return 0;
}

int clipboard()
{
    if (!OpenClipboard(nullptr)) {
        complain("no clipboard");
        return 1;
    }
    if (HANDLE text = GetClipboardData(CF_UNICODETEXT)) {
        print("text " + escaped(static_cast<const wchar_t *>(GlobalLock(text))));
        GlobalUnlock(text);
    }
    if (HANDLE bitmap = GetClipboardData(CF_DIB)) {
        const auto *header = static_cast<const BITMAPINFOHEADER *>(GlobalLock(bitmap));
        print("bitmap " + std::to_string(header->biWidth) + " " + std::to_string(header->biHeight));
        GlobalUnlock(bitmap);
    }
    CloseClipboard();
    return 0;
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    std::wstring command = argc > 1 ? argv[1] : L"";
    if (command == L"windows")
        return listWindows();
    if (command == L"tree") {
        HWND top = chosenWindow(argc, argv, 2);
        if (!top) {
            complain("no such window");
            return 1;
        }
        listChildren(top, top, 0);
        return 0;
    }
    if (command == L"click")
        return click(argc, argv);
    if (command == L"close")
        return close(argc, argv);
    if (command == L"boxes")
        return listBoxes();
    if (command == L"focus")
        return focus(argc, argv);
    if (command == L"names")
        return names(argc, argv);
    if (command == L"clipboard")
        return clipboard();
    print("usage: winprobe windows | tree [HWND] | click 0xHWND|TEXT [HWND] | close [HWND] | boxes | focus [HWND] | "
          "names [HWND] | clipboard");
    return 2;
}

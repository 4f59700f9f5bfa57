#include "windows/tmemo.h"

#include "core/memolines.h"
#include "windows/systemmessage.h"
#include "windows/tapplication.h"
#include "windows/textfile.h"

namespace {

// Redrawing stays off while the text is replaced, and comes back on however
// the replacement ends.
class RedrawOff
{
public:
    explicit RedrawOff(HWND window) : m_window(window) { SendMessageW(m_window, WM_SETREDRAW, FALSE, 0); }
    ~RedrawOff()
    {
        SendMessageW(m_window, WM_SETREDRAW, TRUE, 0);
        RedrawWindow(m_window, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
    }
    RedrawOff(const RedrawOff &) = delete;
    RedrawOff &operator=(const RedrawOff &) = delete;

private:
    HWND m_window;
};

} // namespace

TMemo::TMemo(HWND parent, int id, const DockRect &bounds)
{
    m_window = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                               WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_VSCROLL | ES_MULTILINE | ES_WANTRETURN
                                   | ES_AUTOVSCROLL | ES_LEFT,
                               bounds.left, bounds.top, bounds.width, bounds.height, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    if (!m_window)
        raiseLastError();
    // No limit of the box's own below the system's largest.
    SendMessageW(m_window, EM_SETLIMITTEXT, 0, 0);
}

std::u16string TMemo::Text() const
{
    std::u16string text(static_cast<std::size_t>(GetWindowTextLengthW(m_window)) + 1, u'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(m_window, reinterpret_cast<wchar_t *>(text.data()), static_cast<int>(text.size()))));
    return text;
}

void TMemo::SetText(const std::u16string &text)
{
    checkMemoCapacity(text.size());
    if (!SetWindowTextW(m_window, reinterpret_cast<const wchar_t *>(text.c_str())))
        raiseMemoCapacity();
}

void TMemo::Clear()
{
    SetText({});
}

void TMemo::Add(const std::u16string &line)
{
    SetText(appendLine(Text(), line));
}

void TMemo::LoadFromFile(const std::u16string &name)
{
    const std::u16string text = readTextFile(name, kMemoFileLimit);
    if (text == Text())
        return;
    const RedrawOff redrawOff(m_window);
    SetText(text);
}

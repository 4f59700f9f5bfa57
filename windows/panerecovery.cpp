#include "windows/panerecovery.h"

#include "core/exception.h"
#include "windows/tapplication.h"

#include <winerror.h>

namespace {

// The timers live on the notice's window, which also carries the way back.
constexpr UINT_PTR kAnswerTimer = 1;
constexpr UINT_PTR kRetryTimer = 2;
constexpr wchar_t kOwnerProperty[] = L"KorinviewRecovery";

// The control's status is an HTTP status or a failure code.
bool isHttpStatus(long status)
{
    return status >= 100 && status <= 999;
}

} // namespace

PaneRecovery::PaneRecovery(TWebBrowser &browser, HWND parent, const RECT &bounds)
    : m_browser(browser), m_notice(parent, true), m_bounds(bounds)
{
    SetPropW(m_notice.Handle(), kOwnerProperty, this);
    m_browser.SetListener(this);
}

PaneRecovery::~PaneRecovery()
{
    m_browser.SetListener(nullptr);
    KillTimer(m_notice.Handle(), kAnswerTimer);
    KillTimer(m_notice.Handle(), kRetryTimer);
    RemovePropW(m_notice.Handle(), kOwnerProperty);
}

void PaneRecovery::navigate(const std::u16string &url)
{
    m_address = url;
    m_state.restart();
    KillTimer(m_notice.Handle(), kRetryTimer);
    ask();
    try {
        m_browser.Navigate(url);
    } catch (...) {
        // Refused at once: the error box says so, and nothing is under way.
        KillTimer(m_notice.Handle(), kAnswerTimer);
        m_state.stopped();
        m_notice.hide();
        throw;
    }
}

void PaneRecovery::refresh()
{
    m_state.restart();
    KillTimer(m_notice.Handle(), kRetryTimer);
    // A page given up on left the one before it in the control, so R asks
    // for the address that failed, not for that page.
    if (m_state.failing() && !m_address.empty()) {
        ask();
        m_browser.Navigate(m_address);
    } else {
        m_browser.Refresh();
    }
}

void PaneRecovery::setBounds(const RECT &bounds)
{
    m_bounds = bounds;
    m_notice.setBounds(bounds);
}

void PaneRecovery::raise()
{
    if (m_notice.visible())
        placeNotice();
}

void PaneRecovery::languageChanged()
{
    m_notice.languageChanged();
}

void PaneRecovery::navigationStarted(const std::u16string &url)
{
    // A link followed in the page is what the view shows now.
    m_address = url;
    ask();
}

void PaneRecovery::navigationAnswered()
{
    // After a failure the control may still report its own error page.
    if (m_state.asking())
        shown();
}

void PaneRecovery::shown()
{
    KillTimer(m_notice.Handle(), kAnswerTimer);
    m_state.answered();
    m_notice.hide();
}

bool PaneRecovery::navigationFailed(long status)
{
    // Given up on already (a late report of the request stopped at 20 s):
    // the notice stays.
    if (m_state.failing())
        return true;
    if (isHttpStatus(status)) {
        // A server's own error page is a page like any other in a browser.
        shown();
        return false;
    }
    // The control fetched the answer but has no engine registered to draw
    // it (Wine without its HTML engine, a damaged system): the server is
    // there, so asking again by itself would only ask it again and again.
    if (static_cast<HRESULT>(status) == REGDB_E_CLASSNOTREG) {
        fail(LoadNotice::Cause::CannotShow, false);
        return true;
    }
    fail(LoadNotice::Cause::Unreachable, true);
    return true;
}

void PaneRecovery::ask()
{
    m_state.asked();
    SetTimer(m_notice.Handle(), kAnswerTimer, static_cast<UINT>(kAnswerDeadline.count()), &PaneRecovery::timerProc);
}

void PaneRecovery::answerOverdue()
{
    KillTimer(m_notice.Handle(), kAnswerTimer);
    if (!m_state.asking())
        return;
    fail(LoadNotice::Cause::NoAnswer, true);
    try {
        m_browser.Stop();
    } catch (const Exception &) {
        // A control that cannot stop answers late, and is not listened to.
    }
}

void PaneRecovery::retry()
{
    KillTimer(m_notice.Handle(), kRetryTimer);
    // A covered pane waits to be brought forward, which asks it anyway.
    if (!m_state.mayRetry(inFront()) || m_address.empty())
        return;
    ask();
    try {
        m_browser.Navigate(m_address);
    } catch (const Exception &) {
        fail(LoadNotice::Cause::Unreachable, true);
    }
}

void PaneRecovery::fail(LoadNotice::Cause cause, bool retryLater)
{
    KillTimer(m_notice.Handle(), kAnswerTimer);
    const auto delay = m_state.failed();
    m_notice.report(cause, m_bounds);
    placeNotice();
    if (retryLater)
        SetTimer(m_notice.Handle(), kRetryTimer, static_cast<UINT>(delay.count()), &PaneRecovery::timerProc);
}

// Just above the view, so that what covers the view covers the notice too.
void PaneRecovery::placeNotice()
{
    const HWND view = m_browser.Handle();
    const HWND above = view ? GetWindow(view, GW_HWNDPREV) : nullptr;
    if (above == m_notice.Handle())
        return;
    SetWindowPos(m_notice.Handle(), above ? above : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool PaneRecovery::inFront() const
{
    const HWND view = m_browser.Handle();
    RECT own{};
    if (!view || !GetWindowRect(view, &own))
        return true;
    for (HWND above = GetWindow(view, GW_HWNDPREV); above; above = GetWindow(above, GW_HWNDPREV)) {
        RECT other{};
        if (above != m_notice.Handle() && IsWindowVisible(above) && GetWindowRect(above, &other) &&
            IntersectRect(&other, &other, &own))
            return false;
    }
    return true;
}

void CALLBACK PaneRecovery::timerProc(HWND window, UINT, UINT_PTR timer, DWORD)
{
    auto *recovery = static_cast<PaneRecovery *>(GetPropW(window, kOwnerProperty));
    if (!recovery)
        return;
    try {
        if (timer == kAnswerTimer)
            recovery->answerOverdue();
        else
            recovery->retry();
    } catch (...) {
        Application->HandleException();
    }
}

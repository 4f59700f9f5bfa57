#pragma once

#include "core/recoverypolicy.h"
#include "windows/loadnotice.h"
#include "windows/twebbrowser.h"

#include <windows.h>

#include <string>

// Keeps the main view's page coming back by itself, by the shared recovery
// rules. A navigation that fails for want of a network, or brings no answer
// within 20 s, shows the browser pane's notice in place of the control's own
// error page and is asked again after 2 s, doubling to a minute, one request
// at a time and only while nothing covers the view. A server's error page is
// shown as a browser shows it. A page the system has nothing to draw with
// says so and is not asked again by itself: asking again cannot mend that.
class PaneRecovery final : public TWebBrowser::Listener
{
public:
    // `browser`'s window lies in `parent`, over `bounds`.
    PaneRecovery(TWebBrowser &browser, HWND parent, const RECT &bounds);
    ~PaneRecovery();
    PaneRecovery(const PaneRecovery &) = delete;
    PaneRecovery &operator=(const PaneRecovery &) = delete;

    // A new address: the count of failures starts again.
    void navigate(const std::u16string &url);
    // R: the address that failed, at once, or the page shown reloaded.
    void refresh();
    void setBounds(const RECT &bounds);
    // The view was brought to the front: its notice stays over it.
    void raise();
    void languageChanged();

private:
    void navigationStarted(const std::u16string &url) override;
    void navigationAnswered() override;
    bool navigationFailed(long status) override;

    static void CALLBACK timerProc(HWND window, UINT message, UINT_PTR timer, DWORD time);
    void ask();
    void shown();
    void answerOverdue();
    void retry();
    void fail(LoadNotice::Cause cause, bool retryLater);
    void placeNotice();
    bool inFront() const;

    TWebBrowser &m_browser;
    LoadNotice m_notice;
    RecoveryState m_state;
    RECT m_bounds;
    std::u16string m_address; // what the view was last asked to show: asked again on failure
};

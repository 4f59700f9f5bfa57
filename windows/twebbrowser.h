#pragma once

#include "windows/comptr.h"

#include <windows.h>
#include <exdisp.h>
#include <ocidl.h>
#include <oleidl.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class PictureView;

// One instance of the system's web-browser control, hosted in a container of
// our own and shown as a child window. The control is made by CreateControl,
// which the window calls once it is first drawn, so a system without it
// fails at start without the window's first appearance waiting on it; the
// browser pane is put in place then, a side view only once an answer needs
// it (a page). A use before that makes the control at once. A refused
// operation raises EOleException; a failed creation or activation step
// raises EOleSysError. As a browser pane it hands new
// windows and downloads of web addresses to the desktop's browser, shows no
// script-error dialog, and draws pages in the newest mode it has.
//
// A view inside a panel shows pictures itself: its address is asked for by
// its PictureView, in whose window the control lives, shown only for a page.
class TWebBrowser
{
public:
    // What a view that mends itself hears of its own page's navigations
    // (not of a frame's), on the window's thread.
    class Listener
    {
    public:
        virtual void navigationStarted(const std::u16string &url) = 0;
        // The answer came and is being shown, or went to the desktop's
        // browser as a download.
        virtual void navigationAnswered() = 0;
        // The control's status: an HTTP status of 400 or more, or a failure
        // code. True keeps the control's own error page away.
        virtual bool navigationFailed(long status) = 0;

    protected:
        ~Listener() = default;
    };

    // The view's size in 120-dpi design pixels, which the control's persisted
    // state records as its extent.
    TWebBrowser(int designWidth, int designHeight);
    ~TWebBrowser();
    TWebBrowser(const TWebBrowser &) = delete;
    TWebBrowser &operator=(const TWebBrowser &) = delete;

    // Makes the view in `parent` over `bounds` (parent client coordinates);
    // its window becomes Handle(): a side view's at once, the browser pane's
    // with its control. Called once.
    void CreateWnd(HWND parent, const RECT &bounds);
    // Makes the system's control, and puts the browser pane's in place.
    void CreateControl();
    HWND Handle() const;

    // Offers the new size to the control; false, and the view keeps its old
    // rectangle, if the control refuses it or the window does not exist yet.
    bool SetBounds(const RECT &bounds, int pixelsPerInch);
    bool TabStop() const { return m_tabStop; }

    // Hands a keystroke meant for the view's windows to the control's active
    // object, so that Tab and the arrow keys work inside the page. True when
    // the control consumed it: the message loop must then neither translate
    // nor dispatch it.
    bool TranslateAccelerator(MSG &msg);

    void Navigate(const std::u16string &url);
    void GoBack();
    void Refresh();
    void Stop();
    void SetListener(Listener *listener) { m_listener = listener; }

private:
    class Site;
    class EventSink;

    struct Connection
    {
        ComPtr<IConnectionPoint> point;
        DWORD cookie = 0;
    };

    void createObject();
    void activate();
    // In-place activation in m_parent over m_controlBounds: the control's
    // window becomes m_window.
    void placeControl();
    void loadState();
    void connect(Connection &connection, REFIID iid, IUnknown *sink);
    static void disconnect(Connection &connection);
    IWebBrowser2 &browser();
    static void check(HRESULT result);
    bool isOwnPage(const VARIANT &frame) const;
    void handOver(const std::u16string &url) const;

    void navigateControl(const std::u16string &url);

    std::unique_ptr<PictureView> m_picture;
    ComPtr<IOleObject> m_object;
    ComPtr<Site> m_site;
    ComPtr<EventSink> m_events;
    ComPtr<IOleInPlaceObject> m_inPlace;
    ComPtr<IOleInPlaceActiveObject> m_ownActiveObject;
    ComPtr<IWebBrowser2> m_browser;
    Connection m_propertySink;
    Connection m_eventSink;
    std::vector<std::uint8_t> m_controlData;
    HWND m_window = nullptr;
    HWND m_parent = nullptr; // the control's: the view's picture window, or the browser pane's parent
    RECT m_controlBounds{}; // in the control's parent window
    Listener *m_listener = nullptr;
    std::u16string m_lastAddress; // of the last navigation of any frame: what a download fetches
    bool m_tabStop = true;
    bool m_active = false;
};

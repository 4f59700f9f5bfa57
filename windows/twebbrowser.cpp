#include "windows/twebbrowser.h"

#include "core/browserpane.h"
#include "core/controldata.h"
#include "core/exception.h"
#include "windows/browseremulation.h"
#include "windows/comobject.h"
#include "windows/pictureview.h"
#include "windows/systemmessage.h"

#include <exdispid.h>
#include <olectl.h>
#include <shellapi.h>
#include <shobjidl.h>

namespace {

// Defined here rather than taken from libuuid, which lacks some of them in
// older MinGW releases.
constexpr CLSID kBrowserClass = {0x8856F961, 0x340A, 0x11D0, {0xA9, 0x6B, 0x00, 0xC0, 0x4F, 0xD7, 0x05, 0xA2}};
constexpr IID kBrowserEvents = {0x34A715A0, 0x6587, 0x11D0, {0x92, 0x4A, 0x00, 0x20, 0xAF, 0xC7, 0xAC, 0x4D}};

constexpr int kHimetricPerInch = 2540;

std::u16string errorText(HRESULT code)
{
    return resultCodeText(code, systemMessage(static_cast<std::uint32_t>(code)));
}

[[noreturn]] void raiseSysError(HRESULT code)
{
    throw EOleSysError(errorText(code), code);
}

VARIANT boolVariant(bool value)
{
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_BOOL;
    v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    return v;
}

VARIANT longVariant(LONG value)
{
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = value;
    return v;
}

bool ambientProperty(DISPID id, VARIANT &value)
{
    switch (id) {
    case DISPID_AMBIENT_USERMODE:
    case DISPID_AMBIENT_AUTOCLIP:
    case DISPID_AMBIENT_SUPPORTSMNEMONICS:
        value = boolVariant(true);
        return true;
    case DISPID_AMBIENT_UIDEAD:
    case DISPID_AMBIENT_SHOWGRABHANDLES:
    case DISPID_AMBIENT_SHOWHATCHING:
    case DISPID_AMBIENT_DISPLAYASDEFAULT:
    case DISPID_AMBIENT_MESSAGEREFLECT:
        value = boolVariant(false);
        return true;
    case DISPID_AMBIENT_LOCALEID:
        value = longVariant(static_cast<LONG>(GetUserDefaultLCID()));
        return true;
    case DISPID_AMBIENT_BACKCOLOR:
        value = longVariant(static_cast<LONG>(0x80000000u | COLOR_WINDOW));
        return true;
    case DISPID_AMBIENT_FORECOLOR:
        value = longVariant(static_cast<LONG>(0x80000000u | COLOR_WINDOWTEXT));
        return true;
    default:
        return false;
    }
}

// Dispatch by number only: the control asks for no type information.
class UntypedDispatch : public IDispatch
{
public:
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT *count) override
    {
        if (!count)
            return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo **info) override
    {
        if (info)
            *info = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR *, UINT, LCID, DISPID *) override
    {
        return E_NOTIMPL;
    }
};

// An event's argument, whether passed by value or by reference.
const VARIANT &argument(const DISPPARAMS *parameters, UINT fromLast)
{
    static const VARIANT empty = {};
    if (!parameters || fromLast >= parameters->cArgs)
        return empty;
    const VARIANT &given = parameters->rgvarg[parameters->cArgs - 1 - fromLast];
    return given.vt == (VT_BYREF | VT_VARIANT) && given.pvarVal ? *given.pvarVal : given;
}

std::u16string stringArgument(const VARIANT &value)
{
    const BSTR text = value.vt == VT_BSTR ? value.bstrVal : value.vt == (VT_BYREF | VT_BSTR) ? *value.pbstrVal : nullptr;
    return text ? std::u16string(reinterpret_cast<const char16_t *>(text), SysStringLen(text)) : std::u16string();
}

long longArgument(const VARIANT &value)
{
    switch (value.vt) {
    case VT_I4:
    case VT_UI4:
    case VT_INT:
    case VT_UINT:
        return value.lVal;
    default:
        return 0;
    }
}

void cancel(const DISPPARAMS *parameters, UINT fromLast)
{
    if (!parameters || fromLast >= parameters->cArgs)
        return;
    const VARIANT &flag = parameters->rgvarg[parameters->cArgs - 1 - fromLast];
    if (flag.vt == (VT_BYREF | VT_BOOL) && flag.pboolVal)
        *flag.pboolVal = VARIANT_TRUE;
}

} // namespace

// The container side the control talks to: client site, in-place site and
// frame, ambient properties and property-change notifications. The frame has
// no menus, tool space or status bar to share.
class TWebBrowser::Site final : public ComObject<IOleClientSite, IOleInPlaceSite, IOleInPlaceFrame,
                                                 UntypedDispatch, IPropertyNotifySink>
{
public:
    void place(HWND parent, const RECT &bounds)
    {
        m_parent = parent;
        m_bounds = bounds;
    }
    void move(const RECT &bounds) { m_bounds = bounds; }
    IOleInPlaceActiveObject *activeObject() const { return m_activeObject.get(); }
    void dropActiveObject() { m_activeObject.reset(); }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void **object) override
    {
        if (!object)
            return E_POINTER;
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IOleClientSite))
            *object = static_cast<IOleClientSite *>(this);
        else if (iid == __uuidof(IOleWindow) || iid == __uuidof(IOleInPlaceSite))
            *object = static_cast<IOleInPlaceSite *>(this);
        else if (iid == __uuidof(IOleInPlaceUIWindow) || iid == __uuidof(IOleInPlaceFrame))
            *object = static_cast<IOleInPlaceFrame *>(this);
        else if (iid == __uuidof(IDispatch))
            *object = static_cast<IDispatch *>(this);
        else if (iid == __uuidof(IPropertyNotifySink))
            *object = static_cast<IPropertyNotifySink *>(this);
        else {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }

    // IOleClientSite
    HRESULT STDMETHODCALLTYPE SaveObject() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker **moniker) override
    {
        if (moniker)
            *moniker = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer **container) override
    {
        if (container)
            *container = nullptr;
        return E_NOINTERFACE;
    }
    HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }

    // IOleWindow, shared by the in-place site and the frame
    HRESULT STDMETHODCALLTYPE GetWindow(HWND *window) override
    {
        if (!window)
            return E_POINTER;
        *window = m_parent;
        return m_parent ? S_OK : E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IOleInPlaceSite
    HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnUIActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame **frame, IOleInPlaceUIWindow **document,
                                               RECT *position, RECT *clip,
                                               OLEINPLACEFRAMEINFO *frameInfo) override
    {
        if (!frame || !document || !position || !clip || !frameInfo)
            return E_POINTER;
        *frame = static_cast<IOleInPlaceFrame *>(this);
        AddRef();
        *document = nullptr;
        *position = m_bounds;
        *clip = m_bounds;
        frameInfo->fMDIApp = FALSE;
        frameInfo->hwndFrame = GetAncestor(m_parent, GA_ROOT);
        frameInfo->haccel = nullptr;
        frameInfo->cAccelEntries = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Scroll(SIZE) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override
    {
        m_activeObject.reset();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DiscardUndoState() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT) override { return S_OK; }

    // IOleInPlaceUIWindow
    HRESULT STDMETHODCALLTYPE GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
    HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
    HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS widths) override
    {
        return widths ? INPLACE_E_NOTOOLSPACE : S_OK;
    }
    HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject *object, LPCOLESTR) override
    {
        if (object)
            object->AddRef();
        m_activeObject = ComPtr<IOleInPlaceActiveObject>(object);
        return S_OK;
    }

    // IOleInPlaceFrame
    HRESULT STDMETHODCALLTYPE InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

    // IDispatch: the ambient properties
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS *, VARIANT *result,
                                     EXCEPINFO *, UINT *) override
    {
        if (!(flags & DISPATCH_PROPERTYGET) || !result)
            return DISP_E_MEMBERNOTFOUND;
        return ambientProperty(id, *result) ? S_OK : DISP_E_MEMBERNOTFOUND;
    }

    // IPropertyNotifySink
    HRESULT STDMETHODCALLTYPE OnChanged(DISPID) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnRequestEdit(DISPID) override { return S_OK; }

private:
    ~Site() override = default;

    HWND m_parent = nullptr;
    RECT m_bounds = {};
    ComPtr<IOleInPlaceActiveObject> m_activeObject;
};

// The browser pane's rules and a mending view's news, from the control's
// events; every other event takes the control's default.
class TWebBrowser::EventSink final : public ComObject<UntypedDispatch>
{
public:
    explicit EventSink(TWebBrowser &owner) : m_owner(owner) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void **object) override
    {
        if (!object)
            return E_POINTER;
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == kBrowserEvents) {
            *object = static_cast<IDispatch *>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }

    // The arguments come last first; `argument` counts them as declared.
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS *parameters, VARIANT *, EXCEPINFO *,
                                     UINT *) override
    {
        Listener *listener = m_owner.m_listener;
        switch (id) {
        case DISPID_BEFORENAVIGATE2: // frame, URL, flags, target, post data, headers, cancel
            m_owner.m_lastAddress = stringArgument(argument(parameters, 1));
            if (listener && m_owner.isOwnPage(argument(parameters, 0)))
                listener->navigationStarted(m_owner.m_lastAddress);
            break;
        case DISPID_NAVIGATECOMPLETE2: // frame, URL
        case DISPID_DOCUMENTCOMPLETE:
            if (listener && m_owner.isOwnPage(argument(parameters, 0)))
                listener->navigationAnswered();
            break;
        case DISPID_NAVIGATEERROR: // frame, URL, target frame name, status, cancel
            if (listener && m_owner.isOwnPage(argument(parameters, 0)) &&
                listener->navigationFailed(longArgument(argument(parameters, 3))))
                cancel(parameters, 4);
            break;
        case DISPID_NEWWINDOW3: // new window, cancel, flags, opener's URL, URL
            // The browser's own window would be the control's: the address goes
            // to the desktop's browser instead, and only after a click or the
            // menu's "Open in New Window", as a browser's pop-up blocker allows.
            cancel(parameters, 1);
            if (longArgument(argument(parameters, 2)) & (NWMF_USERINITED | NWMF_USERREQUESTED))
                m_owner.handOver(stringArgument(argument(parameters, 4)));
            break;
        case DISPID_FILEDOWNLOAD: // whether the answer is a document the control shows, cancel
            if (argument(parameters, 0).vt == VT_BOOL && argument(parameters, 0).boolVal == VARIANT_FALSE) {
                cancel(parameters, 1);
                m_owner.handOver(m_owner.m_lastAddress);
                if (listener)
                    listener->navigationAnswered();
            }
            break;
        default:
            break;
        }
        return S_OK;
    }

private:
    ~EventSink() override = default;

    TWebBrowser &m_owner;
};

TWebBrowser::TWebBrowser(int designWidth, int designHeight)
    : m_site(new Site), m_events(new EventSink(*this)), m_controlData(browserControlData(designWidth, designHeight))
{
}

void TWebBrowser::CreateControl()
{
    createObject();
    if (!m_picture && !m_window)
        placeControl();
}

void TWebBrowser::createObject()
{
    if (m_object)
        return;
    chooseBrowserEmulation();
    const HRESULT result = CoCreateInstance(kBrowserClass, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                            __uuidof(IOleObject), m_object.putVoid());
    if (FAILED(result))
        raiseSysError(result);
    DWORD status = 0;
    if (SUCCEEDED(m_object->GetMiscStatus(DVASPECT_CONTENT, &status)))
        m_tabStop = !(status & (OLEMISC_ACTSLIKELABEL | OLEMISC_NOUIACTIVATE));
}

TWebBrowser::~TWebBrowser()
{
    if (!m_object)
        return;
    m_object->Close(OLECLOSE_NOSAVE);
    disconnect(m_eventSink);
    disconnect(m_propertySink);
    m_object->SetClientSite(nullptr);
    // The control's active object refers back to the control; letting go of
    // it here breaks the cycle through the site.
    m_site->dropActiveObject();
}

void TWebBrowser::activate()
{
    if (m_active)
        return;
    ComPtr<IOleClientSite> current;
    m_object->GetClientSite(current.put());
    if (!current) {
        const HRESULT result = m_object->SetClientSite(static_cast<IOleClientSite *>(m_site.get()));
        if (FAILED(result))
            raiseSysError(result);
    }
    loadState();
    connect(m_propertySink, __uuidof(IPropertyNotifySink), static_cast<IPropertyNotifySink *>(m_site.get()));
    connect(m_eventSink, kBrowserEvents, m_events.get());
    if (const ComPtr<IOleControl> control = m_object.as<IOleControl>())
        control->OnAmbientPropertyChange(DISPID_UNKNOWN);
    m_active = true;
}

void TWebBrowser::loadState()
{
    if (m_controlData.empty())
        return;
    const ComPtr<IPersistStreamInit> persist = m_object.as<IPersistStreamInit>();
    if (!persist)
        raiseSysError(E_NOINTERFACE);
    ComPtr<IStream> stream;
    HRESULT result = CreateStreamOnHGlobal(nullptr, TRUE, stream.put());
    if (SUCCEEDED(result))
        result = stream->Write(m_controlData.data(), static_cast<ULONG>(m_controlData.size()), nullptr);
    if (SUCCEEDED(result))
        result = stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);
    if (SUCCEEDED(result))
        result = persist->Load(stream.get());
    if (FAILED(result))
        raiseSysError(result);
    std::vector<std::uint8_t>().swap(m_controlData);
}

// A control that offers no such connection point, or refuses the sink, keeps
// its own defaults.
void TWebBrowser::connect(Connection &connection, REFIID iid, IUnknown *sink)
{
    if (connection.point)
        return;
    const ComPtr<IConnectionPointContainer> container = m_object.as<IConnectionPointContainer>();
    ComPtr<IConnectionPoint> point;
    if (!container || FAILED(container->FindConnectionPoint(iid, point.put())))
        return;
    if (SUCCEEDED(point->Advise(sink, &connection.cookie)))
        connection.point = point;
}

void TWebBrowser::disconnect(Connection &connection)
{
    if (connection.point)
        connection.point->Unadvise(connection.cookie);
    connection.point.reset();
}

void TWebBrowser::CreateWnd(HWND parent, const RECT &givenBounds)
{
    // A view placed directly in its window is the browser pane. A side view
    // shows its pictures itself and puts the control in place, which costs
    // the window's start as much as the rest of it, only for a page.
    if (GetAncestor(parent, GA_ROOT) != parent) {
        m_picture = std::make_unique<PictureView>(parent, givenBounds,
                                                  [this](const std::u16string &url) { navigateControl(url); });
        m_parent = m_picture->Handle();
        m_controlBounds = {0, 0, givenBounds.right - givenBounds.left, givenBounds.bottom - givenBounds.top};
        return;
    }
    m_parent = parent;
    m_controlBounds = givenBounds;
}

void TWebBrowser::placeControl()
{
    createObject();
    activate();
    m_site->place(m_parent, m_controlBounds);
    RECT position = m_controlBounds;
    const HRESULT result = m_object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr,
                                            static_cast<IOleClientSite *>(m_site.get()), 0, m_parent, &position);
    if (FAILED(result))
        throw EOleSysError(kControlActivationText, result);
    m_inPlace = m_object.as<IOleInPlaceObject>();
    HWND window = nullptr;
    const HRESULT windowResult = m_inPlace ? m_inPlace->GetWindow(&window) : E_NOINTERFACE;
    if (FAILED(windowResult) || !window)
        throw EOleSysError(kControlWindowText, FAILED(windowResult) ? windowResult : E_FAIL);
    m_window = window;
    m_ownActiveObject = m_object.as<IOleInPlaceActiveObject>();
    // Lets the dialog keyboard handling of the parent reach the view with Tab.
    if (m_tabStop)
        SetWindowLongPtrW(m_window, GWL_STYLE, GetWindowLongPtrW(m_window, GWL_STYLE) | WS_TABSTOP);
    if (m_picture)
        m_picture->setControl(m_window);
}

HWND TWebBrowser::Handle() const
{
    return m_picture ? m_picture->Handle() : m_window;
}

bool TWebBrowser::SetBounds(const RECT &givenBounds, int pixelsPerInch)
{
    RECT bounds = givenBounds;
    if (m_picture) {
        m_picture->setBounds(bounds);
        bounds = {0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top};
    }
    if (!m_window) {
        // Not in place yet: it will be put there at this size.
        m_controlBounds = bounds;
        return m_picture != nullptr;
    }
    SIZEL extent = {MulDiv(bounds.right - bounds.left, kHimetricPerInch, pixelsPerInch),
                    MulDiv(bounds.bottom - bounds.top, kHimetricPerInch, pixelsPerInch)};
    if (FAILED(m_object->SetExtent(DVASPECT_CONTENT, &extent)))
        return false;
    if (FAILED(m_inPlace->SetObjectRects(&bounds, &bounds)))
        return false;
    m_site->move(bounds);
    m_controlBounds = bounds;
    return true;
}

bool TWebBrowser::TranslateAccelerator(MSG &msg)
{
    if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST || !m_window)
        return false;
    if (msg.hwnd != m_window && !IsChild(m_window, msg.hwnd))
        return false;
    // Before its user interface is first activated the control has named no
    // active object; it is then its own.
    IOleInPlaceActiveObject *active = m_site->activeObject();
    if (!active)
        active = m_ownActiveObject.get();
    return active && active->TranslateAccelerator(&msg) == S_OK;
}

IWebBrowser2 &TWebBrowser::browser()
{
    if (!m_window)
        placeControl();
    activate();
    if (!m_browser) {
        if (const ComPtr<IDispatch> dispatch = m_object.as<IDispatch>())
            m_browser = dispatch.as<IWebBrowser2>();
        if (!m_browser)
            throw EOleException(kNoInterfaceText, E_NOINTERFACE);
        // A page's script errors are the page's business, not a dialog's.
        m_browser->put_Silent(VARIANT_TRUE);
    }
    // Whatever error description the thread holds now is not this call's.
    SetErrorInfo(0, nullptr);
    return *m_browser.get();
}

void TWebBrowser::check(HRESULT result)
{
    if (SUCCEEDED(result))
        return;
    std::u16string message;
    ComPtr<IErrorInfo> info;
    if (GetErrorInfo(0, info.put()) == S_OK && info) {
        BSTR description = nullptr;
        if (SUCCEEDED(info->GetDescription(&description)) && description)
            message = trimMessage({reinterpret_cast<const char16_t *>(description), SysStringLen(description)});
        SysFreeString(description);
    }
    if (message.empty())
        message = errorText(result);
    throw EOleException(message, result);
}

void TWebBrowser::Navigate(const std::u16string &url)
{
    if (m_picture)
        m_picture->load(url);
    else
        navigateControl(url);
}

void TWebBrowser::navigateControl(const std::u16string &url)
{
    IWebBrowser2 &control = browser();
    BSTR address = SysAllocStringLen(reinterpret_cast<const wchar_t *>(url.c_str()), static_cast<UINT>(url.size()));
    if (!address)
        check(E_OUTOFMEMORY);
    VARIANT missing;
    VariantInit(&missing);
    missing.vt = VT_ERROR;
    missing.scode = DISP_E_PARAMNOTFOUND;
    const HRESULT result = control.Navigate(address, &missing, &missing, &missing, &missing);
    SysFreeString(address);
    check(result);
}

void TWebBrowser::GoBack()
{
    check(browser().GoBack());
}

void TWebBrowser::Refresh()
{
    if (m_picture && !m_picture->onControl())
        m_picture->refresh();
    else
        check(browser().Refresh());
}

void TWebBrowser::Stop()
{
    check(browser().Stop());
}

// A frame's events name the frame's own object; the page's name the control.
bool TWebBrowser::isOwnPage(const VARIANT &frame) const
{
    if (frame.vt != VT_DISPATCH || !frame.pdispVal)
        return true;
    ComPtr<IUnknown> given;
    ComPtr<IUnknown> own;
    frame.pdispVal->QueryInterface(__uuidof(IUnknown), given.putVoid());
    m_object->QueryInterface(__uuidof(IUnknown), own.putVoid());
    return given.get() == own.get();
}

void TWebBrowser::handOver(const std::u16string &url) const
{
    if (!handedToBrowser(url))
        return;
    ShellExecuteW(m_window ? GetAncestor(m_window, GA_ROOT) : nullptr, nullptr,
                  reinterpret_cast<const wchar_t *>(url.c_str()), nullptr, nullptr, SW_SHOWNORMAL);
}

#include "windows/accessiblecontrol.h"

#include "core/language.h"
#include "core/unicode.h"
#include "windows/comobject.h"
#include "windows/comptr.h"
#include "windows/tapplication.h"

#include <commctrl.h>
#include <oleacc.h>

#include <cstring>
#include <new>
#include <vector>

namespace {

constexpr UINT_PTR kSubclassId = 0x4b41; // one subclass of ours per window

const AccessibleText *tableRow(const char *control)
{
    if (!control)
        return nullptr;
    for (const AccessibleText &text : accessibleTexts()) {
        if (std::strcmp(text.control, control) == 0)
            return &text;
    }
    return nullptr;
}

// The row's name or description in the interface language; S_FALSE when it
// has none.
HRESULT tableText(const char *control, bool description, BSTR *text)
{
    if (!text)
        return E_POINTER;
    *text = nullptr;
    const AccessibleText *row = tableRow(control);
    if (!row)
        return S_FALSE;
    const bool chinese = Application && Application->InterfaceChinese();
    const char *utf8 = description ? (chinese ? row->chineseDescription : row->englishDescription)
                                   : (chinese ? row->chineseName : row->englishName);
    if (!utf8)
        return S_FALSE;
    try {
        const std::u16string wide = fromUtf8(utf8);
        *text = SysAllocStringLen(reinterpret_cast<const wchar_t *>(wide.data()), static_cast<UINT>(wide.size()));
    } catch (const std::bad_alloc &) {
    }
    return *text ? S_OK : E_OUTOFMEMORY;
}

// A child identifier as the caller gave it; -1 for one of another kind,
// which the standard object judges.
LONG childOf(const VARIANT &child)
{
    if (child.vt == VT_EMPTY)
        return CHILDID_SELF;
    return child.vt == VT_I4 ? child.lVal : -1;
}

// The standard object with our names, role and picture. It also enumerates
// the children, since the standard object does not answer for them one by
// one, and the picture is one of them.
class AccessibleObject final : public ComObject<IAccessible, IEnumVARIANT>
{
public:
    AccessibleObject(HWND window, const AccessibleNaming &naming, ComPtr<IAccessible> standard)
        : m_window(window), m_naming(naming), m_standard(std::move(standard))
    {
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void **object) override
    {
        if (!object)
            return E_POINTER;
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible))
            *object = static_cast<IAccessible *>(this);
        else if (iid == __uuidof(IEnumVARIANT))
            *object = static_cast<IEnumVARIANT *>(this);
        else
            // IOleWindow and the like stay the standard object's.
            return m_standard->QueryInterface(iid, object);
        AddRef();
        return S_OK;
    }
    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT *count) override { return m_standard->GetTypeInfoCount(count); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo **info) override
    {
        return m_standard->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR *names, UINT count, LCID locale,
                                            DISPID *ids) override
    {
        return m_standard->GetIDsOfNames(iid, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS *parameters,
                                     VARIANT *result, EXCEPINFO *exception, UINT *argument) override
    {
        return m_standard->Invoke(id, iid, locale, flags, parameters, result, exception, argument);
    }

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch **parent) override { return m_standard->get_accParent(parent); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG *count) override
    {
        if (!count)
            return E_POINTER;
        const HRESULT result = m_standard->get_accChildCount(count);
        if (SUCCEEDED(result) && hasPicture())
            ++*count;
        return result;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch **object) override
    {
        if (isPicture(child)) {
            if (!object)
                return E_POINTER;
            *object = nullptr;
            return S_FALSE; // an element of ours, with no object of its own
        }
        return m_standard->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR *name) override
    {
        if (childOf(child) == CHILDID_SELF && tableRow(m_naming.control))
            return tableText(m_naming.control, false, name);
        if (isPicture(child))
            return tableText(m_naming.picture, false, name);
        return m_standard->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR *value) override
    {
        if (isPicture(child))
            return tableText(nullptr, false, value);
        return m_standard->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR *description) override
    {
        if (childOf(child) == CHILDID_SELF && tableRow(m_naming.control))
            return tableText(m_naming.control, true, description);
        if (isPicture(child))
            return tableText(m_naming.picture, true, description);
        return m_standard->get_accDescription(child, description);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT *role) override
    {
        const LONG chosen = childOf(child) == CHILDID_SELF ? m_naming.role : isPicture(child) ? ROLE_SYSTEM_GRAPHIC : 0;
        if (!chosen)
            return m_standard->get_accRole(child, role);
        if (!role)
            return E_POINTER;
        role->vt = VT_I4;
        role->lVal = chosen;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT *state) override
    {
        if (!isPicture(child))
            return m_standard->get_accState(child, state);
        if (!state)
            return E_POINTER;
        state->vt = VT_I4;
        state->lVal = STATE_SYSTEM_READONLY | (IsWindowVisible(m_window) ? 0 : STATE_SYSTEM_INVISIBLE);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR *help) override
    {
        if (isPicture(child))
            return tableText(nullptr, false, help);
        return m_standard->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR *file, VARIANT child, LONG *topic) override
    {
        return m_standard->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR *shortcut) override
    {
        if (isPicture(child))
            return tableText(nullptr, false, shortcut);
        return m_standard->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT *child) override { return m_standard->get_accFocus(child); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT *children) override
    {
        return m_standard->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR *action) override
    {
        if (isPicture(child))
            return tableText(nullptr, false, action);
        return m_standard->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override
    {
        return m_standard->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG *left, LONG *top, LONG *width, LONG *height, VARIANT child) override
    {
        if (!isPicture(child))
            return m_standard->accLocation(left, top, width, height, child);
        if (!left || !top || !width || !height)
            return E_POINTER;
        RECT box = m_naming.pictureBounds();
        MapWindowPoints(m_window, HWND_DESKTOP, reinterpret_cast<POINT *>(&box), 2);
        *left = box.left;
        *top = box.top;
        *width = box.right - box.left;
        *height = box.bottom - box.top;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT *end) override
    {
        return m_standard->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT *child) override
    {
        const HRESULT result = m_standard->accHitTest(x, y, child);
        if (result != S_OK || !child || child->vt != VT_I4 || child->lVal != CHILDID_SELF || !hasPicture())
            return result;
        POINT point{x, y};
        ScreenToClient(m_window, &point);
        const RECT box = m_naming.pictureBounds();
        if (PtInRect(&box, point))
            child->lVal = pictureId();
        return result;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override
    {
        return isPicture(child) ? DISP_E_MEMBERNOTFOUND : m_standard->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override
    {
        return m_standard->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override
    {
        return m_standard->put_accValue(child, value);
    }

    // IEnumVARIANT: the standard object's children, then the picture; the
    // list is taken at the first step after a reset.
    HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT *children, ULONG *fetched) override
    {
        if (!children)
            return E_POINTER;
        if (m_position == 0)
            takeChildren();
        ULONG given = 0;
        for (; given < count && m_position < m_children.size(); ++given, ++m_position) {
            VariantInit(&children[given]);
            VariantCopy(&children[given], &m_children[m_position]);
        }
        if (fetched)
            *fetched = given;
        return given == count ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override
    {
        if (m_position == 0)
            takeChildren();
        m_position += count;
        if (m_position <= m_children.size())
            return S_OK;
        m_position = m_children.size();
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Reset() override
    {
        m_position = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT **copy) override
    {
        if (copy)
            *copy = nullptr;
        return E_NOTIMPL;
    }

private:
    ~AccessibleObject() override
    {
        clearChildren();
    }

    bool hasPicture() const { return m_naming.picture && m_naming.pictureBounds; }
    // After the standard object's children, as a tool that counts them
    // expects.
    LONG pictureId() const
    {
        LONG count = 0;
        m_standard->get_accChildCount(&count);
        return count + 1;
    }
    bool isPicture(const VARIANT &child) const
    {
        const LONG id = childOf(child);
        return hasPicture() && id > 0 && id == pictureId();
    }

    void takeChildren()
    {
        clearChildren();
        LONG count = 0;
        if (SUCCEEDED(m_standard->get_accChildCount(&count)) && count > 0) {
            m_children.resize(static_cast<std::size_t>(count));
            LONG obtained = 0;
            if (FAILED(AccessibleChildren(m_standard.get(), 0, count, m_children.data(), &obtained)))
                obtained = 0;
            m_children.resize(static_cast<std::size_t>(obtained));
        }
        if (hasPicture()) {
            VARIANT picture;
            VariantInit(&picture);
            picture.vt = VT_I4;
            picture.lVal = pictureId();
            m_children.push_back(picture);
        }
    }
    void clearChildren()
    {
        for (VARIANT &child : m_children)
            VariantClear(&child);
        m_children.clear();
    }

    HWND m_window;
    const AccessibleNaming &m_naming;
    ComPtr<IAccessible> m_standard;
    std::vector<VARIANT> m_children;
    std::size_t m_position = 0;
};

LRESULT CALLBACK subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR data)
{
    if (message == WM_GETOBJECT && static_cast<DWORD>(lParam) == static_cast<DWORD>(OBJID_CLIENT)) {
        ComPtr<IAccessible> standard;
        if (SUCCEEDED(CreateStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible), standard.putVoid()))) {
            AccessibleObject *object =
                new (std::nothrow) AccessibleObject(window, *reinterpret_cast<const AccessibleNaming *>(data), standard);
            if (object) {
                const LRESULT answer = LresultFromObject(__uuidof(IAccessible), wParam, static_cast<IAccessible *>(object));
                object->Release();
                return answer;
            }
        }
    } else if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, subclassProc, id);
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

} // namespace

void AccessibleControl::attach(HWND window, const AccessibleNaming *naming)
{
    SetWindowSubclass(window, subclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(naming));
}

void AccessibleControl::namesChanged(HWND window)
{
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window, OBJID_CLIENT, CHILDID_SELF);
    NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, window, OBJID_CLIENT, CHILDID_SELF);
}

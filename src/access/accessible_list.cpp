#include "access/accessible_list.h"

namespace vorlane {

HRESULT STDMETHODCALLTYPE AccessibleList::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) ||
        IsEqualIID(iid, IID_IAccessible)) {
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE AccessibleList::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&references_));
}

ULONG STDMETHODCALLTYPE AccessibleList::Release() {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) {
        delete this;
    }
    return static_cast<ULONG>(left);
}

HRESULT STDMETHODCALLTYPE AccessibleList::GetTypeInfoCount(UINT* count) {
    if (count == nullptr) {
        return E_POINTER;
    }
    *count = 0;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE AccessibleList::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info != nullptr) {
        *info = nullptr;
    }
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE AccessibleList::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) {
    return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE AccessibleList::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*,
                                                 EXCEPINFO*, UINT*) {
    return E_NOTIMPL;
}

// The list's parent is the system's object of its window.
HRESULT STDMETHODCALLTYPE AccessibleList::get_accParent(IDispatch** parent) {
    if (parent == nullptr) {
        return E_POINTER;
    }
    *parent = nullptr;
    if (grid_ == nullptr) {
        return kDisconnected;
    }
    return AccessibleObjectFromWindow(window_, static_cast<DWORD>(OBJID_WINDOW), IID_IDispatch,
                                      reinterpret_cast<void**>(parent));
}

// Children are simple elements: the list answers for them.
HRESULT STDMETHODCALLTYPE AccessibleList::get_accChild(VARIANT id, IDispatch** child) {
    return AnswerAbout(child, id, [](const AccessTarget&) -> HRESULT { return S_FALSE; });
}

HRESULT STDMETHODCALLTYPE AccessibleList::get_accValue(VARIANT id, BSTR* value) {
    return AnswerAbout(value, id,
                       [](const AccessTarget&) -> HRESULT { return DISP_E_MEMBERNOTFOUND; });
}

HRESULT STDMETHODCALLTYPE AccessibleList::get_accHelp(VARIANT id, BSTR* help) {
    return get_accValue(id, help);
}

HRESULT STDMETHODCALLTYPE AccessibleList::get_accHelpTopic(BSTR* file, VARIANT id, LONG* topic) {
    if (topic != nullptr) {
        *topic = 0;
    }
    return get_accValue(id, file);
}

HRESULT STDMETHODCALLTYPE AccessibleList::get_accKeyboardShortcut(VARIANT id, BSTR* shortcut) {
    return get_accValue(id, shortcut);
}

HRESULT STDMETHODCALLTYPE AccessibleList::put_accName(VARIANT, BSTR) {
    return grid_ == nullptr ? kDisconnected : DISP_E_MEMBERNOTFOUND;
}

HRESULT STDMETHODCALLTYPE AccessibleList::put_accValue(VARIANT, BSTR) {
    return grid_ == nullptr ? kDisconnected : DISP_E_MEMBERNOTFOUND;
}

HRESULT AccessibleList::Resolve(const VARIANT& id, AccessTarget& target) const {
    if (grid_ == nullptr) {
        return kDisconnected;
    }
    if (id.vt != VT_I4 || id.lVal < 0) {
        return E_INVALIDARG;
    }
    if (id.lVal == CHILDID_SELF) {
        target = {};
        return S_OK;
    }
    const uint32_t index = static_cast<uint32_t>(id.lVal) - 1;
    if (index >= ChildCount(*grid_)) {
        return E_INVALIDARG;
    }
    target = {false, index};
    return S_OK;
}

HRESULT NavigateChildren(uint32_t count, const AccessTarget& from, LONG direction, bool across,
                         VARIANT* end) {
    const LONG forward = across ? NAVDIR_RIGHT : NAVDIR_DOWN;
    const LONG backward = across ? NAVDIR_LEFT : NAVDIR_UP;
    int64_t child = -1;
    if (from.self && direction == NAVDIR_FIRSTCHILD) {
        child = 0;
    } else if (from.self && direction == NAVDIR_LASTCHILD) {
        child = static_cast<int64_t>(count) - 1;
    } else if (!from.self && (direction == NAVDIR_NEXT || direction == forward)) {
        child = static_cast<int64_t>(from.index) + 1;
    } else if (!from.self && (direction == NAVDIR_PREVIOUS || direction == backward)) {
        child = static_cast<int64_t>(from.index) - 1;
    } else if (direction < NAVDIR_UP || direction > NAVDIR_LASTCHILD) {
        return E_INVALIDARG;
    }
    if (child < 0 || child >= count) {
        return S_FALSE;
    }
    SetLong(end, static_cast<LONG>(child) + 1);
    return S_OK;
}

RECT ShownPart(HWND pane, HWND control) {
    RECT client = {};
    GetClientRect(control, &client);
    MapWindowPoints(control, pane, reinterpret_cast<POINT*>(&client), 2);
    RECT whole = {};
    GetClientRect(pane, &whole);
    RECT shown = {};
    IntersectRect(&shown, &client, &whole);
    return shown;
}

void ToScreen(HWND window, RECT& rect) {
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    OffsetRect(&rect, origin.x, origin.y);
}

HRESULT ReturnText(const std::wstring& text, BSTR* out) {
    *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return *out == nullptr ? E_OUTOFMEMORY : S_OK;
}

void SetLong(VARIANT* out, LONG value) {
    VariantInit(out);
    out->vt = VT_I4;
    out->lVal = value;
}

HRESULT ReturnRect(const RECT& rect, LONG* left, LONG* top, LONG* width, LONG* height) {
    *left = rect.left;
    *top = rect.top;
    *width = rect.right - rect.left;
    *height = rect.bottom - rect.top;
    return S_OK;
}

void SetEmpty(VARIANT* out) {
    VariantInit(out);
}

}  // namespace vorlane

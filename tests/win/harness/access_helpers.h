// Reading a window's accessible object as a screen reader does (AccessibleObjectFromWindow),
// its children named by child id (0 the object itself, 1 the first child).
#pragma once

#include <windows.h>
#include <oleacc.h>

#include <memory>
#include <string>
#include <vector>

namespace testing_support {

struct ComRelease {
    void operator()(IUnknown* object) const { object->Release(); }
};
using AccessibleRef = std::unique_ptr<IAccessible, ComRelease>;

// COM for the length of a test (the objects are marshalled through it).
class ComScope {
  public:
    ComScope() { CoInitialize(nullptr); }
    ~ComScope() { CoUninitialize(); }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
};

// The window's OBJID_CLIENT object, or null.
inline AccessibleRef AccessibleOf(HWND window) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                          reinterpret_cast<void**>(&object)))) {
        return nullptr;
    }
    return AccessibleRef(object);
}

inline VARIANT ChildVariant(LONG id) {
    VARIANT child;
    VariantInit(&child);
    child.vt = VT_I4;
    child.lVal = id;
    return child;
}

// A text property of a child: "<error>" when the call fails, "<none>" for a null text.
using TextGetter = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR*);
inline std::wstring TextOf(IAccessible* object, TextGetter getter, LONG id) {
    BSTR text = nullptr;
    if (FAILED((object->*getter)(ChildVariant(id), &text))) {
        return L"<error>";
    }
    if (text == nullptr) {
        return L"<none>";
    }
    std::wstring copy(text, SysStringLen(text));
    SysFreeString(text);
    return copy;
}
inline std::wstring NameOf(IAccessible* object, LONG id) {
    return TextOf(object, &IAccessible::get_accName, id);
}
inline std::wstring DescriptionOf(IAccessible* object, LONG id) {
    return TextOf(object, &IAccessible::get_accDescription, id);
}

// A VT_I4 property (role, state) of a child; -1 when the call fails or gives another type.
using LongGetter = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, VARIANT*);
inline LONG LongOf(IAccessible* object, LongGetter getter, LONG id) {
    VARIANT value;
    VariantInit(&value);
    if (FAILED((object->*getter)(ChildVariant(id), &value)) || value.vt != VT_I4) {
        VariantClear(&value);
        return -1;
    }
    return value.lVal;
}
inline LONG RoleOf(IAccessible* object, LONG id) {
    return LongOf(object, &IAccessible::get_accRole, id);
}
inline LONG StateOf(IAccessible* object, LONG id) {
    return LongOf(object, &IAccessible::get_accState, id);
}

// The child ids a VARIANT answer names: none for VT_EMPTY, one for VT_I4, every one an
// enumeration gives; {-1} for anything else.
inline std::vector<LONG> ChildIds(VARIANT& answer) {
    std::vector<LONG> ids;
    if (answer.vt == VT_I4) {
        ids.push_back(answer.lVal);
    } else if (answer.vt == VT_UNKNOWN && answer.punkVal != nullptr) {
        IEnumVARIANT* items = nullptr;
        if (SUCCEEDED(answer.punkVal->QueryInterface(IID_IEnumVARIANT,
                                                     reinterpret_cast<void**>(&items)))) {
            VARIANT item;
            ULONG fetched = 0;
            while (items->Next(1, &item, &fetched) == S_OK && fetched == 1) {
                ids.push_back(item.vt == VT_I4 ? item.lVal : -1);
                VariantClear(&item);
            }
            items->Release();
        }
    } else if (answer.vt != VT_EMPTY) {
        ids.push_back(-1);
    }
    VariantClear(&answer);
    return ids;
}
inline std::vector<LONG> SelectionOf(IAccessible* object) {
    VARIANT answer;
    VariantInit(&answer);
    object->get_accSelection(&answer);
    return ChildIds(answer);
}
inline std::vector<LONG> FocusOf(IAccessible* object) {
    VARIANT answer;
    VariantInit(&answer);
    object->get_accFocus(&answer);
    return ChildIds(answer);
}

}  // namespace testing_support

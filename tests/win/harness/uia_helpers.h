// Reading a grid through UI Automation as a client does: the grid's element reached from its
// Active Accessibility object (the IAccessibleEx service), its elements' patterns called
// directly, and what the platform's automation core reads of a window (UiaNodeFromHandle and
// UiaGetPropertyValue, loaded from uiautomationcore.dll).
#pragma once

#include <windows.h>
#include <servprov.h>

#include <string>
#include <vector>

#include "access/uia_defs.h"
#include "access_helpers.h"

namespace testing_support {

template <class Interface>
using UiaRef = std::unique_ptr<Interface, ComRelease>;
using ElementRef = UiaRef<IRawElementProviderSimple>;

constexpr HRESULT kNotAvailable = static_cast<HRESULT>(0x80040201);
constexpr HRESULT kNotEnabled = static_cast<HRESULT>(0x80040200);

// The grid's element, or null.
inline ElementRef UiaRoot(HWND grid) {
    AccessibleRef object = AccessibleOf(grid);
    IServiceProvider* services = nullptr;
    if (!object ||
        FAILED(object->QueryInterface(IID_IServiceProvider, reinterpret_cast<void**>(&services)))) {
        return nullptr;
    }
    IRawElementProviderSimple* root = nullptr;
    services->QueryService(__uuidof(IAccessibleEx), __uuidof(IRawElementProviderSimple),
                           reinterpret_cast<void**>(&root));
    services->Release();
    return ElementRef(root);
}

// One of an element's interfaces (a pattern's through GetPatternProvider), or null.
template <class Interface>
UiaRef<Interface> As(IUnknown* element) {
    Interface* face = nullptr;
    if (element == nullptr ||
        FAILED(element->QueryInterface(__uuidof(Interface), reinterpret_cast<void**>(&face)))) {
        return nullptr;
    }
    return UiaRef<Interface>(face);
}
template <class Interface>
UiaRef<Interface> Pattern(IRawElementProviderSimple* element, PATTERNID pattern) {
    IUnknown* provider = nullptr;
    if (element == nullptr || FAILED(element->GetPatternProvider(pattern, &provider)) ||
        provider == nullptr) {
        return nullptr;
    }
    UiaRef<Interface> face = As<Interface>(provider);
    provider->Release();
    return face;
}

// The element in `direction` from `element`, or null.
inline ElementRef Go(IRawElementProviderSimple* element, NavigateDirection direction) {
    auto fragment = As<IRawElementProviderFragment>(element);
    IRawElementProviderFragment* found = nullptr;
    if (!fragment || FAILED(fragment->Navigate(direction, &found)) || found == nullptr) {
        return nullptr;
    }
    ElementRef simple = As<IRawElementProviderSimple>(found);
    found->Release();
    return simple;
}

// A property as text ("<error>" when the call fails, "<empty>" for VT_EMPTY), or an integer
// (-1 when the call fails or answers another type).
inline std::wstring TextProperty(IRawElementProviderSimple* element, PROPERTYID property) {
    VARIANT value;
    VariantInit(&value);
    if (element == nullptr || FAILED(element->GetPropertyValue(property, &value))) {
        return L"<error>";
    }
    std::wstring text = value.vt == VT_BSTR ? std::wstring(value.bstrVal) : L"<empty>";
    VariantClear(&value);
    return text;
}
inline long IntProperty(IRawElementProviderSimple* element, PROPERTYID property) {
    VARIANT value;
    VariantInit(&value);
    if (element == nullptr || FAILED(element->GetPropertyValue(property, &value))) {
        return -1;
    }
    const long number =
        value.vt == VT_I4 ? value.lVal : (value.vt == VT_BOOL ? value.boolVal != 0 : -1);
    VariantClear(&value);
    return number;
}

// The element's runtime identifier; empty for none or a failure.
inline std::vector<int> RuntimeId(IRawElementProviderSimple* element) {
    auto fragment = As<IRawElementProviderFragment>(element);
    SAFEARRAY* array = nullptr;
    std::vector<int> id;
    if (fragment && SUCCEEDED(fragment->GetRuntimeId(&array)) && array != nullptr) {
        LONG low = 0;
        LONG high = -1;
        SafeArrayGetLBound(array, 1, &low);
        SafeArrayGetUBound(array, 1, &high);
        for (LONG i = low; i <= high; ++i) {
            int part = 0;
            SafeArrayGetElement(array, &i, &part);
            id.push_back(part);
        }
        SafeArrayDestroy(array);
    }
    return id;
}

// The names of a SAFEARRAY of elements, which it destroys.
inline std::vector<std::wstring> NamesOf(SAFEARRAY* array) {
    std::vector<std::wstring> names;
    if (array == nullptr) {
        return names;
    }
    LONG low = 0;
    LONG high = -1;
    SafeArrayGetLBound(array, 1, &low);
    SafeArrayGetUBound(array, 1, &high);
    for (LONG i = low; i <= high; ++i) {
        IUnknown* item = nullptr;
        SafeArrayGetElement(array, &i, &item);
        ElementRef element = As<IRawElementProviderSimple>(item);
        names.push_back(TextProperty(element.get(), UIA_NamePropertyId));
        if (item != nullptr) {
            item->Release();
        }
    }
    SafeArrayDestroy(array);
    return names;
}

// What the platform's automation core reads of a window's element: a property as text or an
// integer, through a node of the window (UiaNodeFromHandle, UiaGetPropertyValue).
struct CoreRead {
    HRESULT result = E_FAIL;
    VARTYPE type = VT_EMPTY;
    std::wstring text;
    long number = 0;
};
inline CoreRead CoreProperty(HWND window, PROPERTYID property) {
    using NodeFromHandle = HRESULT(WINAPI*)(HWND, void**);
    using GetPropertyValue = HRESULT(WINAPI*)(void*, int, VARIANT*);
    using NodeRelease = BOOL(WINAPI*)(void*);
    HMODULE core = LoadLibraryW(L"uiautomationcore.dll");
    auto fromHandle = reinterpret_cast<NodeFromHandle>(
        reinterpret_cast<void*>(GetProcAddress(core, "UiaNodeFromHandle")));
    auto get = reinterpret_cast<GetPropertyValue>(
        reinterpret_cast<void*>(GetProcAddress(core, "UiaGetPropertyValue")));
    auto release = reinterpret_cast<NodeRelease>(
        reinterpret_cast<void*>(GetProcAddress(core, "UiaNodeRelease")));
    CoreRead read;
    void* node = nullptr;
    if (fromHandle == nullptr || get == nullptr || release == nullptr ||
        FAILED(read.result = fromHandle(window, &node))) {
        return read;
    }
    VARIANT value;
    VariantInit(&value);
    read.result = get(node, property, &value);
    read.type = value.vt;
    if (value.vt == VT_BSTR) {
        read.text = value.bstrVal;
    } else if (value.vt == VT_I4) {
        read.number = value.lVal;
    }
    VariantClear(&value);
    release(node);
    return read;
}

}  // namespace testing_support

// What this build needs of UI Automation and the platform's headers do not give in C++: the
// control type and event identifiers, the pattern interfaces a grid offers, and their enums.
// The element interfaces (IRawElementProviderSimple, ...Fragment, ...FragmentRoot) and the
// property and pattern identifiers come from uiautomationcore.h and uiautomationclient.h.
#pragma once

#include <windows.h>
#include <ole2.h>

#include <uiautomationclient.h>
#include <uiautomationcore.h>

namespace vorlane {

constexpr HRESULT kElementNotAvailable = static_cast<HRESULT>(0x80040201);  // UIA_E_ELEMENT...
constexpr HRESULT kElementNotEnabled = static_cast<HRESULT>(0x80040200);
constexpr LONG kUiaRootObjectId = -25;
constexpr int kUiaAppendRuntimeId = 3;
constexpr double kNoScroll = -1.0;  // a scroll percent of a direction that does not scroll

// Control types.
constexpr int kDataGridControl = 50028;
constexpr int kDataItemControl = 50029;
constexpr int kHeaderControl = 50034;
constexpr int kHeaderItemControl = 50035;
constexpr int kCheckBoxControl = 50002;
constexpr int kTextControl = 50020;
constexpr int kEditControl = 50004;

// Events.
constexpr int kStructureChangedEvent = 20002;
constexpr int kFocusChangedEvent = 20005;
constexpr int kInvokedEvent = 20009;
constexpr int kElementAddedToSelectionEvent = 20010;
constexpr int kElementRemovedFromSelectionEvent = 20011;
constexpr int kElementSelectedEvent = 20012;
constexpr int kSelectionInvalidatedEvent = 20013;

enum class UiaScrollAmount : int {
    LargeDecrement = 0,
    SmallDecrement = 1,
    NoAmount = 2,
    LargeIncrement = 3,
    SmallIncrement = 4
};
enum class UiaRowOrColumnMajor : int { RowMajor = 0, ColumnMajor = 1, Indeterminate = 2 };
enum class UiaToggleState : int { Off = 0, On = 1, Indeterminate = 2 };
enum class UiaStructureChange : int { ChildAdded = 0, ChildRemoved = 1, ChildrenInvalidated = 2 };

// The pattern interfaces, laid out as the platform's own definitions lay them out.
struct IInvokeProvider : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE Invoke() = 0;
};
struct ISelectionProvider : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE GetSelection(SAFEARRAY** items) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_CanSelectMultiple(BOOL* multiple) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_IsSelectionRequired(BOOL* required) = 0;
};
struct ISelectionItemProvider : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE Select() = 0;
    virtual HRESULT STDMETHODCALLTYPE AddToSelection() = 0;
    virtual HRESULT STDMETHODCALLTYPE RemoveFromSelection() = 0;
    virtual HRESULT STDMETHODCALLTYPE get_IsSelected(BOOL* selected) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_SelectionContainer(IRawElementProviderSimple** c) = 0;
};
struct IValueProvider : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE SetValue(LPCWSTR value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Value(BSTR* value) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_IsReadOnly(BOOL* readOnly) = 0;
};
struct IScrollProvider : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE Scroll(UiaScrollAmount across, UiaScrollAmount down) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetScrollPercent(double across, double down) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_HorizontalScrollPercent(double* percent) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_VerticalScrollPercent(double* percent) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_HorizontalViewSize(double* percent) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_VerticalViewSize(double* percent) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_HorizontallyScrollable(BOOL* scrollable) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_VerticallyScrollable(BOOL* scrollable) = 0;
};
struct IScrollItemProvider : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE ScrollIntoView() = 0;
};
struct IGridProvider : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE GetItem(int row, int column,
                                              IRawElementProviderSimple** item) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_RowCount(int* count) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ColumnCount(int* count) = 0;
};
struct IGridItemProvider : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE get_Row(int* row) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_Column(int* column) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_RowSpan(int* span) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ColumnSpan(int* span) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ContainingGrid(IRawElementProviderSimple** grid) = 0;
};
struct ITableProvider : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE GetRowHeaders(SAFEARRAY** headers) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetColumnHeaders(SAFEARRAY** headers) = 0;
    virtual HRESULT STDMETHODCALLTYPE get_RowOrColumnMajor(UiaRowOrColumnMajor* major) = 0;
};
struct ITableItemProvider : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE GetRowHeaderItems(SAFEARRAY** headers) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetColumnHeaderItems(SAFEARRAY** headers) = 0;
};
struct IToggleProvider : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE Toggle() = 0;
    virtual HRESULT STDMETHODCALLTYPE get_ToggleState(UiaToggleState* state) = 0;
};
struct IItemContainerProvider : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE FindItemByProperty(IRawElementProviderSimple* startAfter,
                                                         PROPERTYID property, VARIANT value,
                                                         IRawElementProviderSimple** found) = 0;
};
struct IVirtualizedItemProvider : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE Realize() = 0;
};

}  // namespace vorlane

// Their identifiers, for __uuidof.
__CRT_UUID_DECL(vorlane::IInvokeProvider, 0x54fcb24b, 0xe18e, 0x47a2, 0xb4, 0xd3, 0xec, 0xcb, 0xe7,
                0x75, 0x99, 0xa2)
__CRT_UUID_DECL(vorlane::ISelectionProvider, 0xfb8b03af, 0x3bdf, 0x48d4, 0xbd, 0x36, 0x1a, 0x65,
                0x79, 0x3b, 0xe1, 0x68)
__CRT_UUID_DECL(vorlane::ISelectionItemProvider, 0x2acad808, 0xb2d4, 0x452d, 0xa4, 0x07, 0x91, 0xff,
                0x1a, 0xd1, 0x67, 0xb2)
__CRT_UUID_DECL(vorlane::IValueProvider, 0xc7935180, 0x6fb3, 0x4201, 0xb1, 0x74, 0x7d, 0xf7, 0x3a,
                0xdb, 0xf6, 0x4a)
__CRT_UUID_DECL(vorlane::IScrollProvider, 0xb38b8077, 0x1fc3, 0x42a5, 0x8c, 0xae, 0xd4, 0x0c, 0x22,
                0x15, 0x05, 0x5a)
__CRT_UUID_DECL(vorlane::IScrollItemProvider, 0x2360c714, 0x4bf1, 0x4b26, 0xba, 0x65, 0x9b, 0x21,
                0x31, 0x61, 0x27, 0xeb)
__CRT_UUID_DECL(vorlane::IGridProvider, 0xb17d6187, 0x0907, 0x464b, 0xa1, 0x68, 0x0e, 0xf1, 0x7a,
                0x15, 0x72, 0xb1)
__CRT_UUID_DECL(vorlane::IGridItemProvider, 0xd02541f1, 0xfb81, 0x4d64, 0xae, 0x32, 0xf5, 0x20,
                0xf8, 0xa6, 0xdb, 0xd1)
__CRT_UUID_DECL(vorlane::ITableProvider, 0x9c860395, 0x97b3, 0x490a, 0xb5, 0x2a, 0x85, 0x8c, 0xc2,
                0x2a, 0xf1, 0x66)
__CRT_UUID_DECL(vorlane::ITableItemProvider, 0xb9734fa6, 0x771f, 0x4d78, 0x9c, 0x90, 0x25, 0x17,
                0x99, 0x93, 0x49, 0xcd)
__CRT_UUID_DECL(vorlane::IToggleProvider, 0x56d00bd0, 0xc4f4, 0x433c, 0xa8, 0x36, 0x1a, 0x52, 0xa5,
                0x7e, 0x08, 0x92)
__CRT_UUID_DECL(vorlane::IItemContainerProvider, 0xe747770b, 0x39ce, 0x4382, 0xab, 0x30, 0xd8, 0xfb,
                0x3f, 0x33, 0x6f, 0x24)
__CRT_UUID_DECL(vorlane::IVirtualizedItemProvider, 0xcb98b665, 0x2d35, 0x4fac, 0xad, 0x35, 0xf3,
                0xc6, 0x0d, 0x0c, 0x0b, 0x8b)

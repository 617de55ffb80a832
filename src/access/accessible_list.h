// What the grid's accessible objects share: a list whose children are simple elements named by
// child ids 1 to N (CHILDID_SELF, 0, is the list itself), reference counting, the IDispatch
// that no client needs, and the tie to the grid, which the grid's destruction cuts.
#pragma once

#include <windows.h>
#include <oleacc.h>

#include <cstdint>
#include <new>
#include <string>
#include <utility>

#include "frame/grid_instance.h"

namespace vorlane {

// Answered by every method of an object whose grid is gone.
constexpr HRESULT kDisconnected = RPC_E_DISCONNECTED;

// A child id resolved: the list itself, or the child at `index` (0-based).
struct AccessTarget {
    bool self = true;
    uint32_t index = 0;
};

// Out-parameter helpers: a BSTR of `text` (E_OUTOFMEMORY when none could be made), a VT_I4, a
// VT_EMPTY, a rectangle as left, top, width and height.
HRESULT ReturnText(const std::wstring& text, BSTR* out);
void SetLong(VARIANT* out, LONG value);
void SetEmpty(VARIANT* out);
HRESULT ReturnRect(const RECT& rect, LONG* left, LONG* top, LONG* width, LONG* height);

// An out-parameter as a call begins: empty until the answer is known.
inline void ClearOut(BSTR* out) {
    *out = nullptr;
}
inline void ClearOut(VARIANT* out) {
    SetEmpty(out);
}
inline void ClearOut(IDispatch** out) {
    *out = nullptr;
}

class AccessibleList : public IAccessible {
  public:
    AccessibleList(GridInstance& grid, HWND window) : grid_(&grid), window_(window) {}
    virtual ~AccessibleList() = default;
    AccessibleList(const AccessibleList&) = delete;
    AccessibleList& operator=(const AccessibleList&) = delete;

    // The grid is being destroyed: from now on every method answers kDisconnected.
    void Disconnect() { grid_ = nullptr; }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IDispatch: clients call the methods directly; no type information is offered.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override;

    // What neither list has: help, shortcuts, writable names and values, child objects.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT id, IDispatch** child) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT id, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT id, BSTR* help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT id, LONG* topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT id, BSTR* shortcut) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT id, BSTR name) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT id, BSTR value) override;

  protected:
    // The grid while it lives; null once disconnected.
    GridInstance* Grid() const { return grid_; }
    HWND Window() const { return window_; }
    // The children's count, read from the live grid.
    virtual uint32_t ChildCount(const GridInstance& grid) const = 0;
    // Resolves a child id: E_INVALIDARG for one that names nothing, kDisconnected without grid.
    HRESULT Resolve(const VARIANT& id, AccessTarget& target) const;

    // How a method about the child `id` answers: the id resolved, then `answer(target)`; memory
    // that runs out on the way is E_OUTOFMEMORY, since no exception may leave a COM method.
    template <typename Answer>
    HRESULT AnswerAbout(const VARIANT& id, Answer&& answer) const {
        try {
            AccessTarget target;
            if (const HRESULT resolved = Resolve(id, target); FAILED(resolved)) {
                return resolved;
            }
            return std::forward<Answer>(answer)(target);
        } catch (const std::bad_alloc&) {
            return E_OUTOFMEMORY;
        }
    }
    // accLocation: E_POINTER without all four out-parameters, else them zeroed, the child
    // resolved and the rectangle `rectOf(target)` (screen coordinates) returned in them.
    template <typename RectOf>
    HRESULT AnswerLocation(LONG* left, LONG* top, LONG* width, LONG* height, const VARIANT& id,
                           RectOf&& rectOf) const {
        if (left == nullptr || top == nullptr || width == nullptr || height == nullptr) {
            return E_POINTER;
        }
        *left = *top = *width = *height = 0;
        return AnswerAbout(id, [&](const AccessTarget& target) -> HRESULT {
            return ReturnRect(rectOf(target), left, top, width, height);
        });
    }
    // A method about the object as a whole that answers through `out`: E_POINTER without it,
    // else `out` emptied, then kDisconnected once the grid is gone, S_OK to go on.
    HRESULT OpenWhole(VARIANT* out) const {
        if (out == nullptr) {
            return E_POINTER;
        }
        SetEmpty(out);
        return grid_ == nullptr ? kDisconnected : S_OK;
    }
    // The same through the out-parameter `out`: E_POINTER without one, else cleared first.
    template <typename Out, typename Answer>
    HRESULT AnswerAbout(Out* out, const VARIANT& id, Answer&& answer) const {
        if (out == nullptr) {
            return E_POINTER;
        }
        ClearOut(out);
        return AnswerAbout(id, std::forward<Answer>(answer));
    }

  private:
    LONG references_ = 1;
    GridInstance* grid_;  // the grid; null after Disconnect
    HWND window_;         // the window this object answers for
};

// accNavigate among `count` children laid out downwards (or, `across`, rightwards): from the
// list its first and last child, from a child the one before or after it (S_FALSE, `end` empty,
// past either end or across the layout).
HRESULT NavigateChildren(uint32_t count, const AccessTarget& from, LONG direction, bool across,
                         VARIANT* end);

// The part of a pane that its control shows, in the pane's client coordinates: the panes are
// wider than the control and reach no further than its client area.
RECT ShownPart(HWND pane, HWND control);
// A rectangle in a window's client coordinates moved to the screen's.
void ToScreen(HWND window, RECT& rect);

}  // namespace vorlane

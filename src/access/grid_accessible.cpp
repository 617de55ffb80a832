#include "access/grid_accessible.h"

#include <algorithm>
#include <new>
#include <vector>

#include "access/child_enum.h"
#include "access/row_actions.h"
#include "access/row_place.h"
#include "access/row_text.h"
#include "access/uia_element.h"
#include "frame/row_positions.h"
#include "frame/row_selection.h"

namespace vorlane {

namespace {

LONG ChildId(uint32_t row) {
    return static_cast<LONG>(row) + 1;
}

bool PaneHasFocus(const GridInstance& grid) {
    return GetFocus() == grid.listPane;
}

// Each method that reads rows holds the instance: an owner-data grid's parent is asked for
// cells, and may destroy the control meanwhile.
class Held {
  public:
    explicit Held(GridInstance* grid) : hold_(grid != nullptr ? grid->ownWindow : nullptr) {}
    GridInstance* get() const { return hold_.Alive() ? hold_.get() : nullptr; }

  private:
    InstanceHold hold_;
};

}  // namespace

HRESULT STDMETHODCALLTYPE GridAccessible::QueryInterface(REFIID iid, void** object) {
    if (object != nullptr && IsEqualIID(iid, IID_IServiceProvider)) {
        *object = static_cast<IServiceProvider*>(this);
        AddRef();
        return S_OK;
    }
    return AccessibleList::QueryInterface(iid, object);
}

HRESULT STDMETHODCALLTYPE GridAccessible::QueryService(REFGUID service, REFIID iid, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    if (Grid() == nullptr) {
        return kDisconnected;
    }
    if (!IsEqualGUID(service, __uuidof(IAccessibleEx))) {
        return E_NOINTERFACE;
    }
    UiaElement* root = GridElement(*Grid());
    return root != nullptr ? root->QueryInterface(iid, object) : E_OUTOFMEMORY;
}

uint32_t GridAccessible::ChildCount(const GridInstance& grid) const {
    return std::min<uint32_t>(RowCount(grid), INT32_MAX - 1);
}

HRESULT STDMETHODCALLTYPE GridAccessible::get_accChildCount(LONG* count) {
    if (count == nullptr) {
        return E_POINTER;
    }
    *count = 0;
    if (Grid() == nullptr) {
        return kDisconnected;
    }
    *count = static_cast<LONG>(ChildCount(*Grid()));
    return S_OK;
}

HRESULT STDMETHODCALLTYPE GridAccessible::get_accName(VARIANT id, BSTR* name) {
    return AnswerAbout(name, id, [&](const AccessTarget& target) -> HRESULT {
        if (target.self) {
            return ReturnText(GridLabel(Window()), name);
        }
        Held held(Grid());
        const std::wstring text = held.get() ? RowName(*held.get(), target.index) : L"";
        return Grid() == nullptr ? kDisconnected : ReturnText(text, name);
    });
}

HRESULT STDMETHODCALLTYPE GridAccessible::get_accDescription(VARIANT id, BSTR* description) {
    return AnswerAbout(description, id, [&](const AccessTarget& target) -> HRESULT {
        if (target.self) {
            return DISP_E_MEMBERNOTFOUND;
        }
        Held held(Grid());
        const std::wstring text = held.get() ? RowDescription(*held.get(), target.index) : L"";
        return Grid() == nullptr ? kDisconnected : ReturnText(text, description);
    });
}

HRESULT STDMETHODCALLTYPE GridAccessible::get_accRole(VARIANT id, VARIANT* role) {
    return AnswerAbout(role, id, [&](const AccessTarget& target) -> HRESULT {
        SetLong(role, target.self ? ROLE_SYSTEM_LIST : ROLE_SYSTEM_LISTITEM);
        return S_OK;
    });
}

HRESULT STDMETHODCALLTYPE GridAccessible::get_accState(VARIANT id, VARIANT* state) {
    return AnswerAbout(state, id, [&](const AccessTarget& target) -> HRESULT {
        LONG flags = StateFlags(*Grid(), target);
        if (!target.self) {
            Held held(Grid());
            flags |= held.get() ? RowCheckFlags(*held.get(), target.index) : 0;
        }
        SetLong(state, flags);
        return Grid() == nullptr ? kDisconnected : S_OK;
    });
}

LONG GridAccessible::StateFlags(const GridInstance& grid, const AccessTarget& target) const {
    const bool focused = PaneHasFocus(grid);
    LONG flags = 0;
    if (target.self) {
        flags = STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_MULTISELECTABLE;
        if (focused) {
            flags |= STATE_SYSTEM_FOCUSED;
        }
        if (!IsWindowVisible(grid.ownWindow)) {
            flags |= STATE_SYSTEM_INVISIBLE;
        }
    } else {
        flags = STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;
        if (IsRowSelected(grid, target.index)) {
            flags |= STATE_SYSTEM_SELECTED;
        }
        if (focused && grid.currentRow == target.index) {
            flags |= STATE_SYSTEM_FOCUSED;
        }
        if (!RowInView(grid, target.index)) {
            flags |= STATE_SYSTEM_OFFSCREEN;
        }
    }
    return flags;
}

// The current row while the list pane has the focus; the list itself when it has no rows.
HRESULT STDMETHODCALLTYPE GridAccessible::get_accFocus(VARIANT* id) {
    if (const HRESULT opened = OpenWhole(id); opened != S_OK) {
        return opened;
    }
    const GridInstance* grid = Grid();
    if (!PaneHasFocus(*grid)) {
        return S_FALSE;
    }
    const bool onRow = grid->currentRow < ChildCount(*grid);
    SetLong(id, onRow ? ChildId(grid->currentRow) : CHILDID_SELF);
    return S_OK;
}

// None: empty; one: its child id; more: an enumeration of their ids.
HRESULT STDMETHODCALLTYPE GridAccessible::get_accSelection(VARIANT* ids) {
    if (const HRESULT opened = OpenWhole(ids); opened != S_OK) {
        return opened;
    }
    const GridInstance* grid = Grid();
    try {
        std::vector<uint32_t> rows;
        if (!SelectedRows(*grid, rows)) {
            return E_OUTOFMEMORY;
        }
        if (rows.empty()) {
            return S_FALSE;
        }
        if (rows.size() == 1) {
            SetLong(ids, ChildId(rows.front()));
            return S_OK;
        }
        std::vector<LONG> children;
        children.reserve(rows.size());
        for (const uint32_t row : rows) {
            children.push_back(ChildId(row));
        }
        ids->vt = VT_UNKNOWN;
        ids->punkVal = new ChildEnum(std::move(children));
        return S_OK;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

HRESULT STDMETHODCALLTYPE GridAccessible::get_accDefaultAction(VARIANT id, BSTR* action) {
    return AnswerAbout(action, id, [&](const AccessTarget& target) -> HRESULT {
        return target.self ? DISP_E_MEMBERNOTFOUND : ReturnText(L"Open", action);
    });
}

HRESULT STDMETHODCALLTYPE GridAccessible::accSelect(LONG flags, VARIANT id) {
    return AnswerAbout(id, [&](const AccessTarget& target) -> HRESULT {
        Held held(Grid());
        if (held.get() == nullptr) {
            return kDisconnected;
        }
        if (target.self) {
            if (flags != SELFLAG_TAKEFOCUS) {
                return E_INVALIDARG;
            }
            SetFocus(held.get()->listPane);
            return S_OK;
        }
        return SelectRowAsClicked(*held.get(), target.index, flags);
    });
}

HRESULT STDMETHODCALLTYPE GridAccessible::accLocation(LONG* left, LONG* top, LONG* width,
                                                      LONG* height, VARIANT id) {
    return AnswerLocation(left, top, width, height, id, [&](const AccessTarget& target) {
        const GridInstance& grid = *Grid();
        RECT rect = {};
        if (target.self) {
            GetWindowRect(grid.ownWindow, &rect);
        } else {
            rect = RowRect(grid, target.index);
            ToScreen(grid.listPane, rect);
        }
        return rect;
    });
}

HRESULT STDMETHODCALLTYPE GridAccessible::accNavigate(LONG direction, VARIANT start, VARIANT* end) {
    return AnswerAbout(end, start, [&](const AccessTarget& target) -> HRESULT {
        return NavigateChildren(ChildCount(*Grid()), target, direction, false, end);
    });
}

// The row under a screen point; the list itself elsewhere in the control; nothing outside it.
HRESULT STDMETHODCALLTYPE GridAccessible::accHitTest(LONG x, LONG y, VARIANT* id) {
    if (const HRESULT opened = OpenWhole(id); opened != S_OK) {
        return opened;
    }
    const GridInstance* grid = Grid();
    RECT control = {};
    GetWindowRect(grid->ownWindow, &control);
    const POINT screen = {x, y};
    if (!PtInRect(&control, screen)) {
        return S_FALSE;
    }
    POINT point = screen;
    ScreenToClient(grid->listPane, &point);
    const RECT area = ShownPart(grid->listPane, grid->ownWindow);
    const bool onColumns = point.x < static_cast<int64_t>(grid->store.columns().TotalWidth());
    if (PtInRect(&area, point) && onColumns && grid->rowHeight > 0) {
        const uint64_t row = PaneTopRow(*grid) + static_cast<uint64_t>(point.y / grid->rowHeight);
        if (row < ChildCount(*grid)) {
            SetLong(id, ChildId(static_cast<uint32_t>(row)));
            return S_OK;
        }
    }
    SetLong(id, CHILDID_SELF);
    return S_OK;
}

HRESULT STDMETHODCALLTYPE GridAccessible::accDoDefaultAction(VARIANT id) {
    return AnswerAbout(id, [&](const AccessTarget& target) -> HRESULT {
        if (target.self) {
            return DISP_E_MEMBERNOTFOUND;
        }
        Held held(Grid());
        if (held.get() == nullptr) {
            return kDisconnected;
        }
        return ActivateRowAsDoubleClicked(*held.get(), target.index);
    });
}

}  // namespace vorlane

#include "access/header_accessible.h"

#include <new>

#include "access/row_text.h"
#include "frame/row_positions.h"

namespace vorlane {

namespace {

// The column of the child at `index` (which Resolve checked).
uint32_t ColumnOfChild(const GridInstance& grid, uint32_t index) {
    return TableColumns(grid).at(index);
}

// A title's rectangle in the header pane's client coordinates.
RECT TitleRect(const GridInstance& grid, uint32_t column) {
    const ColumnRecord& record = *grid.store.columns().Get(column);
    return {record.x, 0, static_cast<LONG>(static_cast<int64_t>(record.x) + record.room),
            grid.headerHeight};
}

}  // namespace

uint32_t HeaderAccessible::ChildCount(const GridInstance& grid) const {
    return static_cast<uint32_t>(TableColumns(grid).size());
}

HRESULT STDMETHODCALLTYPE HeaderAccessible::get_accChildCount(LONG* count) {
    if (count == nullptr) {
        return E_POINTER;
    }
    *count = 0;
    if (Grid() == nullptr) {
        return kDisconnected;
    }
    try {
        *count = static_cast<LONG>(ChildCount(*Grid()));
        return S_OK;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

HRESULT STDMETHODCALLTYPE HeaderAccessible::get_accName(VARIANT id, BSTR* name) {
    return AnswerAbout(name, id, [&](const AccessTarget& target) -> HRESULT {
        if (target.self) {
            return S_FALSE;
        }
        return ReturnText(ColumnTitle(*Grid(), ColumnOfChild(*Grid(), target.index)), name);
    });
}

// The sort arrow the title shows.
HRESULT STDMETHODCALLTYPE HeaderAccessible::get_accDescription(VARIANT id, BSTR* description) {
    return AnswerAbout(description, id, [&](const AccessTarget& target) -> HRESULT {
        if (target.self) {
            return S_FALSE;
        }
        const uint32_t column = ColumnOfChild(*Grid(), target.index);
        switch (Grid()->columnWindows.SortIndicator(column)) {
            case kAscendingArrow: return ReturnText(L"ascending", description);
            case kDescendingArrow: return ReturnText(L"descending", description);
            default: return S_FALSE;
        }
    });
}

HRESULT STDMETHODCALLTYPE HeaderAccessible::get_accRole(VARIANT id, VARIANT* role) {
    return AnswerAbout(role, id, [&](const AccessTarget& target) -> HRESULT {
        SetLong(role, target.self ? ROLE_SYSTEM_LIST : ROLE_SYSTEM_COLUMNHEADER);
        return S_OK;
    });
}

HRESULT STDMETHODCALLTYPE HeaderAccessible::get_accState(VARIANT id, VARIANT* state) {
    return AnswerAbout(state, id, [&](const AccessTarget& target) -> HRESULT {
        const GridInstance& grid = *Grid();
        LONG flags = 0;
        if (!target.self) {
            const RECT title = TitleRect(grid, ColumnOfChild(grid, target.index));
            const RECT shown = ShownPart(grid.headerPane, grid.ownWindow);
            RECT both = {};
            if (!IntersectRect(&both, &title, &shown)) {
                flags |= STATE_SYSTEM_OFFSCREEN;
            }
        }
        SetLong(state, flags);
        return S_OK;
    });
}

// Titles take neither the focus nor a selection.
HRESULT STDMETHODCALLTYPE HeaderAccessible::get_accFocus(VARIANT* id) {
    const HRESULT opened = OpenWhole(id);
    return opened == S_OK ? S_FALSE : opened;
}

HRESULT STDMETHODCALLTYPE HeaderAccessible::get_accSelection(VARIANT* ids) {
    return get_accFocus(ids);
}

HRESULT STDMETHODCALLTYPE HeaderAccessible::get_accDefaultAction(VARIANT id, BSTR* action) {
    return AnswerAbout(action, id, [&](const AccessTarget& target) -> HRESULT {
        return target.self ? DISP_E_MEMBERNOTFOUND : ReturnText(L"Click", action);
    });
}

HRESULT STDMETHODCALLTYPE HeaderAccessible::accSelect(LONG, VARIANT id) {
    return AnswerAbout(id, [](const AccessTarget&) -> HRESULT { return DISP_E_MEMBERNOTFOUND; });
}

HRESULT STDMETHODCALLTYPE HeaderAccessible::accLocation(LONG* left, LONG* top, LONG* width,
                                                        LONG* height, VARIANT id) {
    return AnswerLocation(left, top, width, height, id, [&](const AccessTarget& target) {
        const GridInstance& grid = *Grid();
        RECT rect = target.self ? ShownPart(grid.headerPane, grid.ownWindow)
                                : TitleRect(grid, ColumnOfChild(grid, target.index));
        ToScreen(grid.headerPane, rect);
        return rect;
    });
}

HRESULT STDMETHODCALLTYPE HeaderAccessible::accNavigate(LONG direction, VARIANT start,
                                                        VARIANT* end) {
    return AnswerAbout(end, start, [&](const AccessTarget& target) -> HRESULT {
        return NavigateChildren(ChildCount(*Grid()), target, direction, true, end);
    });
}

// The title under a screen point; the list itself elsewhere in the shown header.
HRESULT STDMETHODCALLTYPE HeaderAccessible::accHitTest(LONG x, LONG y, VARIANT* id) {
    if (const HRESULT opened = OpenWhole(id); opened != S_OK) {
        return opened;
    }
    const GridInstance* grid = Grid();
    try {
        POINT point = {x, y};
        ScreenToClient(grid->headerPane, &point);
        const RECT shown = ShownPart(grid->headerPane, grid->ownWindow);
        if (!PtInRect(&shown, point)) {
            return S_FALSE;
        }
        const std::vector<uint32_t> columns = TableColumns(*grid);
        for (size_t child = 0; child < columns.size(); ++child) {
            const RECT title = TitleRect(*grid, columns[child]);
            if (PtInRect(&title, point)) {
                SetLong(id, static_cast<LONG>(child) + 1);
                return S_OK;
            }
        }
        SetLong(id, CHILDID_SELF);
        return S_OK;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

// The pointer arriving in the middle of the title, a press and a release, as the mouse gives
// them to the header pane (the arrival disarms a column resize armed by the real pointer).
HRESULT STDMETHODCALLTYPE HeaderAccessible::accDoDefaultAction(VARIANT id) {
    return AnswerAbout(id, [&](const AccessTarget& target) -> HRESULT {
        if (target.self) {
            return DISP_E_MEMBERNOTFOUND;
        }
        InstanceHold hold(Grid()->ownWindow);
        const RECT title = TitleRect(*hold.get(), ColumnOfChild(*hold.get(), target.index));
        const LPARAM middle = MAKELPARAM((title.left + title.right) / 2, title.bottom / 2);
        HWND pane = hold->headerPane;
        SendMessageW(pane, WM_MOUSEMOVE, 0, middle);
        if (hold.Alive()) {
            SendMessageW(pane, WM_LBUTTONDOWN, MK_LBUTTON, middle);
        }
        if (hold.Alive()) {
            SendMessageW(pane, WM_LBUTTONUP, 0, middle);
        }
        return hold.Alive() ? S_OK : E_FAIL;
    });
}

}  // namespace vorlane

// Scrolling through the elements: the grid's Scroll pattern moves the view as its bars do, a
// row's ScrollItem (and a virtual row's Realize) brings the row into view.
#include <algorithm>

#include "access/accessible_list.h"
#include "access/uia_element.h"
#include "frame/grid_handlers.h"

namespace vorlane {

namespace {

SCROLLINFO Bar(HWND window, int bar) {
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    if (!GetScrollInfo(window, bar, &info)) {
        info = {};
    }
    return info;
}

// How far a bar can move; 0 for a direction that does not scroll.
int64_t Travel(const SCROLLINFO& bar) {
    return std::max<int64_t>(0, static_cast<int64_t>(bar.nMax) - bar.nPage + 1 - bar.nMin);
}

HRESULT AnswerPercent(const GridInstance* grid, int which, bool viewSize, double* percent) {
    if (percent == nullptr) {
        return E_INVALIDARG;
    }
    *percent = viewSize ? 100.0 : kNoScroll;
    if (grid == nullptr) {
        return kElementNotAvailable;
    }
    const SCROLLINFO bar = Bar(grid->ownWindow, which);
    const int64_t travel = Travel(bar);
    if (travel == 0) {
        return S_OK;
    }
    *percent = viewSize ? 100.0 * bar.nPage / (static_cast<double>(bar.nMax) - bar.nMin + 1)
                        : 100.0 * (bar.nPos - bar.nMin) / static_cast<double>(travel);
    return S_OK;
}

// The scroll code of an amount; 0xFFFF for none, 0xFFFE for an amount that names nothing.
UINT ScrollCode(UiaScrollAmount amount) {
    switch (amount) {
        case UiaScrollAmount::LargeDecrement: return SB_PAGEUP;
        case UiaScrollAmount::SmallDecrement: return SB_LINEUP;
        case UiaScrollAmount::LargeIncrement: return SB_PAGEDOWN;
        case UiaScrollAmount::SmallIncrement: return SB_LINEDOWN;
        case UiaScrollAmount::NoAmount: return 0xFFFF;
    }
    return 0xFFFE;
}

bool PercentNamesNothing(double percent) {
    return percent != kNoScroll && !(percent >= 0.0 && percent <= 100.0);
}

}  // namespace

HRESULT STDMETHODCALLTYPE UiaElement::Scroll(UiaScrollAmount across, UiaScrollAmount down) {
    GridInstance* grid = Live();
    if (grid == nullptr) {
        return kElementNotAvailable;
    }
    const UINT acrossCode = ScrollCode(across);
    const UINT downCode = ScrollCode(down);
    if (acrossCode == 0xFFFE || downCode == 0xFFFE) {
        return E_INVALIDARG;
    }
    InstanceHold hold(grid->ownWindow);
    if (acrossCode != 0xFFFF) {
        OnHScroll(*grid, acrossCode);
    }
    if (downCode != 0xFFFF) {
        OnVScroll(*grid, downCode);
    }
    return hold.Alive() ? S_OK : kElementNotAvailable;
}

HRESULT STDMETHODCALLTYPE UiaElement::SetScrollPercent(double across, double down) {
    GridInstance* grid = Live();
    if (grid == nullptr) {
        return kElementNotAvailable;
    }
    if (PercentNamesNothing(across) || PercentNamesNothing(down)) {
        return E_INVALIDARG;
    }
    InstanceHold hold(grid->ownWindow);
    if (across != kNoScroll) {
        const SCROLLINFO bar = Bar(grid->ownWindow, SB_HORZ);
        ScrollAcrossTo(*grid, bar.nMin + static_cast<int64_t>(across / 100.0 * Travel(bar) + 0.5));
    }
    if (down != kNoScroll && hold.Alive()) {
        const SCROLLINFO bar = Bar(grid->ownWindow, SB_VERT);
        ScrollRowsTo(*grid, bar.nMin + static_cast<int64_t>(down / 100.0 * Travel(bar) + 0.5));
    }
    return hold.Alive() ? S_OK : kElementNotAvailable;
}

HRESULT STDMETHODCALLTYPE UiaElement::get_HorizontalScrollPercent(double* percent) {
    return AnswerPercent(Live(), SB_HORZ, false, percent);
}
HRESULT STDMETHODCALLTYPE UiaElement::get_VerticalScrollPercent(double* percent) {
    return AnswerPercent(Live(), SB_VERT, false, percent);
}
HRESULT STDMETHODCALLTYPE UiaElement::get_HorizontalViewSize(double* percent) {
    return AnswerPercent(Live(), SB_HORZ, true, percent);
}
HRESULT STDMETHODCALLTYPE UiaElement::get_VerticalViewSize(double* percent) {
    return AnswerPercent(Live(), SB_VERT, true, percent);
}

HRESULT STDMETHODCALLTYPE UiaElement::get_HorizontallyScrollable(BOOL* scrollable) {
    double percent = 0;
    const HRESULT read = get_HorizontalScrollPercent(scrollable != nullptr ? &percent : nullptr);
    if (scrollable != nullptr) {
        *scrollable = percent != kNoScroll;
    }
    return read;
}

HRESULT STDMETHODCALLTYPE UiaElement::get_VerticallyScrollable(BOOL* scrollable) {
    double percent = 0;
    const HRESULT read = get_VerticalScrollPercent(scrollable != nullptr ? &percent : nullptr);
    if (scrollable != nullptr) {
        *scrollable = percent != kNoScroll;
    }
    return read;
}

// The row's top shows at the top of the view, or its bottom at the bottom, whichever moves less.
HRESULT STDMETHODCALLTYPE UiaElement::ScrollIntoView() {
    GridInstance* grid = Live();
    if (grid == nullptr) {
        return kElementNotAvailable;
    }
    const int64_t top = SendMessageA(grid->listPane, LB_GETTOPINDEX, 0, 0);
    const RECT area = ShownPart(grid->listPane, grid->ownWindow);
    const int64_t rows =
        std::max<int64_t>(1, (area.bottom - area.top) / std::max(1, grid->rowHeight));
    if (row_ < top) {
        ScrollRowsTo(*grid, row_);
    } else if (row_ >= top + rows) {
        ScrollRowsTo(*grid, static_cast<int64_t>(row_) - rows + 1);
    }
    return Live() != nullptr ? S_OK : kElementNotAvailable;
}

}  // namespace vorlane

// A tracking tooltip: it shows only when told, where told, so that its text lands on the cell's
// own text. Its one tool belongs to the control; it lets the mouse through to the pane below,
// which keeps the hover and the clicks. The control owns it: a tooltip notifies its owner (its
// custom drawing among other things), and a window made with a child window as its parent is
// owned by that child's top-level window, which must hear only from its grids.
#include "frame/cell_tip_window.h"

#include <commctrl.h>

#include "frame/shared_state.h"
#include "vorlane.h"

namespace vorlane {

namespace {

constexpr UINT_PTR kToolId = 1;
constexpr UINT kToolFlags = TTF_TRACK | TTF_ABSOLUTE | TTF_TRANSPARENT;

// The tool record as every comctl32 version reads it: the structure's full size in recent
// headers has a field the version loaded without a manifest refuses.
TTTOOLINFOW ToolInfo(const GridInstance& grid, const wchar_t* text) {
    TTTOOLINFOW tool = {};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = kToolFlags;
    tool.hwnd = grid.ownWindow;
    tool.uId = kToolId;
    tool.lpszText = const_cast<wchar_t*>(text);
    return tool;
}

// A tooltip of the grid's width (ANSI or Unicode, as its class), owned by the control itself, not
// by its top-level window, with its one tool. Null when any part fails.
HWND MakeTipWindow(const GridInstance& grid) {
    INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    constexpr DWORD kStyle = WS_POPUP | TTS_ALWAYSTIP;
    HINSTANCE module = Shared().moduleInstance;
    HWND tip = grid.store.textWidth() == TextWidth::Utf16
                   ? CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, kStyle, 0, 0, 0, 0,
                                     grid.ownWindow, nullptr, module, nullptr)
                   : CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, kStyle, 0, 0, 0, 0,
                                     grid.ownWindow, nullptr, module, nullptr);
    if (tip == nullptr) {
        return nullptr;
    }
    SetWindowLongPtrW(tip, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(grid.ownWindow));
    TTTOOLINFOW tool = ToolInfo(grid, L"");
    if (SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) == FALSE) {
        DestroyWindow(tip);
        return nullptr;
    }
    return tip;
}

}  // namespace

bool ShowCellTip(GridInstance& grid, const std::wstring& text, const RECT& textArea, HFONT font) {
    HideCellTip(grid);
    if (grid.tip.window == nullptr) {
        grid.tip.window = MakeTipWindow(grid);
        if (grid.tip.window == nullptr) {
            return false;
        }
    }
    HWND tip = grid.tip.window;
    SendMessageW(tip, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    TTTOOLINFOW tool = ToolInfo(grid, text.c_str());
    SendMessageW(tip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    // The window whose text area is the painted text's.
    RECT window = textArea;
    SendMessageW(tip, TTM_ADJUSTRECT, TRUE, reinterpret_cast<LPARAM>(&window));
    SendMessageW(tip, TTM_TRACKPOSITION, 0, MAKELPARAM(window.left, window.top));
    SendMessageW(tip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    grid.tip.shown = true;
    return true;
}

void HideCellTip(GridInstance& grid) {
    if (!grid.tip.shown) {
        return;
    }
    grid.tip.shown = false;
    TTTOOLINFOW tool = ToolInfo(grid, nullptr);
    SendMessageW(grid.tip.window, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

void DestroyCellTip(GridInstance& grid) {
    grid.tip.shown = false;
    if (grid.tip.window != nullptr) {
        DestroyWindow(grid.tip.window);
        grid.tip.window = nullptr;
    }
}

LRESULT OnTipNotify(const GridInstance& grid, const NMHDR* header) {
    if (header != nullptr && header->hwndFrom == grid.tip.window && grid.tip.window != nullptr &&
        header->code == static_cast<UINT>(NM_CUSTOMDRAW)) {
        return CDRF_DODEFAULT;
    }
    return 0;  // the tooltip's other notifications (shown, hidden) ask for nothing
}

bool EndsCellTip(UINT message) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_VSCROLL:
        case WM_HSCROLL:
        case WM_MOUSEWHEEL:
        case WM_MOUSEHWHEEL:
        case WM_SIZE:
        case WM_MOVE:
        case WM_SHOWWINDOW:
        case WM_ENABLE:
        case WM_CANCELMODE:
        case GRM_ADDCOLUMN:
        case GRM_SETCELL:
        case GRM_SETCELLEX:
        case GRM_SETCURCELL:
        case GRM_ENSUREVISIBLE:
        case GRM_BEGINEDIT:
        case GRM_SETCOLWIDTH:
        case GRM_SETCOLTITLE:
        case GRM_SETHEADERHEIGHT:
        case GRM_SETROWHEIGHT:
        case GRM_SETFONTS:
        case GRM_CLEARROWS:
        case GRM_SETROWCOUNT:
        case GRM_SORT:
        case GRM_SETSORTARROW:
        case GRM_RESTORETOPINDEX: return true;
        default: return false;
    }
}

}  // namespace vorlane

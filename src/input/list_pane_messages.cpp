#include "input/list_pane_messages.h"

namespace vorlane {

// Messages after which a second click's edit no longer opens: another press, a key, a scroll,
// the focus leaving, the pane going.
bool CancelsPendingEdit(UINT message) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDOWN:
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_MOUSEWHEEL:
        case WM_VSCROLL:
        case WM_KILLFOCUS:
        case WM_DESTROY: return true;
        default: return false;
    }
}

// Messages that would add, remove or rewrite the list box's items: the rows and their order are
// the control's own, so the pane refuses them (the control's own count changes reach the list
// box without passing here).
bool ChangesItems(UINT message) {
    switch (message) {
        case LB_ADDSTRING:
        case LB_INSERTSTRING:
        case LB_DELETESTRING:
        case LB_SETITEMDATA:
        case LB_RESETCONTENT:
        case LB_SETCOUNT:
        case LB_DIR:
        case LB_ADDFILE: return true;
        default: return false;
    }
}

// The list box moves its top row and caret itself while it handles a message: keys, scrolls,
// selections, item changes, its own resizing, its timer. Only messages that paint, ask or are
// answered here without it leave them where they are.
bool MayMoveRows(UINT message) {
    switch (message) {
        case WM_PAINT:
        case WM_ERASEBKGND:
        case WM_NCPAINT:
        case WM_NCHITTEST:
        case WM_SETCURSOR:
        case WM_GETDLGCODE:
        case WM_GETFONT:
        case WM_QUERYUISTATE:
        case WM_MOUSEMOVE:
        case LB_GETTOPINDEX:
        case LB_GETCARETINDEX:
        case LB_GETANCHORINDEX:
        case LB_GETCOUNT:
        case LB_GETCURSEL:
        case LB_GETITEMDATA:
        case LB_GETITEMHEIGHT:
        case LB_GETITEMRECT:
        case LB_GETSEL:
        case LB_GETSELCOUNT:
        case LB_GETSELITEMS:
        case LB_GETTEXT:
        case LB_GETTEXTLEN: return false;
        default: return true;
    }
}

}  // namespace vorlane

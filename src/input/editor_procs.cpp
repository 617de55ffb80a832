// The procedures of the two in-place editors, which replace the "Edit" procedure of each editor
// window. They turn Tab, Enter and Esc into the ends of an edit, keep a number editor to digits
// and '-', and end the edit whenever the editor is hidden. Everything else goes on to the
// replaced procedure.
#include "frame/grid_handlers.h"
#include "input/editing.h"
#include "vorlane.h"

namespace vorlane {

namespace {

constexpr WPARAM kTab = 0x09;
constexpr WPARAM kBackspace = 0x08;
constexpr WPARAM kEnter = 0x0D;
constexpr WPARAM kEscape = 0x1B;
// The Tab key as the list pane sees it when the text editor hands it on: repeat count 1, scan
// code 0x0F.
constexpr LPARAM kTabKeyData = 0x000F0001;

// Hiding the editor ends its edit: the grid is told which cell (the editor's identifier holds
// it) while the flag keeps the grid's own hiding from ending it a second time.
LRESULT OnHidden(HWND editor, GridInstance& grid, WPARAM wParam, LPARAM lParam) {
    if (!grid.edit.hideEndsNothing) {
        grid.edit.hideEndsNothing = true;
        SendMessageA(GridOfEditor(editor), GRM_ENDEDIT,
                     static_cast<WPARAM>(GetWindowLongPtrA(editor, GWLP_ID)), 0);
        grid.edit.hideEndsNothing = false;
        if (!IsWindow(editor)) {
            return 0;  // the parent destroyed the control while it was told
        }
    }
    return CallReplaced(editor, WM_SHOWWINDOW, wParam, lParam);
}

// Enter in the text editor: the edit ends and its text is written.
void CommitWithEnter(HWND editor, GridInstance& grid) {
    grid.edit.commitOnHide = true;
    ShowWindow(editor, SW_HIDE);
    // An editor that was already hidden ended nothing: the commit must not reach a later end.
    grid.edit.commitOnHide = false;
}

// Tab in the text editor: end the edit unwritten, then let the list pane take the Tab and a
// double click, and clear the selection in the editor of the (possibly new) current column.
void PassTabOn(HWND editor, GridInstance& grid) {
    ShowWindow(editor, SW_HIDE);
    if (grid.destroyed) {
        return;
    }
    SendMessageA(grid.listPane, WM_KEYDOWN, VK_TAB, kTabKeyData);
    if (grid.destroyed) {
        return;
    }
    SendMessageA(grid.listPane, WM_LBUTTONDBLCLK, 0, 0);
    if (grid.destroyed) {
        return;
    }
    const ColumnRecord* current = grid.store.columns().Get(grid.currentColumn);
    if (current != nullptr && current->editor != 0) {
        SendMessageA(reinterpret_cast<HWND>(current->editor), EM_SETSEL, static_cast<WPARAM>(-1),
                     0);
    }
}

bool IsNumberCharacter(WPARAM character) {
    return (character >= '0' && character <= '9') || character == '-' || character == kBackspace;
}

// What both editors do alike; true when the message was consumed, with its result.
bool HandleCommon(HWND editor, GridInstance& grid, UINT message, WPARAM wParam, LPARAM lParam,
                  LRESULT& result) {
    switch (message) {
        case WM_SHOWWINDOW:
            if (wParam != 0) {
                return false;
            }
            result = OnHidden(editor, grid, wParam, lParam);
            return true;
        case WM_GETDLGCODE: result = kEditorDialogCode; return true;
        case WM_CHAR:
            if (wParam != kEscape) {
                return false;
            }
            HideEditorQuietly(grid, editor);
            result = 0;
            return true;
        default: return false;
    }
}

}  // namespace

LRESULT CALLBACK TextEditorProc(HWND editor, UINT message, WPARAM wParam, LPARAM lParam) {
    InstanceHold hold(GridOfEditor(editor));
    if (!hold) {
        return CallReplaced(editor, message, wParam, lParam);
    }
    LRESULT result = 0;
    if (HandleCommon(editor, *hold.get(), message, wParam, lParam, result)) {
        return result;
    }
    if (message == WM_CHAR && wParam == kTab) {
        PassTabOn(editor, *hold.get());
        return 0;
    }
    if (message == WM_CHAR && wParam == kEnter) {
        CommitWithEnter(editor, *hold.get());
        return 0;
    }
    return CallReplaced(editor, message, wParam, lParam);
}

LRESULT CALLBACK NumberEditorProc(HWND editor, UINT message, WPARAM wParam, LPARAM lParam) {
    InstanceHold hold(GridOfEditor(editor));
    if (!hold) {
        return CallReplaced(editor, message, wParam, lParam);
    }
    LRESULT result = 0;
    if (HandleCommon(editor, *hold.get(), message, wParam, lParam, result)) {
        return result;
    }
    if (message == WM_CHAR && wParam == kEnter) {
        ShowWindow(editor, SW_HIDE);  // ends the edit, unwritten
        return 0;
    }
    if (message == WM_CHAR && !IsNumberCharacter(wParam)) {
        MessageBeep(0);  // Tab and every other character are refused
        return 0;
    }
    return CallReplaced(editor, message, wParam, lParam);
}

}  // namespace vorlane

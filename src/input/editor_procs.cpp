// The procedures of the two in-place editors, which replace the "Edit" procedure of each editor
// window. They turn Tab, Enter and Esc into the ends of an edit (EndEdit, editing.cpp), keep a
// number editor to digits and '-', and end the edit when something else hides the editor.
// Everything else goes on to the replaced procedure.
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

// Something other than the control hides the editor of the edit under way (the control's own
// hiding ends nothing): the edit ends unwritten, before the editor goes.
LRESULT OnHidden(HWND editor, GridInstance& grid, WPARAM wParam, LPARAM lParam) {
    if (!grid.edit.hideEndsNothing && editor == grid.edit.editor) {
        EndEdit(grid, EditEnd::Discard, grid.edit.cell);
        if (!IsWindow(editor)) {
            return 0;  // the parent destroyed the control while it was told
        }
    }
    return CallReplaced(editor, WM_SHOWWINDOW, wParam, lParam);
}

// Tab in the text editor: end the edit unwritten, then let the list pane take the Tab and a
// double click, and clear the selection in the editor of the (possibly new) current column.
void PassTabOn(HWND editor, GridInstance& grid) {
    CloseEditor(grid, editor, EditEnd::Discard);
    if (grid.destroyed) {
        return;
    }
    grid.gesture.tabFromEditor = true;
    SendMessageA(grid.listPane, WM_KEYDOWN, VK_TAB, kTabKeyData);
    if (grid.destroyed) {
        return;
    }
    grid.gesture.tabFromEditor = false;
    SendMessageA(grid.listPane, WM_LBUTTONDBLCLK, 0, 0);
    if (grid.destroyed) {
        return;
    }
    HWND current = grid.columnWindows.Editor(grid.currentColumn);
    if (current != nullptr) {
        SendMessageA(current, EM_SETSEL, static_cast<WPARAM>(-1), 0);
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

// A choice made in the open list, told after the list has closed.
constexpr UINT kCommitChoice = WM_APP + 0x31;

// Enter commits the choice, Escape cancels the edit. An open list closes first: on Enter as the
// list itself closes, keeping the choice its user moved to; on Escape unkept.
void EndChoiceByKey(HWND editor, GridInstance& grid, WPARAM key, LPARAM keyData) {
    if (key == VK_ESCAPE) {
        SendMessageA(editor, CB_SHOWDROPDOWN, FALSE, 0);
        HideEditorQuietly(grid, editor);
        return;
    }
    if (SendMessageA(editor, CB_GETDROPPEDSTATE, 0, 0) != 0) {
        CallReplaced(editor, WM_KEYDOWN, key, keyData);
        if (!IsWindow(editor)) {
            return;
        }
    }
    CloseEditor(grid, editor, EditEnd::Commit);
    if (!grid.destroyed) {
        grid.edit.commitOwed = false;
    }
}

}  // namespace

LRESULT CALLBACK ChoiceEditorProc(HWND editor, UINT message, WPARAM wParam, LPARAM lParam) {
    InstanceHold hold(GridOfEditor(editor));
    if (!hold) {
        return CallReplaced(editor, message, wParam, lParam);
    }
    if (message == WM_SHOWWINDOW && wParam == 0) {
        SendMessageA(editor, CB_SHOWDROPDOWN, FALSE, 0);  // a hidden editor leaves no list open
    }
    LRESULT result = 0;
    if (HandleCommon(editor, *hold.get(), message, wParam, lParam, result)) {
        return result;
    }
    if (message == WM_KEYDOWN && (wParam == VK_RETURN || wParam == VK_ESCAPE)) {
        EndChoiceByKey(editor, *hold.get(), wParam, lParam);
        return 0;
    }
    if (message == kCommitChoice) {
        CloseEditor(*hold.get(), editor, EditEnd::Commit);
        if (!hold->destroyed) {
            hold->edit.commitOwed = false;
        }
        return 0;
    }
    if (message == WM_CHAR && (wParam == kEnter || wParam == kTab)) {
        return 0;  // the key down has ended the edit already; Tab stays in the list
    }
    return CallReplaced(editor, message, wParam, lParam);
}

void OnChoiceCommand(GridInstance& grid, WPARAM wParam, LPARAM lParam) {
    const auto editor = reinterpret_cast<HWND>(lParam);
    if (editor == nullptr || editor != grid.edit.editor) {
        return;
    }
    if (HIWORD(wParam) == CBN_DROPDOWN) {
        grid.edit.choicesDropped = true;
    } else if (HIWORD(wParam) == CBN_SELENDOK && grid.edit.choicesDropped) {
        // Ended after the list has closed: the list box that reported the choice is still at
        // work while it is told.
        grid.edit.choicesDropped = false;
        PostMessageA(editor, kCommitChoice, 0, 0);
    }
}

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
        CloseEditor(*hold.get(), editor, EditEnd::Commit);
        // Whatever this Enter ended, it leaves no commit owed: neither to a later end nor to an
        // end under way that it came in the middle of.
        hold->edit.commitOwed = false;
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
        CloseEditor(*hold.get(), editor, EditEnd::Discard);
        return 0;
    }
    if (message == WM_CHAR && !IsNumberCharacter(wParam)) {
        MessageBeep(0);  // Tab and every other character are refused
        return 0;
    }
    return CallReplaced(editor, message, wParam, lParam);
}

}  // namespace vorlane

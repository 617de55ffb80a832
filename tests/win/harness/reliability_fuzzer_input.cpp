// The fuzzer's actions of edits and input: beginning and ending edits, sizing, scrolling, mouse
// messages to both panes, keys to the list pane, characters and pasted text to the open editor,
// and messages outside the control's set.
#include <algorithm>

#include "reliability_fuzzer.h"
#include "vorlane.h"

namespace testing_support {

void MessageFuzzer::BeginEdit() {
    const WPARAM column = rng_.Chance(20) ? GRID_EDIT_CURRENT : AnyColumn();
    const auto editor =
        reinterpret_cast<HWND>(Send(grid_, GRM_BEGINEDIT, column, static_cast<LPARAM>(AnyRow())));
    if (editor != nullptr &&
        (GetParent(editor) != listPane_ || !IsWindowVisible(editor) || model_.RowCount() == 0)) {
        Fail("GRM_BEGINEDIT answered a window that is no shown editor of the grid");
    }
}

void MessageFuzzer::EndOrCancelEdit() {
    if (rng_.Chance(40)) {
        Send(grid_, GRM_CANCELEDIT, rng_.Bits32(), rng_.Bits32());
        return;
    }
    const WPARAM cell = rng_.Chance(70) ? VORLANE_CELL(AnyColumn(), AnyRow()) : rng_.Bits32();
    Send(grid_, GRM_ENDEDIT, cell, rng_.Chance(80) ? 0 : rng_.Bits32());
}

void MessageFuzzer::Sizing() {
    if (rng_.Chance(50)) {
        Send(grid_, WM_SIZE, rng_.Bits32(), rng_.Bits32());
        return;
    }
    // A real resize, to nothing now and then, brings WM_SIZE with the new client area.
    const int width = rng_.Chance(10) ? 0 : rng_.Between(1, 900);
    const int height = rng_.Chance(10) ? 0 : rng_.Between(1, 700);
    ++messages_;
    Note("[move " + std::to_string(width) + "x" + std::to_string(height) + "]");
    MoveWindow(grid_, 5, 5, width, height, TRUE);
}

void MessageFuzzer::Scrolling() {
    const UINT messages[] = {WM_VSCROLL, WM_HSCROLL, WM_MOUSEWHEEL};
    const UINT message = rng_.Pick(messages);
    const WPARAM code = rng_.Chance(85) ? rng_.Below(9) : rng_.Bits32();
    const WPARAM wheel = static_cast<WPARAM>(rng_.Chance(50) ? -WHEEL_DELTA : WHEEL_DELTA) << 16;
    HWND target = message == WM_MOUSEWHEEL && rng_.Chance(50) ? listPane_ : grid_;
    Send(target, message,
         message == WM_MOUSEWHEEL ? (rng_.Chance(80) ? wheel : rng_.Bits32()) : code,
         rng_.Bits32());
}

void MessageFuzzer::ListMouse() {
    static const UINT kMessages[] = {WM_LBUTTONDOWN, WM_LBUTTONUP,     WM_RBUTTONDOWN,
                                     WM_RBUTTONUP,   WM_LBUTTONDBLCLK, WM_MOUSEMOVE,
                                     WM_LBUTTONDOWN, WM_LBUTTONUP,     WM_MOUSEMOVE};
    static const WPARAM kKeys[] = {0,          MK_LBUTTON,
                                   MK_RBUTTON, MK_LBUTTON | MK_SHIFT,
                                   MK_CONTROL, MK_LBUTTON | MK_CONTROL,
                                   MK_LBUTTON};
    const UINT message = rng_.Pick(kMessages);
    const WPARAM keys = rng_.Chance(85) ? rng_.Pick(kKeys) : rng_.Below(0x80);
    const int rowHeight = std::clamp(model_.rowHeight, 1, 60);
    const LPARAM point = rng_.Chance(90) ? MAKELPARAM(rng_.Below(700), rng_.Below(12 * rowHeight))
                                         : static_cast<LPARAM>(rng_.Bits32());
    if (rng_.Chance(10)) {
        // Shift and Ctrl as the thread's key state reports them at the next press or release.
        BYTE state[256] = {};
        state[VK_SHIFT] = rng_.Chance(30) ? 0x80 : 0;
        state[VK_CONTROL] = rng_.Chance(30) ? 0x80 : 0;
        SetKeyboardState(state);
    }
    if (message == WM_RBUTTONDOWN || message == WM_RBUTTONUP || message == WM_MOUSEMOVE) {
        // The right button's handlers and the drag read the pointer itself.
        RECT pane;
        GetWindowRect(listPane_, &pane);
        SetCursorPos(pane.left + static_cast<int>(rng_.Below(700)),
                     pane.top + static_cast<int>(rng_.Below(300)) - 5);
    }
    pressed_ = message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN;
    Send(listPane_, message, keys, point);
}

void MessageFuzzer::HeaderMouse() {
    static const UINT kMessages[] = {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK,
                                     WM_MOUSEMOVE};
    const UINT message = rng_.Pick(kMessages);
    // Near a column's right edge now and then, where a resize begins.
    uint32_t x = rng_.Below(800);
    if (model_.ColumnCount() != 0 && rng_.Chance(50)) {
        const uint32_t position = rng_.Below(model_.ColumnCount());
        uint32_t left = 0;
        for (uint32_t i = 0; i < position; ++i) {
            left += static_cast<uint32_t>(model_.columns[model_.order[i]].Room());
        }
        x = left + static_cast<uint32_t>(model_.columns[model_.order[position]].Room()) +
            rng_.Below(4) - 2;
    }
    const WPARAM keys = message == WM_MOUSEMOVE && rng_.Chance(40) ? MK_LBUTTON : 0;
    Send(headerPane_, message, keys, MAKELPARAM(x & 0xFFFF, rng_.Below(20)));
    ReadWidths();
}

void MessageFuzzer::ListKey() {
    struct Key {
        WPARAM virtualKey;
        UINT scan;
    };
    static const Key kKeys[] = {{VK_RETURN, 0x1C}, {VK_DOWN, 0x50},  {VK_UP, 0x48},
                                {VK_PRIOR, 0x49},  {VK_NEXT, 0x51},  {VK_HOME, 0x47},
                                {VK_END, 0x4F},    {VK_SPACE, 0x39}, {VK_TAB, 0x0F},
                                {VK_LEFT, 0x4B},   {VK_RIGHT, 0x4D}, {'A', 0x1E}};
    Key key = rng_.Pick(kKeys);
    if (rng_.Chance(10)) {
        key.virtualKey = rng_.Below(256);
    }
    UINT scan = key.scan;
    const uint32_t roll = rng_.Below(10);
    if (roll < 3) {
        scan |= 0x100;  // the extended key
    } else if (roll < 5) {
        scan = roll == 3 ? 0 : rng_.Below(0x400);
    }
    const LPARAM data = static_cast<LPARAM>(1 | (scan << 16));
    const UINT message = rng_.Chance(90) ? WM_KEYDOWN : WM_CHAR;
    Send(listPane_, message, key.virtualKey, data);
}

void MessageFuzzer::EditorInput() {
    HWND editor = VisibleEditor();
    if (editor == nullptr) {
        BeginEdit();
        return;
    }
    if (rng_.Chance(5)) {
        // Text arrives whole, as a paste would bring it: no key filter sees it.
        const std::string text = HostileText();
        Send(editor, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
        return;
    }
    static const WPARAM kCharacters[] = {'\r', '\r', '\t', 0x1B, '0', '7', '-', ',', 8, 'a', '&'};
    const WPARAM character =
        rng_.Chance(90)
            ? rng_.Pick(kCharacters)
            : static_cast<unsigned char>(SafeForEditors(static_cast<char>(1 + rng_.Below(255))));
    if (rng_.Chance(5)) {
        Send(editor, rng_.Chance(50) ? WM_KEYDOWN : WM_GETDLGCODE, character, 1);
        return;
    }
    Send(editor, WM_CHAR, character, 1);
}

void MessageFuzzer::OutsideMessages() {
    static const UINT kMessages[] = {WM_USER,          WM_USER + 0x2C,
                                     WM_USER + 0x100,  WM_CTLCOLORLISTBOX,
                                     WM_LBUTTONDBLCLK, WM_SETFOCUS};
    const UINT message = rng_.Pick(kMessages);
    const LRESULT result = Send(grid_, message, rng_.Bits32(), 0);
    if ((message == WM_USER || message == WM_USER + 0x2C) && result != 0) {
        Fail("an unknown message was not left to the default procedure");
    }
}

}  // namespace testing_support

#include "real_input.h"

#include <vector>

#include "harness.h"

namespace testing_support {

namespace {

bool IsExtendedKey(WORD key) {
    switch (key) {
        case VK_APPS:
        case VK_INSERT:
        case VK_DELETE:
        case VK_HOME:
        case VK_END:
        case VK_PRIOR:
        case VK_NEXT:
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
        case VK_RCONTROL:
        case VK_RMENU: return true;
        default: return false;
    }
}

INPUT KeyInput(WORD key, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags =
        (up ? KEYEVENTF_KEYUP : 0) | (IsExtendedKey(key) ? KEYEVENTF_EXTENDEDKEY : 0);
    return input;
}

void SendOne(INPUT input) {
    SendInput(1, &input, sizeof input);
    PumpMessages();
}

}  // namespace

void FocusForKeys(HWND window) {
    HWND top = GetAncestor(window, GA_ROOT);
    SetForegroundWindow(top);
    SetActiveWindow(top);
    SetFocus(window);
    PumpMessages();
}

void TypeChord(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs;
    for (WORD key : keys) {
        inputs.push_back(KeyInput(key, false));
    }
    for (auto key = keys.end(); key != keys.begin();) {
        inputs.push_back(KeyInput(*--key, true));
    }
    // One at a time, each taken from the queue before the next: the key state a handler reads
    // is the one the keyboard had as its key went down.
    for (const INPUT& input : inputs) {
        SendOne(input);
    }
}

void MouseTo(HWND window, POINT client) {
    ClientToScreen(window, &client);
    SetCursorPos(client.x, client.y);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_MOVE;  // no distance: a move message where the pointer is
    SendOne(input);
}

void LeftButton(bool down) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SendOne(input);
}

void ClickAt(HWND window, POINT client) {
    MouseTo(window, client);
    LeftButton(true);
    LeftButton(false);
}

void DoubleClickAt(HWND window, POINT client) {
    ClickAt(window, client);
    LeftButton(true);
    LeftButton(false);
}

void DragTo(HWND window, POINT to, bool release) {
    POINT from = {};
    GetCursorPos(&from);
    ScreenToClient(window, &from);
    LeftButton(true);
    constexpr int kSteps = 4;
    for (int step = 1; step <= kSteps; ++step) {
        MouseTo(window, {from.x + (to.x - from.x) * step / kSteps,
                         from.y + (to.y - from.y) * step / kSteps});
    }
    if (release) {
        LeftButton(false);
    }
}

void DragFromTo(HWND window, POINT from, POINT to) {
    MouseTo(window, from);
    DragTo(window, to);
}

void RunMessagesFor(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        PumpMessages();
    }
}

DoubleClickTime::DoubleClickTime(UINT milliseconds) : saved_(GetDoubleClickTime()) {
    SetDoubleClickTime(milliseconds);
}

DoubleClickTime::~DoubleClickTime() {
    SetDoubleClickTime(saved_);
}

void DoubleClickTime::LetPass() {
    RunMessagesFor(GetDoubleClickTime() + 100);
}

}  // namespace testing_support

#include "demo_window.h"

#include "vorlane.h"

namespace {

const char kDemoClass[] = "VorlaneDemoWindow";
constexpr int kGap = 6;

struct DemoState {
    HWND left = nullptr;
    HWND right = nullptr;
};

DemoState& State() {
    static DemoState state;
    return state;
}

void LayOut(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    int half = (client.right - 3 * kGap) / 2;
    int height = client.bottom - 2 * kGap;
    MoveWindow(State().left, kGap, kGap, half, height, TRUE);
    MoveWindow(State().right, 2 * kGap + half, kGap, half, height, TRUE);
}

HWND CreateGridPane(HWND parent, int id) {
    return CreateWindowExA(WS_EX_CLIENTEDGE, VORLANE_CLASS, nullptr,
                           WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleA(nullptr), nullptr);
}

LRESULT CALLBACK DemoProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            State().left = CreateGridPane(window, 1);
            State().right = CreateGridPane(window, 2);
            return 0;
        case WM_SIZE:
            LayOut(window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

HWND CreateDemoWindow(HINSTANCE instance) {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = DemoProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    windowClass.lpszClassName = kDemoClass;
    RegisterClassExA(&windowClass);
    return CreateWindowExA(0, kDemoClass, "Vorlane grid control",
                           WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 900, 560, nullptr, nullptr,
                           instance, nullptr);
}

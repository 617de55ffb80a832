// The demo: a window with two grid controls side by side.
//   vorlane_demo [--screenshot FILE.png]
// With --screenshot the window is drawn once, written to FILE.png and the program exits.
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include <string>

#include "demo_window.h"
#include "screenshot.h"

namespace {

struct Options {
    std::wstring screenshot;  // empty: run interactively
};

Options ParseOptions() {
    Options options;
    int count = 0;
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; args != nullptr && i < count; ++i) {
        std::wstring arg = args[i];
        if (arg == L"--screenshot" && i + 1 < count) {
            options.screenshot = args[++i];
        }
    }
    LocalFree(args);
    return options;
}

void PumpPending() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    Options options = ParseOptions();
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    HMODULE library = LoadLibraryA("vorlane.dll");
    if (library == nullptr) {
        MessageBoxA(nullptr, "vorlane.dll could not be loaded.", "Vorlane demo", MB_ICONERROR);
        return 1;
    }

    HWND window = CreateDemoWindow(instance);
    if (window == nullptr) {
        return 1;
    }
    int result = 0;
    if (!options.screenshot.empty()) {
        ShowWindow(window, SW_SHOW);
        UpdateWindow(window);
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        PumpPending();
        Sleep(200);
        PumpPending();
        result = SaveWindowPng(window, options.screenshot.c_str()) ? 0 : 2;
        DestroyWindow(window);
    } else {
        ShowWindow(window, show);
        MSG message;
        while (GetMessageA(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    FreeLibrary(library);
    CoUninitialize();
    return result;
}

// The demo: a two-pane file browser made of two grid controls.
//   vorlane_demo [LEFT_FOLDER [RIGHT_FOLDER]] [--write-files] [--dark]
//                [--screenshot FILE.png [--gesture select|drag|drop|rename|commands]]
//   vorlane_demo --rows N [--screenshot FILE.png]
// With --rows it shows N generated rows instead (up to 100,000,000 in the 64-bit build,
// 10,000,000 in the 32-bit one), kept by the demo and given to the grid as it asks for them;
// a title click reverses the order.
// Without folders it lists a small sample tree it creates in the temporary folder; a folder that
// does not exist is reported (in a message box, or on the error output with --screenshot) and
// the program exits with 4. It touches
// no file unless --write-files is given: then a drop copies the dropped files as well, and a
// rename renames the file. --dark shows both grids in the dark look on a dark window.
// With --screenshot the window is drawn once (after the gesture, if any), written to FILE.png,
// and the program exits: with 3 when the panes do not show what the gesture must leave, with 2
// when the picture could not be written.
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include <string>

#include "demo_window.h"
#include "generated_view.h"
#include "gestures.h"
#include "report.h"
#include "sample_tree.h"
#include "screenshot.h"

namespace {

struct Options {
    DemoOptions demo;
    std::wstring screenshot;  // empty: run interactively
    std::wstring gesture;     // scripted before the screenshot
    UINT generatedRows = 0;   // --rows: the generated view instead of the folders
};

Options ParseOptions() {
    Options options;
    int count = 0;
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; args != nullptr && i < count; ++i) {
        std::wstring arg = args[i];
        if (arg == L"--screenshot" && i + 1 < count) {
            options.screenshot = args[++i];
            options.demo.scripted = true;
        } else if (arg == L"--gesture" && i + 1 < count) {
            options.gesture = args[++i];
        } else if (arg == L"--rows" && i + 1 < count) {
            options.generatedRows = static_cast<UINT>(wcstoul(args[++i], nullptr, 10));
        } else if (arg == L"--write-files") {
            options.demo.writeFiles = true;
        } else if (arg == L"--dark") {
            options.demo.dark = true;
        } else if (options.demo.leftFolder.empty()) {
            options.demo.leftFolder = arg;
        } else {
            options.demo.rightFolder = arg;
        }
    }
    LocalFree(args);
    return options;
}

// Handles what is waiting. Pointer moves are dropped: those the system makes when a scripted
// gesture sets the cursor carry no button and would end the gesture being pictured.
void PumpPending() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_MOUSEMOVE) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

bool IsFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Shows the generated rows until the window is closed, or, with --screenshot, writes their
// picture and exits (2 when it could not be written).
int RunGeneratedView(HINSTANCE instance, const Options& options, int show) {
    HWND window = CreateGeneratedView(instance, options.generatedRows);
    if (window == nullptr) {
        ReportError(nullptr, L"The grid could not show that many rows.", options.demo.scripted);
        return 1;
    }
    if (!options.screenshot.empty()) {
        ShowWindow(window, SW_SHOW);
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        PumpPending();
        const bool saved = SaveWindowPng(window, options.screenshot.c_str());
        DestroyWindow(window);
        return saved ? 0 : 2;
    }
    ShowWindow(window, show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    Options options = ParseOptions();
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    HMODULE library = LoadLibraryW(L"vorlane.dll");
    if (library == nullptr) {
        ReportError(nullptr, L"vorlane.dll could not be loaded.", options.demo.scripted);
        return 1;
    }

    if (options.generatedRows != 0) {
        return RunGeneratedView(instance, options, show);
    }
    std::wstring sampleLeft;
    std::wstring sampleRight;
    if (options.demo.leftFolder.empty() || options.demo.rightFolder.empty()) {
        CreateSampleTree(sampleLeft, sampleRight);
        if (options.demo.leftFolder.empty())
            options.demo.leftFolder = sampleLeft;
        if (options.demo.rightFolder.empty())
            options.demo.rightFolder = sampleRight;
    }
    for (const std::wstring* folder : {&options.demo.leftFolder, &options.demo.rightFolder}) {
        if (!IsFolder(*folder)) {
            ReportError(nullptr, MissingFolderText(*folder), options.demo.scripted);
            return 4;
        }
    }
    HWND window = CreateDemoWindow(instance, options.demo);
    if (window == nullptr) {
        return 1;
    }
    int result = 0;
    if (!options.screenshot.empty()) {
        ShowWindow(window, SW_SHOW);
        UpdateWindow(window);
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        PumpPending();
        const bool shown = options.gesture.empty() || PlayGesture(window, options.gesture);
        Sleep(200);
        PumpPending();
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        result = !SaveWindowPng(window, options.screenshot.c_str()) ? 2 : shown ? 0 : 3;
        DestroyWindow(window);
    } else {
        ShowWindow(window, show);
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    FreeLibrary(library);
    CoUninitialize();
    return result;
}

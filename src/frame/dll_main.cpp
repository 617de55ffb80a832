// Library entry: prepares the process-wide resources and registers VorlaneClass and its Unicode
// twin VorlaneClassW at attach, unregisters them at detach. The library exports nothing else.
#include <windows.h>
#include <commctrl.h>

#include "frame/grid_handlers.h"
#include "frame/shared_state.h"
#include "vorlane.h"

namespace vorlane {
namespace {

void AttachProcess(HINSTANCE module) {
    SharedGridState& shared = Shared();
    shared.moduleInstance = module;

    INITCOMMONCONTROLSEX controls = {sizeof(controls),
                                     ICC_HOTKEY_CLASS | ICC_DATE_CLASSES | ICC_INTERNET_CLASSES};
    InitCommonControlsEx(&controls);
    shared.richEditLibrary = LoadLibraryA("RICHED20.DLL");

    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    // No CS_DBLCLKS: double clicks arrive in the list pane, not the control.
    windowClass.style = CS_BYTEALIGNCLIENT | CS_BYTEALIGNWINDOW | CS_GLOBALCLASS;
    windowClass.lpfnWndProc = GridWindowProc;
    windowClass.cbClsExtra = 0;
    windowClass.cbWndExtra = sizeof(LONG_PTR);  // slot 0: the control's instance
    windowClass.hInstance = module;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = VORLANE_CLASS;
    RegisterClassExA(&windowClass);

    // The Unicode class: the same window in every way but the width of its texts.
    WNDCLASSEXW wideClass = {};
    wideClass.cbSize = sizeof(wideClass);
    wideClass.style = windowClass.style;
    wideClass.lpfnWndProc = GridWindowProcW;
    wideClass.cbWndExtra = windowClass.cbWndExtra;
    wideClass.hInstance = module;
    wideClass.hCursor = windowClass.hCursor;
    wideClass.lpszClassName = VORLANE_CLASSW;
    RegisterClassExW(&wideClass);
}

void DetachProcess() {
    SharedGridState& shared = Shared();
    UnregisterClassA(VORLANE_CLASS, shared.moduleInstance);
    UnregisterClassW(VORLANE_CLASSW, shared.moduleInstance);
    if (shared.richEditLibrary != nullptr) {
        FreeLibrary(shared.richEditLibrary);
        shared.richEditLibrary = nullptr;
    }
}

}  // namespace
}  // namespace vorlane

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        vorlane::AttachProcess(module);
    } else if (reason == DLL_PROCESS_DETACH) {
        vorlane::DetachProcess();
    }
    return TRUE;
}

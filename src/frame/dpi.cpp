#include "frame/dpi.h"

namespace vorlane {

namespace {

using GetDpiForWindowProc = UINT(WINAPI*)(HWND);
using GetSystemMetricsForDpiProc = int(WINAPI*)(int, UINT);

// A function of `module` by name, as the type it is known to have; null where there is none.
template <class Proc>
Proc FindProc(HMODULE module, const char* name) {
    // Through the generic function type, which converts to any other without a warning.
    return reinterpret_cast<Proc>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// The per-monitor DPI functions of user32, or null where it has none; looked up once.
struct DpiFunctions {
    GetDpiForWindowProc dpiForWindow = nullptr;
    GetSystemMetricsForDpiProc metricsForDpi = nullptr;
};

const DpiFunctions& Functions() {
    static const DpiFunctions functions = [] {
        DpiFunctions found;
        if (HMODULE user = GetModuleHandleA("user32.dll")) {
            found.dpiForWindow = FindProc<GetDpiForWindowProc>(user, "GetDpiForWindow");
            found.metricsForDpi =
                FindProc<GetSystemMetricsForDpiProc>(user, "GetSystemMetricsForDpi");
        }
        return found;
    }();
    return functions;
}

}  // namespace

UINT WindowDpi(HWND window) {
    if (Functions().dpiForWindow != nullptr) {
        const UINT dpi = Functions().dpiForWindow(window);
        if (dpi != 0) {
            return dpi;
        }
    }
    int dpi = 0;
    if (HDC dc = GetDC(window)) {
        dpi = GetDeviceCaps(dc, LOGPIXELSY);
        ReleaseDC(window, dc);
    }
    return dpi > 0 ? static_cast<UINT>(dpi) : kBaseDpi;
}

int SmallIconSize(UINT dpi) {
    if (Functions().metricsForDpi != nullptr) {
        const int size = Functions().metricsForDpi(SM_CXSMICON, dpi);
        if (size > 0) {
            return size;
        }
    }
    return GetSystemMetrics(SM_CXSMICON);
}

}  // namespace vorlane

#include "frame/dpi.h"

#include "frame/find_proc.h"

namespace vorlane {

namespace {

using GetDpiForWindowProc = UINT(WINAPI*)(HWND);
using GetSystemMetricsForDpiProc = int(WINAPI*)(int, UINT);

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

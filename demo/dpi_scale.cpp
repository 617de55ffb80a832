#include "dpi_scale.h"

UINT DpiOf(HWND window) {
    using DpiForWindow = UINT(WINAPI*)(HWND);
    // Looked up at run time: the demo still starts where the system has no such function.
    static const auto dpiForWindow = reinterpret_cast<DpiForWindow>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (window != nullptr && dpiForWindow != nullptr) {
        if (const UINT dpi = dpiForWindow(window)) {
            return dpi;
        }
    }
    HDC screen = GetDC(nullptr);
    const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

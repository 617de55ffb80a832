#include "render/check_theme.h"

#include <uxtheme.h>
#include <vssym32.h>

#include "frame/find_proc.h"

namespace vorlane {

namespace {

using OpenThemeDataProc = HTHEME(WINAPI*)(HWND, LPCWSTR);
using OpenThemeDataForDpiProc = HTHEME(WINAPI*)(HWND, LPCWSTR, UINT);
using CloseThemeDataProc = HRESULT(WINAPI*)(HTHEME);
using DrawThemeBackgroundProc = HRESULT(WINAPI*)(HTHEME, HDC, int, int, const RECT*, const RECT*);

// The theme functions, loaded once from the system folder; all null where the library is
// missing. OpenThemeDataForDpi is newer than the others and may be absent alone: the theme then
// draws at the system's DPI, which is the window's on such systems.
struct ThemeFunctions {
    OpenThemeDataProc open = nullptr;
    OpenThemeDataForDpiProc openForDpi = nullptr;
    CloseThemeDataProc close = nullptr;
    DrawThemeBackgroundProc draw = nullptr;

    bool Usable() const { return open != nullptr && close != nullptr && draw != nullptr; }
};

const ThemeFunctions& Functions() {
    static const ThemeFunctions functions = [] {
        ThemeFunctions found;
        // Kept loaded for the life of the process, as the theme data drawn with it may be.
        HMODULE module = LoadLibraryExW(L"uxtheme.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        found.open = FindProc<OpenThemeDataProc>(module, "OpenThemeData");
        found.openForDpi = FindProc<OpenThemeDataForDpiProc>(module, "OpenThemeDataForDpi");
        found.close = FindProc<CloseThemeDataProc>(module, "CloseThemeData");
        found.draw = FindProc<DrawThemeBackgroundProc>(module, "DrawThemeBackground");
        return found;
    }();
    return functions;
}

int CheckBoxState(uint32_t check) {
    switch (check) {
        case 1: return CBS_CHECKEDNORMAL;
        case 2: return CBS_MIXEDNORMAL;
        default: return CBS_UNCHECKEDNORMAL;
    }
}

}  // namespace

CheckTheme::~CheckTheme() {
    Forget();
}

bool CheckTheme::Draw(HWND window, UINT dpi, HDC dc, const RECT& box, uint32_t check) {
    const ThemeFunctions& functions = Functions();
    if (!functions.Usable()) {
        return false;
    }
    if (opened_ && dpi != dpi_) {
        Forget();
    }
    if (!opened_) {
        opened_ = true;
        dpi_ = dpi;
        theme_ = functions.openForDpi != nullptr ? functions.openForDpi(window, L"BUTTON", dpi)
                                                 : functions.open(window, L"BUTTON");
    }
    if (theme_ == nullptr) {
        return false;
    }
    return SUCCEEDED(functions.draw(theme_, dc, BP_CHECKBOX, CheckBoxState(check), &box, nullptr));
}

void CheckTheme::Forget() {
    if (theme_ != nullptr) {
        Functions().close(theme_);
        theme_ = nullptr;
    }
    opened_ = false;
}

}  // namespace vorlane

// The theme's check box for one grid. The button class's theme data is opened for the grid's
// window at its DPI when a box is first drawn, and kept until the theme or the DPI changes; the
// theme library is loaded then too, so that a grid without check boxes never loads it.
#pragma once

#include <windows.h>

#include <cstdint>

namespace vorlane {

class CheckTheme {
  public:
    CheckTheme() = default;
    ~CheckTheme();
    CheckTheme(const CheckTheme&) = delete;
    CheckTheme& operator=(const CheckTheme&) = delete;

    // Draws the theme's check box for `check` (0 clear, 1 checked, 2 mixed) filling `box`, as
    // the theme sizes it at `dpi`. False, with nothing drawn, where `window` has no theme (none
    // is active, or theming is off for the window): the caller draws the classic box.
    bool Draw(HWND window, UINT dpi, HDC dc, const RECT& box, uint32_t check);

    // The theme changed: the data is opened again at the next box.
    void Forget();

  private:
    HANDLE theme_ = nullptr;  // the theme data (HTHEME), or null
    UINT dpi_ = 0;            // the DPI it was opened for
    bool opened_ = false;     // an opening was tried since the last change (theme_ may be null)
};

}  // namespace vorlane

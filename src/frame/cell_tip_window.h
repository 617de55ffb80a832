// The control's one tooltip window, which shows a cut-off text whole over the place it was
// painted. Made at the first text that needs it, destroyed with the control.
#pragma once

#include <windows.h>

#include <string>

#include "frame/grid_instance.h"

namespace vorlane {

// Shows `text` in `font` with its text laid exactly over `textArea` (screen coordinates),
// making the tooltip first when the control has none. False when it could not be made.
bool ShowCellTip(GridInstance& grid, const std::wstring& text, const RECT& textArea, HFONT font);
// Hides the tooltip if it shows anything; the window stays for the next text.
void HideCellTip(GridInstance& grid);
// True for the messages, to the control or a pane, after which a tip shown no longer matches
// the screen: presses, keys, scrolls, moves and changes of the cells, columns or rows.
bool EndsCellTip(UINT message);
// WM_NOTIFY to the control, which comes only from its own tooltip: the tooltip draws itself.
LRESULT OnTipNotify(const GridInstance& grid, const NMHDR* header);
// Destroys the tooltip, if one was made.
void DestroyCellTip(GridInstance& grid);

}  // namespace vorlane

// Which messages of the list pane change what: a pending edit, the list box's items, the rows in
// view. The pane's procedure asks before it hands a message on.
#pragma once

#include <windows.h>

namespace vorlane {

// Messages after which a second click's edit no longer opens: another press, a key, a scroll,
// the focus leaving, the pane going.
bool CancelsPendingEdit(UINT message);

// Messages that would add, remove or rewrite the list box's items: the rows and their order are
// the control's own, so the pane refuses them (the control's own count changes reach the list
// box without passing here).
bool ChangesItems(UINT message);

// The list box moves its top row and caret itself while it handles a message: keys, scrolls,
// selections, item changes, its own resizing, its timer. Only messages that paint, ask or are
// answered here without it leave them where they are.
bool MayMoveRows(UINT message);

}  // namespace vorlane

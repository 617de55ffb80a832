#include "tag_clicks.h"

#include "folder_view.h"

namespace {

struct TagPress {
    HWND grid = nullptr;
    UINT row = 0;
    bool pending = false;  // a press on a Tag cell whose click has not come yet
};

TagPress& LastPress() {
    static TagPress press;
    return press;
}

}  // namespace

void NotePress(HWND grid) {
    GridHitTest hit = {};
    GetCursorPos(&hit.point);
    ScreenToClient(grid, &hit.point);
    const bool onTag = Grid_HitTest(grid, &hit) == GRID_HT_CELL && hit.column == kTagColumn;
    LastPress() = TagPress{grid, hit.row, onTag};
}

bool TurnClickToTag(GridNotify& record) {
    TagPress& press = LastPress();
    const bool turned = press.pending && press.grid == record.hwndGrid && press.row == record.row &&
                        record.column != kTagColumn && !record.activated && !record.rightButton;
    press.pending = false;
    if (turned) {
        record.cancel = 1;
        Grid_SetCurCell(record.hwndGrid, kTagColumn, record.row);
    }
    return turned;
}

// Header painting: the background, a raised (or, while pressed, sunken) button per shown column
// with its title and sort arrow, and an empty raised button from the last column onwards.
#include "render/header_painter.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

#include "render/check_box.h"
#include "render/gdi_objects.h"
#include "render/paint_cache.h"
#include "render/text_room.h"
#include "vorlane.h"

namespace vorlane {

namespace {

constexpr LONG kTrailingButtonRight = 9999;  // the last button runs past any pane width
constexpr uint32_t kTitleSize = 256;         // 255 characters and the NUL

void DrawButtonFrame(HDC dc, RECT button, UINT edge) {
    DrawEdge(dc, &button, edge, BF_LEFT | BF_TOP);
    DrawEdge(dc, &button, edge, BF_RIGHT | BF_BOTTOM);
}

// The column's title as the control serves it. The title message has no buffer size, so a
// title too long for the buffer is read from the labels directly, cut to 255 characters.
// Titles count units of the grid's width (bytes, or UTF-16 units of a Unicode grid); the
// 255-unit cut never splits a surrogate pair.
struct TitleText {
    char16_t units[kTitleSize];  // room for either width
    char* bytes() { return reinterpret_cast<char*>(units); }
};

void ReadTitle(const GridInstance& grid, uint32_t column, const ColumnRecord& record,
               TitleText& title) {
    const bool wide = grid.store.textWidth() == TextWidth::Utf16;
    title.units[0] = 0;
    const StringPool& labels = grid.store.columns().labels();
    const size_t length =
        wide ? std::char_traits<char16_t>::length(labels.WideStringAt(record.titleOffset))
             : std::strlen(labels.StringAt(record.titleOffset));
    if (length < kTitleSize) {
        SendMessageA(grid.ownWindow, GRM_GETCOLTITLE, column,
                     reinterpret_cast<LPARAM>(title.units));
    } else {
        grid.store.columns().GetTitle(column, title.units, kTitleSize);
    }
    if (!wide) {
        title.bytes()[kTitleSize - 1] = '\0';
    } else if (IsHighSurrogate(title.units[kTitleSize - 2])) {
        title.units[kTitleSize - 2] = 0;
    }
    title.units[kTitleSize - 1] = 0;
}

// Title text and sort arrow inside the button; a pressed button shows them a pixel lower and to
// the right. The arrow stands at the title area's right end and the text is laid out left of it,
// so that the arrow never covers a letter. False when the control was destroyed while its title
// was asked for.
bool DrawTitle(const GridInstance& grid, HDC dc, uint32_t column, const ColumnRecord& record,
               const RECT& button) {
    TitleText title;
    ReadTitle(grid, column, record, title);
    if (grid.destroyed) {
        return false;
    }
    const TitleRoom room = TitleTextRoom(grid, column, record, button);
    RECT text = room.text;
    const int32_t sortIndicator = grid.columnWindows.SortIndicator(column);
    const bool sorted = sortIndicator != 0;
    const UINT format = TextAlignment(record.titleAlign) | CutTextEnding(grid);
    if (grid.store.textWidth() == TextWidth::Utf16) {
        DrawTextW(dc, reinterpret_cast<const wchar_t*>(title.units), -1, &text, format);
    } else {
        DrawTextA(dc, title.bytes(), static_cast<int>(std::strlen(title.bytes())), &text, format);
    }
    if (sorted) {
        grid.paint->sortArrows.Draw(dc, sortIndicator == kDescendingArrow, room.arrowLeft,
                                    button.top, grid.headerTextColor);
    }
    return true;
}

}  // namespace

void PaintHeader(const GridInstance& grid, const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    if (dc == nullptr) {
        return;
    }
    SetBkColor(dc, grid.headerBackColor);
    SetTextColor(dc, grid.headerTextColor);
    ScopedSelect font(dc, grid.headerFont);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &item.rcItem, "", 0, nullptr);

    LONG trailingLeft = item.rcItem.left;
    // The kind column (the last) and hidden columns have no button.
    for (const uint32_t column : grid.store.columns().Shown()) {
        const ColumnRecord record = *grid.store.columns().Get(column);
        const RECT button = TitleButton(record, item.rcItem);
        const bool pressed = (record.flags & kTitlePressed) != 0;
        DrawButtonFrame(dc, button, pressed ? BDR_SUNKENOUTER : BDR_RAISEDOUTER);
        // A title box stands where the cells' boxes stand; the title takes the room right of it.
        RECT titleRoom = button;
        if ((record.flags & kTitleCheckFlag) != 0 && record.cellKind == kCellCheck) {
            const RECT box = CheckBoxRect(grid, record, button);
            DrawCheckBox(grid, dc, box, grid.columnWindows.TitleChecked(column) ? 1 : 0);
            titleRoom.left = std::min(box.right, button.right);
        }
        if (record.titleOffset != 0 && !DrawTitle(grid, dc, column, record, titleRoom)) {
            return;
        }
        trailingLeft = button.right;
    }
    RECT trailing = {trailingLeft, item.rcItem.top, kTrailingButtonRight, item.rcItem.bottom};
    DrawButtonFrame(dc, trailing, BDR_RAISEDOUTER);
}

}  // namespace vorlane

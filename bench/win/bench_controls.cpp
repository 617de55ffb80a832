#include "bench_controls.h"

#include <windows.h>
#include <commctrl.h>

#include <cstring>

#include "vorlane.h"

namespace bench {

namespace {

const char* const kTitles[kShownColumns] = {"Name", "Note", "Size", "Count", "Total"};
constexpr int kRowHeight = 17;

// A row whose numbers show: kind 3. Its image comes from the high 16 bits when non-zero, else
// from the shell.
GridValue KindCell(const RowSet& rows, size_t i, RowIcons icons) {
    constexpr GridValue kShownNumbers = 3;
    return icons == RowIcons::ImageList
               ? (static_cast<GridValue>(rows.Image(i)) << 16) | kShownNumbers
               : kShownNumbers;
}

// The number as the floor draws it, without touching the heap: separators, empty for 0.
void FormatInto(INT32 value, char* out) {
    char digits[16];
    int count = 0;
    for (UINT32 v = static_cast<UINT32>(value); v != 0; v /= 10) {
        digits[count++] = static_cast<char>('0' + v % 10);
    }
    int at = 0;
    for (int i = count - 1; i >= 0; --i) {
        out[at++] = digits[i];
        if (i != 0 && i % 3 == 0) {
            out[at++] = ',';
        }
    }
    out[at] = '\0';
}

// The floor of row painting: the background and the five texts straight onto the item's
// device context, with the grid's cell insets and alignments.
void PaintBareRow(const DRAWITEMSTRUCT& item, void* context) {
    if (item.itemID == static_cast<UINT>(-1)) {
        return;
    }
    const auto& rows = *static_cast<const RowSet*>(context);
    const size_t i = item.itemData;
    if (i >= rows.size()) {
        return;
    }
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_WINDOW));
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(COLOR_WINDOWTEXT));
    for (int column = 0; column < kShownColumns; ++column) {
        char number[24];
        const char* text = number;
        if (column == 0) {
            text = rows.Name(i);
        } else if (column == 1) {
            text = rows.Note(i);
        } else {
            FormatInto(rows.Number(i, column - 2), number);
        }
        const int left = item.rcItem.left + ColumnLeft(column) + (column == 0 ? 16 : 0);
        RECT cell = {left + 2, item.rcItem.top + 1,
                     item.rcItem.left + ColumnLeft(column) + ColumnWidth(column) - 2,
                     item.rcItem.bottom};
        DrawTextA(item.hDC, text, static_cast<int>(std::strlen(text)), &cell,
                  column < 2 ? DT_LEFT : DT_RIGHT);
    }
}

}  // namespace

int ColumnLeft(int column) {
    return column < 2 ? column * kTextWidth : 2 * kTextWidth + (column - 2) * kNumberWidth;
}
int ColumnWidth(int column) {
    return column < 2 ? kTextWidth : kNumberWidth;
}
const char* ColumnTitle(int column) {
    return column >= 0 && column < kShownColumns ? kTitles[column] : "";
}

// ---- the grid ------------------------------------------------------------------------------

void ShareRowImages(HWND grid, HIMAGELIST images) {
    PartnerSet partners = {};
    partners.rowImageList = images;
    Grid_SetPartners(grid, &partners);
}

HWND CreateGrid(HWND host, RowIcons icons, HIMAGELIST rowImages, const char* folder, DWORD style) {
    HWND grid = CreateWindowExA(0, VORLANE_CLASS, nullptr, WS_CHILD | WS_VISIBLE | style, 0, 0,
                                kClientWidth, kClientHeight, host, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    ShareRowImages(grid, icons == RowIcons::ImageList ? rowImages : nullptr);
    for (int column = 0; column < 6; ++column) {
        ColumnDesc desc = {};
        desc.folderPrefix = column == 0 ? folder : nullptr;
        desc.width = column < kShownColumns ? ColumnWidth(column) : 0;
        desc.title = column < kShownColumns ? kTitles[column] : nullptr;
        desc.cellAlign = column < 2 ? GRID_ALIGN_LEFT : GRID_ALIGN_RIGHT;
        desc.cellKind = column < 2   ? GRID_CELL_TEXT
                        : column < 5 ? GRID_CELL_NUMBER
                                     : GRID_CELL_VALUE;
        desc.editorKind = GRID_EDITOR_NONE;
        Grid_AddColumn(grid, &desc);
    }
    return grid;
}

void FillGrid(HWND grid, const RowSet& rows, RowIcons icons) {
    for (size_t i = 0; i < rows.size(); ++i) {
        const GridValue values[6] = {reinterpret_cast<GridValue>(rows.Name(i)),
                                     reinterpret_cast<GridValue>(rows.Note(i)),
                                     rows.Number(i, 0),
                                     rows.Number(i, 1),
                                     rows.Number(i, 2),
                                     KindCell(rows, i, icons)};
        SendMessageA(grid, GRM_ADDROW, 0, reinterpret_cast<LPARAM>(values));
    }
}

HWND ListPaneOf(HWND grid) {
    return FindWindowExA(grid, nullptr, "ListBox", nullptr);
}

void DestroyGrid(HWND grid) {
    PartnerSet none = {};
    Grid_SetPartners(grid, &none);  // the row image list may go before the next grid comes
    DestroyWindow(grid);
}

// ---- the list view -------------------------------------------------------------------------

NumberTexts::NumberTexts(const RowSet& rows) {
    at_.reserve(3 * rows.size());
    texts_.reserve(rows.size() * 30);
    for (size_t i = 0; i < rows.size(); ++i) {
        for (int which = 0; which < 3; ++which) {
            char text[24];
            FormatInto(rows.Number(i, which), text);
            at_.push_back(static_cast<uint32_t>(texts_.size()));
            texts_.insert(texts_.end(), text, text + std::strlen(text) + 1);
        }
    }
}

HWND CreateListView(HWND host, HIMAGELIST images) {
    HWND list = CreateWindowExA(
        0, WC_LISTVIEWA, nullptr, WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHAREIMAGELISTS, 0, 0,
        kClientWidth, kClientHeight, host, nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
    for (int column = 0; column < kShownColumns; ++column) {
        LVCOLUMNA desc = {};
        desc.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        desc.fmt = column < 2 ? LVCFMT_LEFT : LVCFMT_RIGHT;
        desc.cx = ColumnWidth(column);
        desc.pszText = const_cast<char*>(kTitles[column]);
        SendMessageA(list, LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&desc));
    }
    return list;
}

void FillListView(HWND list, const RowSet& rows, const NumberTexts& numbers,
                  const std::vector<int>* shellIcons) {
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    for (size_t i = 0; i < rows.size(); ++i) {
        LVITEMA item = {};
        item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
        item.iItem = static_cast<int>(i);
        item.pszText = const_cast<char*>(rows.Name(i));
        item.iImage = shellIcons != nullptr ? (*shellIcons)[i] : rows.Image(i);
        item.lParam = static_cast<LPARAM>(i);
        const LRESULT index =
            SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        const char* texts[4] = {rows.Note(i), numbers.Text(i, 0), numbers.Text(i, 1),
                                numbers.Text(i, 2)};
        for (int sub = 1; sub < kShownColumns; ++sub) {
            LVITEMA subItem = {};
            subItem.iSubItem = sub;
            subItem.pszText = const_cast<char*>(texts[sub - 1]);
            SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(index),
                         reinterpret_cast<LPARAM>(&subItem));
        }
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

// ---- the bare list box ---------------------------------------------------------------------

HWND CreateBareListBox(HostWindow& host, const RowSet& rows, DWORD style) {
    host.SetItemPainter(PaintBareRow, const_cast<RowSet*>(&rows));
    constexpr DWORD kStyle = WS_CHILD | WS_VISIBLE | LBS_NOTIFY | LBS_MULTIPLESEL |
                             LBS_OWNERDRAWFIXED | LBS_NOINTEGRALHEIGHT;
    HWND list =
        CreateWindowExA(0, "ListBox", nullptr, kStyle | style, 0, 0, kClientWidth, kClientHeight,
                        host.get(), nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(list, LB_SETITEMHEIGHT, 0, kRowHeight);
    return list;
}

void FillBareListBox(HWND list, size_t count, size_t first) {
    for (size_t i = first; i < count; ++i) {
        SendMessageA(list, LB_ADDSTRING, 0, static_cast<LPARAM>(i));
    }
}

GridBesideListView::GridBesideListView(size_t rows)
    : data(rows, Pattern::Random),
      numbers(data),
      images(MakeRowImages()),
      grid(CreateGrid(host.get(), RowIcons::ImageList, images, nullptr)),
      list(CreateListView(host.get(), images)) {
    FillGrid(grid, data, RowIcons::ImageList);
    FillListView(list, data, numbers, nullptr);
}

GridBesideListView::~GridBesideListView() {
    DestroyGrid(grid);
    DestroyWindow(list);
    ImageList_Destroy(images);
}

}  // namespace bench

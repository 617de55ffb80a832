// Copying rows to the clipboard as text: the columns that show text, as painted, separated by
// tabs, each row ended by CR LF, in UTF-16 and in the process's code page.
#include <windows.h>

#include <cstring>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "access/row_text.h"
#include "frame/grid_handlers.h"
#include "frame/row_positions.h"
#include "frame/row_selection.h"
#include "store/column_set.h"

namespace vorlane {

namespace {

// The columns that show a text, in display order.
std::vector<uint32_t> CopiedColumns(const GridInstance& grid) {
    std::vector<uint32_t> columns;
    for (const uint32_t column : grid.store.columns().Shown()) {
        if (grid.store.columns().ShowsText(column)) {
            columns.push_back(column);
        }
    }
    return columns;
}

// The text of the selected rows, the current row when none is selected. False when there is
// no row to copy, or the grid was destroyed while an owner-data parent was asked for a cell.
bool CopiedText(GridInstance& grid, bool withTitles, std::wstring& text) {
    std::vector<uint32_t> rows;
    if (!SelectedRows(grid, rows)) {
        throw std::bad_alloc();
    }
    if (rows.empty() && grid.currentRow < RowCount(grid)) {
        rows.push_back(grid.currentRow);
    }
    if (rows.empty()) {
        return false;
    }
    const std::vector<uint32_t> columns = CopiedColumns(grid);
    if (withTitles) {
        for (size_t i = 0; i < columns.size(); ++i) {
            text += (i == 0 ? L"" : L"\t") + ColumnTitle(grid, columns[i]);
        }
        text += L"\r\n";
    }
    for (const uint32_t row : rows) {
        const uint32_t kindCell = KindCellAt(grid, row);
        for (size_t i = 0; i < columns.size() && !grid.destroyed; ++i) {
            const std::optional<std::wstring> shown =
                CellShownText(grid, columns[i], row, kindCell);
            if (i != 0) {
                text += L'\t';
            }
            text += shown.value_or(std::wstring());
        }
        if (grid.destroyed) {
            return false;
        }
        text += L"\r\n";
    }
    return true;
}

// Moveable global memory holding `bytes` bytes of `data`, for the clipboard to own; null
// without memory.
HGLOBAL GlobalCopy(const void* data, size_t bytes) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory == nullptr) {
        return nullptr;
    }
    void* target = GlobalLock(memory);
    if (target == nullptr) {
        GlobalFree(memory);
        return nullptr;
    }
    std::memcpy(target, data, bytes);
    GlobalUnlock(memory);
    return memory;
}

// Hands `memory` to the clipboard as `format`; frees it when the clipboard refuses it.
bool SetClipboardMemory(UINT format, HGLOBAL memory) {
    if (memory == nullptr) {
        return false;
    }
    if (SetClipboardData(format, memory) == nullptr) {
        GlobalFree(memory);
        return false;
    }
    return true;
}

// The clipboard opened for the grid's window while it lives.
class OpenClipboardScope {
  public:
    explicit OpenClipboardScope(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
    ~OpenClipboardScope() {
        if (open_) {
            CloseClipboard();
        }
    }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
    bool IsOpen() const { return open_; }

  private:
    bool open_;
};

bool PutOnClipboard(HWND owner, const std::wstring& text) {
    const int bytes =
        WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) {
        return false;
    }
    std::string narrow(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, narrow.data(), bytes, nullptr, nullptr);

    OpenClipboardScope clipboard(owner);
    if (!clipboard.IsOpen() || !EmptyClipboard()) {
        return false;
    }
    const bool wide = SetClipboardMemory(
        CF_UNICODETEXT, GlobalCopy(text.c_str(), (text.size() + 1) * sizeof(wchar_t)));
    const bool ansi = SetClipboardMemory(CF_TEXT, GlobalCopy(narrow.data(), narrow.size()));
    return wide && ansi;
}

}  // namespace

LRESULT OnCopy(GridInstance& grid, bool withTitles) {
    std::wstring text;
    try {
        if (!CopiedText(grid, withTitles, text)) {
            return 0;
        }
        return PutOnClipboard(grid.ownWindow, text) ? 1 : 0;
    } catch (const std::bad_alloc&) {
        return 0;
    }
}

}  // namespace vorlane

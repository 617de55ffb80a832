// What a client knows of a grid it has filled: the columns' kinds, widths and titles, and every
// row's cells in display order. The message fuzzer keeps one beside the control and compares.
//
// Rows are told apart by an id that the fuzzer stores in a number column (kIdColumn) and never
// rewrites, so that after a sort the display order can be read back from the control and
// matched with the model's rows.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace testing_support {

// Column 0 is free for any kind; the ids live in column 1, a number column with no text editor.
constexpr uint32_t kIdColumn = 1;

struct ModelColumn {
    int32_t kind = 0;     // cellKind as given
    int32_t width = 0;    // pixels, as the control answers
    bool titled = false;  // has a title
    bool hidden = false;  // takes no room while hidden
    std::string title;
    bool IsText() const { return kind == 0; }
    int32_t Room() const { return hidden ? 0 : width; }
};

struct ModelCell {
    std::string text;    // text cells
    uint32_t value = 0;  // every other cell
};

struct ModelRow {
    uint32_t id = 0;
    std::vector<ModelCell> cells;  // one per column
};

class GridModel {
  public:
    std::vector<ModelColumn> columns;
    std::vector<ModelRow> rows;   // display order
    std::vector<uint32_t> order;  // every column in display order, the kind column last
    int32_t rowHeight = 17;
    int32_t headerHeight = 17;

    void Reset() { *this = GridModel(); }
    void AddColumn(const ModelColumn& column) {
        order.push_back(ColumnCount());
        columns.push_back(column);
    }
    uint32_t ColumnCount() const { return static_cast<uint32_t>(columns.size()); }
    uint32_t RowCount() const { return static_cast<uint32_t>(rows.size()); }
    bool IsCell(uint32_t column, uint32_t row) const {
        return column < ColumnCount() && row < RowCount();
    }
    // Sum of the rooms as the control keeps it (a 32-bit unsigned total).
    uint32_t TotalWidth() const;

    // Reads one cell of the control and compares it with the model. Empty when they agree,
    // otherwise a description of the difference. A guard after the buffer catches overruns.
    std::string CheckCell(HWND grid, uint32_t column, uint32_t row) const;
    // Reads the ids of the control's rows and puts the model's rows in that order. Empty when
    // the control shows exactly the model's rows, otherwise what is wrong.
    std::string ReorderFromControl(HWND grid);
};

}  // namespace testing_support

// Everything one grid stores: its columns (with their labels), the cell table, the string pool
// of cell texts, the display order of the rows, and the row counts. Rows are appended whole and
// never removed one by one; a row is named by its row offset, the byte offset of its first slot in
// the cell table. Every text of a grid, labels included, is of the width the store was made with
// (text_width.h); a text slot holds a byte offset into the pool in either width.
#pragma once

#include <cstdint>
#include <optional>

#include "store/cell_table.h"
#include "store/column_set.h"
#include "store/row_order.h"
#include "store/sort_keys.h"
#include "store/string_pool.h"

namespace vorlane {

class GridStore {
  public:
    explicit GridStore(TextWidth width = TextWidth::Bytes) : columns_(width), pool_(width) {}

    TextWidth textWidth() const { return pool_.width(); }

    // Columns. Adding is refused (nullopt) while rows exist, when the set is full, or without
    // memory; the other writers return false for an index not below the column count.
    std::optional<uint32_t> AddColumn(const ColumnDescriptor& column);
    bool SetColumnWidth(uint32_t index, int32_t width) { return columns_.SetWidth(index, width); }
    bool SetColumnTitle(uint32_t index, const void* title) {
        return columns_.SetTitle(index, title);
    }
    bool SetColumnFlags(uint32_t index, uint32_t flags) { return columns_.SetFlags(index, flags); }
    bool SetColumnOrder(const uint32_t* order, uint32_t count) {
        return columns_.SetOrder(order, count);
    }
    bool SetColumnHidden(uint32_t index, bool hidden) { return columns_.SetHidden(index, hidden); }
    const ColumnSet& columns() const { return columns_; }

    // Appends a row: one slot per column, in column order. `values` holds one entry per column:
    // for a text column a pointer to a text of the store's width (null: the empty text), for any
    // other column the value, of which the low 32 bits are kept. A null array appends a row of
    // empty cells (text slots 0).
    // Returns the row offset, or nullopt when the grid has no columns or memory cannot be had; a
    // refused row changes nothing. A row counts as filled when its first entry is non-zero.
    // The texts must not point into this grid's own pool (read a cell out first).
    std::optional<uint32_t> AppendRow(const intptr_t* values);
    // Appends `count` rows from `values`, `count` runs of one entry per column as AppendRow
    // takes them, all or none: the memory for every row is obtained before the first is stored.
    // Returns the first new row's offset (the others follow one row size apart), or nullopt,
    // with nothing changed, for no columns, a null array, a count of 0, or without memory.
    std::optional<uint32_t> AppendRows(const intptr_t* values, uint32_t count);

    // What the rows are now, so that rows appended afterwards can be taken back with
    // DropRowsSince (when what shows them could not take them all).
    struct RowsMark {
        uint32_t tableUsed = 0;
        uint32_t tableCapacity = 0;
        uint32_t poolUsed = 0;
        uint32_t poolCapacity = 0;
        uint32_t orderUsed = 0;
        uint32_t orderCapacity = 0;
        uint32_t rowCount = 0;
        uint32_t filledRowCount = 0;
        bool tableExisted = false;
        bool poolExisted = false;
        bool orderExisted = false;
    };
    RowsMark Mark() const;
    // Removes every row appended since `mark` and the texts they stored; nothing else may have
    // changed the rows or the pool in between.
    void DropRowsSince(const RowsMark& mark);

    // Copies a cell into `destination`, which holds `destinationUnits` units of the store's
    // width: a text cell's text with its NUL, cut as StringPool::ReadString cuts; any other
    // cell's 32-bit value into the first 4 bytes (the destination must hold 4 bytes). False,
    // with nothing written, for a row offset or column that names no cell, or a destination too
    // small or null.
    bool ReadCell(uint32_t rowOffset, uint32_t column, void* destination,
                  uint32_t destinationUnits) const;
    // A cell as stored, read in place: a text cell's text (units of the store's width with
    // their NUL; the empty text when none is stored), valid until the next change of the rows,
    // or any other cell's 32-bit value. nullopt for a row offset or column that names no cell.
    struct StoredCell {
        bool isText = false;
        const void* text = nullptr;  // a text cell's text
        uint32_t value = 0;          // any other cell's value
    };
    std::optional<StoredCell> CellAt(uint32_t rowOffset, uint32_t column) const;
    // Writes a cell from `source`: a text cell takes the text of the store's width (null removes
    // it, the slot becomes 0); any other cell takes the 32-bit value `source` points to. False,
    // with nothing changed, for a cell that does not exist, a null source for a value cell, or
    // without memory.
    bool WriteCell(uint32_t rowOffset, uint32_t column, const void* source);

    // Gives back the memory the cell table, the string pool and the order hold for rows not yet
    // appended, when a fill is over: growth reserves up to half again what is stored. Appends
    // after it obtain memory again as they need it. Every view of the blocks moves.
    void TrimMemory() {
        table_.Trim();
        pool_.Trim();
        order_.Trim();
    }

    // The display order: the row offset shown at each position. Appends put each new row at the
    // end; a sort rewrites it.
    const RowOrder& order() const { return order_; }
    RowOrder& order() { return order_; }
    // The row offset shown at `position`; RowOrder::kNoRow past the last position.
    uint32_t OffsetAt(uint32_t position) const { return order_.At(position); }

    // Frees the cell table, the string pool and the order and zeroes the row counts, when rows
    // exist; the columns, their titles and masks stay. True when there were rows to clear.
    bool ClearRows();

    // True while the cell table exists, i.e. a row was added since creation or the last clear.
    bool HasRows() const { return table_.Exists(); }
    uint32_t RowCount() const { return rowCount_; }
    uint32_t FilledRowCount() const { return filledRowCount_; }
    // Bytes from one row offset to the next.
    uint32_t RowSize() const { return columns_.Count() * CellTable::kSlotSize; }
    // True when a whole row starts at `rowOffset`.
    bool IsRowOffset(uint32_t rowOffset) const;
    // The row's kind cell (its last column's 32-bit value); 0 for an offset that names no row.
    uint32_t KindCell(uint32_t rowOffset) const;

    // Gives the folding table wide text keys sort by: 65,536 entries, the upper case of each
    // UTF-16 code unit; the caller's, never freed here, and kept until it is replaced (null:
    // only a-z fold). Refused (false, nothing changed) for a table that maps 0 to anything but 0
    // or any other unit to 0: the sort reads a folded 0 as the end of a text.
    bool SetFoldTable(const uint16_t* fold);
    const uint16_t* foldTable() const { return fold_; }
    // What a sort by `keyColumn` reads: the table, the pool, the key kind, the text width and
    // the folding table. Valid until the next append.
    SortSource KeySource(uint32_t keyColumn) const;

    // Direct, read-only views for the sort and painting. Valid until the next append.
    const uint8_t* TableBytes() const { return table_.bytes(); }
    const char* PoolBytes() const { return pool_.bytes(); }
    const CellTable& table() const { return table_; }
    const StringPool& pool() const { return pool_; }

  private:
    // The bytes of pool one row's texts need (0 for a null row).
    uint64_t TextBytesOf(const intptr_t* values) const;
    // Obtains the memory for `textBytes` of pool, `slotBytes` of slots and `positions` of order,
    // all or none.
    bool ReserveFor(uint64_t textBytes, uint64_t slotBytes, uint64_t positions);
    // Stores one row, its memory obtained beforehand, and returns its offset.
    uint32_t CommitRow(const intptr_t* values);

    ColumnSet columns_;               // column records and their label pool
    CellTable table_;                 // one 32-bit slot per cell, row after row
    StringPool pool_;                 // texts of text cells
    RowOrder order_;                  // row offset shown at each position
    uint32_t rowCount_ = 0;           // rows appended since creation or the last clear
    uint32_t filledRowCount_ = 0;     // of those, rows whose first entry was non-zero
    const uint16_t* fold_ = nullptr;  // the caller's folding table for wide keys; null: a-z only
};

}  // namespace vorlane

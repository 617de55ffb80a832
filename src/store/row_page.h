// The rows of an owner-data grid as its parent last gave them: the cells fetched before a paint,
// held until the rows are painted and for reading a shown row's kind cell. Texts are cut to
// what the fetch buffer held and kept in the grid's width.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "store/text_width.h"

namespace vorlane {

class RowPage {
  public:
    explicit RowPage(TextWidth width) : width_(width) {}

    bool Holds(uint32_t row) const { return Find(row) != nullptr; }
    // Starts holding `row` with `columnCount` empty cells (texts empty, values 0), replacing
    // what was held for it. False, with nothing held for the row, without memory.
    bool Add(uint32_t row, uint32_t columnCount);
    // Writes a held row's cell; a row not held or a column past its cells is ignored. The text
    // (null: empty) is of the page's width; at most `maxUnits` units of it are kept.
    void SetText(uint32_t row, uint32_t column, const void* text, uint32_t maxUnits);
    void SetValue(uint32_t row, uint32_t column, uint32_t value);

    // As GridStore::ReadCell reads a cell: a text with its NUL, cut without splitting a
    // surrogate pair, or the 32-bit value into the first 4 bytes. False, with nothing written,
    // for a row not held, a column past its cells or a destination too small or null.
    bool Read(uint32_t row, uint32_t column, void* destination, uint32_t destinationUnits) const;
    // The value of the row's last cell (its kind cell); 0 for a row not held.
    uint32_t KindCell(uint32_t row) const;

    void Drop(uint32_t row);
    // Drops every row outside first..last.
    void Keep(uint32_t first, uint32_t last);
    void Clear() { rows_.clear(); }

  private:
    struct Cell {
        bool isText = false;
        uint32_t value = 0;
        std::string text;  // the text's units, without a NUL
    };
    struct Row {
        uint32_t row = 0;
        std::vector<Cell> cells;
    };
    const Row* Find(uint32_t row) const;
    Row* Find(uint32_t row) {
        return const_cast<Row*>(static_cast<const RowPage*>(this)->Find(row));
    }
    Cell* CellOf(uint32_t row, uint32_t column);

    TextWidth width_;
    std::vector<Row> rows_;  // a screenful at most: found by a scan
};

}  // namespace vorlane

// Type-to-find: characters typed in the list pane within a second of each other build a prefix,
// and the next row whose column 0, as shown, begins with it becomes current as Down makes a row
// current. Texts compare as the sort compares them: bytes with a-z folded in an ANSI grid,
// UTF-16 units through the grid's folding table in a Unicode one.
//
// Where the search starts: a prefix of one character, or of one character typed again and
// again, searches from the row after the current one, so that repeating a letter steps through
// the rows that begin with it; a longer prefix searches from the current row itself, which may
// still match. The search wraps around past the last row.
//
// A keystroke looks at a bounded number of rows from where the search starts, so that its cost
// does not grow with the grid: an owner-data grid's texts are its parent's, each row read a
// GRN_GETCELL, so it looks at no more than kOwnerDataFindRows; a grid that keeps its rows reads
// each row's place through its list box, about a microsecond a row here, so it looks at no more
// than kStoredFindRows. Rows further on are reached by typing again from nearer them.
#include <windows.h>

#include <algorithm>
#include <new>

#include "access/row_text.h"
#include "frame/row_positions.h"
#include "frame/row_selection.h"
#include "input/list_pane.h"
#include "store/sort_keys.h"
#include "vorlane.h"

namespace vorlane {

namespace {

constexpr DWORD kTypingPause = 1000;  // milliseconds after which a character starts a new prefix
constexpr size_t kLongestPrefix = kShownCellUnits - 1;  // no shown text is longer
constexpr uint64_t kOwnerDataFindRows = 1000;           // rows an owner-data search reads a key
constexpr uint64_t kStoredFindRows = 100000;            // rows any other search reads a key

bool IsWide(const GridInstance& grid) {
    return grid.store.textWidth() == TextWidth::Utf16;
}

// The prefix as searched for: one unit when every unit typed is the same one, which then steps
// to the next row beginning with it.
bool IsRepeatedUnit(const std::u16string& units) {
    return units.find_first_not_of(units[0]) == std::u16string::npos;
}

// A prefix whose last unit is the first half of a character (a lead byte of a double-byte code
// page, a high surrogate) waits for the rest before it is searched for.
bool EndsInsideCharacter(const GridInstance& grid, const std::u16string& units) {
    if (IsWide(grid)) {
        return units.back() >= 0xD800 && units.back() < 0xDC00;
    }
    size_t at = 0;
    while (at < units.size()) {
        at += IsDBCSLeadByte(static_cast<BYTE>(units[at])) != FALSE ? 2 : 1;
    }
    return at > units.size();
}

// True when column 0 of `row`, as shown, begins with the `length` units of `prefix`. An
// owner-data grid's parent is asked for the text: check destroyed after.
template <class Unit>
bool RowBeginsWith(GridInstance& grid, uint32_t row, const std::u16string& prefix, size_t length,
                   bool numberColumn) {
    Unit text[kShownCellUnits];
    // Only a number column's text depends on the kind cell ("<DIR>"); a text column's never.
    const uint32_t kindCell = numberColumn ? KindCellAt(grid, row) : 0;
    if (grid.destroyed) {
        return false;
    }
    const Unit* shown = CellShownUnits(grid, 0, row, kindCell, text);
    if (shown == nullptr) {
        return false;
    }
    if constexpr (sizeof(Unit) == 2) {
        return StartsWithWideTextKey(shown, prefix.c_str(), length, grid.store.foldTable());
    } else {
        unsigned char bytes[kShownCellUnits];
        for (size_t i = 0; i < length; ++i) {
            bytes[i] = static_cast<unsigned char>(prefix[i]);
        }
        return StartsWithTextKey(reinterpret_cast<const unsigned char*>(shown), bytes, length);
    }
}

// A row that Down could make current: filled, with its kind cell set.
bool MayBecomeCurrent(GridInstance& grid, uint32_t row) {
    return row < FilledRowCount(grid) && KindCellOfRow(grid, row) != 0;
}

// The first row from `start` on, wrapping around, that begins with the prefix and may become
// current; kNoRow when none does (or the grid went meanwhile).
uint32_t FindRow(GridInstance& grid, uint32_t start, const std::u16string& prefix, size_t length) {
    const uint32_t count = RowCount(grid);
    const bool numberColumn = grid.store.columns().CellKind(0) == kCellNumber;
    if (grid.store.columns().CellKind(0) == kCellCheck) {
        return kNoRow;  // check states are no text to find
    }
    const uint64_t span =
        std::min<uint64_t>(count, IsOwnerData(grid) ? kOwnerDataFindRows : kStoredFindRows);
    for (uint64_t step = 0; step < span; ++step) {
        const auto row = static_cast<uint32_t>((uint64_t{start} + step) % count);
        const bool begins = IsWide(grid)
                                ? RowBeginsWith<char16_t>(grid, row, prefix, length, numberColumn)
                                : RowBeginsWith<char>(grid, row, prefix, length, numberColumn);
        if (grid.destroyed) {
            return kNoRow;
        }
        if (begins && MayBecomeCurrent(grid, row)) {
            return row;
        }
        if (grid.destroyed || RowCount(grid) != count) {
            return kNoRow;  // the parent changed the rows while it was asked
        }
    }
    return kNoRow;
}

void MakeCurrent(GridInstance& grid, uint32_t row) {
    DeselectAllRows(grid);
    SendMessageA(grid.ownWindow, GRM_SETCURCELL, grid.currentColumn, row);
}

void TypeUnit(GridInstance& grid, WPARAM unit, DWORD time) {
    TypedPrefix& typed = grid.typed;
    const auto typedUnit = static_cast<char16_t>(IsWide(grid) ? unit & 0xFFFF : unit & 0xFF);
    // Control characters (Enter, Tab, Esc, Backspace and the Ctrl letters) are not text.
    if (typed.swallowChars || typedUnit < 0x20 || typedUnit == 0x7F) {
        return;
    }
    const bool continues = !typed.units.empty() && time - typed.lastTime < kTypingPause;
    if (!continues) {
        typed.units.clear();
        if (typedUnit == u' ') {
            return;  // a space begins no prefix: it is the list box's selection key
        }
    }
    typed.lastTime = time;
    if (typed.units.size() >= kLongestPrefix) {
        return;  // no shown text begins with a longer prefix
    }
    typed.units.push_back(typedUnit);
    if (EndsInsideCharacter(grid, typed.units) || RowCount(grid) == 0) {
        return;
    }
    const uint32_t count = RowCount(grid);
    const uint32_t current = grid.currentRow < count ? grid.currentRow : 0;
    const bool steps = IsRepeatedUnit(typed.units);
    const uint32_t start = steps ? static_cast<uint32_t>((uint64_t{current} + 1) % count) : current;
    const size_t length = steps ? 1 : typed.units.size();
    const std::u16string prefix = typed.units;  // the parent may type into the grid meanwhile
    const uint32_t row = FindRow(grid, start, prefix, length);
    // The current row found again stays as it is, its selection with it.
    if (row != kNoRow && row != grid.currentRow && !grid.destroyed) {
        MakeCurrent(grid, row);
    }
}

}  // namespace

void NoteListKeyDown(GridInstance& grid, bool consumed) {
    grid.typed.swallowChars = consumed;
}

void OnListChar(GridInstance& grid, WPARAM unit, DWORD time) {
    try {
        TypeUnit(grid, unit, time);
    } catch (const std::bad_alloc&) {
        grid.typed.units.clear();  // without memory for the prefix, the character finds nothing
    }
}

}  // namespace vorlane

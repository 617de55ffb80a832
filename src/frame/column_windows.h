// What the window keeps of each column beside the store's record: the column's in-place editor
// and the sort arrow its title shows. OnAddColumn adds an entry for every column the store
// takes, so both count the same columns.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>

#include "store/column_set.h"

namespace vorlane {

// Sort indicator values: the up and the down arrow of a title.
constexpr int32_t kAscendingArrow = 8;
constexpr int32_t kDescendingArrow = 9;

class ColumnWindows {
  public:
    // Appends an empty entry (no editor, no arrow) for the column the store has just added.
    void Add() {
        if (count_ < kMaxColumns) {
            ++count_;
        }
    }

    // The column's editor, or null for none or a column not below the count.
    HWND Editor(uint32_t column) const {
        return column < count_ ? entries_[column].editor : nullptr;
    }
    // 0 none, 8 up, 9 down; 0 for a column not below the count.
    int32_t SortIndicator(uint32_t column) const {
        return column < count_ ? entries_[column].sortIndicator : 0;
    }

    // False (nothing changed) for a column not below the count.
    bool SetEditor(uint32_t column, HWND editor) {
        if (column >= count_) {
            return false;
        }
        entries_[column].editor = editor;
        return true;
    }
    // Whether the column's title box shows checked: the state its last click gave every row.
    bool TitleChecked(uint32_t column) const {
        return column < count_ && entries_[column].titleChecked;
    }
    void SetTitleChecked(uint32_t column, bool checked) {
        if (column < count_) {
            entries_[column].titleChecked = checked;
        }
    }
    // Whether the column's editor is a drop-down list of choices.
    bool IsChoice(uint32_t column) const { return column < count_ && entries_[column].choice; }
    void SetChoice(uint32_t column, bool choice) {
        if (column < count_) {
            entries_[column].choice = choice;
        }
    }
    bool SetSortIndicator(uint32_t column, int32_t sortIndicator) {
        if (column >= count_) {
            return false;
        }
        entries_[column].sortIndicator = sortIndicator;
        return true;
    }

  private:
    struct Entry {
        HWND editor = nullptr;      // child of the list pane, destroyed with it
        int32_t sortIndicator = 0;  // 0 none, 8 up, 9 down; set by title clicks
        bool titleChecked = false;
        bool choice = false;  // the editor is a drop-down list of choices  // the title box's
                              // state, of a column with kTitleCheckFlag
    };

    std::array<Entry, kMaxColumns> entries_{};  // the first count_ are in use
    uint32_t count_ = 0;                        // columns added; never decreases
};

}  // namespace vorlane

// The grid's columns: their records in column order, the x layout and total width, and the label
// pool that holds titles and masks. Labels live apart from cell strings so that clearing the rows
// never takes a column's title or mask with it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "store/string_pool.h"

namespace vorlane {

// Room for columns, the kind column included.
inline constexpr uint32_t kMaxColumns = 289;

// cellKind values; any other value is a plain value cell (a 32-bit value that is never drawn).
inline constexpr int32_t kCellText = 0;
inline constexpr int32_t kCellNumber = 1;
inline constexpr int32_t kCellCheck = 3;
// Column flags bit: a check column's title shows a check box that checks or clears every row.
inline constexpr uint32_t kTitleCheckFlag = 0x4;
// The flags bits that say how the column was last sorted; the title box is none of them.
inline constexpr uint32_t kSortFlagsMask =
    ~kTitleCheckFlag;  // 0 clear, 1 checked, 2 mixed; drawn as a check box

// editorKind values; any other value means the column has no editor.
inline constexpr int32_t kEditorText = 0;
inline constexpr int32_t kEditorNumber = 1;
inline constexpr int32_t kEditorChoice = 3;  // a drop-down list of the column's choices

// Longest input each editor accepts when the client gives 0 or more than it.
inline constexpr uint32_t kTextEditLimit = 511;
inline constexpr uint32_t kNumberEditLimit = 11;

// What a column keeps as the client gave it, with pointer-sized handles; only the editor limit
// is adjusted when stored.
struct ColumnFields {
    const char* folderPrefix = nullptr;  // column 0: folder joined with the text for the icon;
                                         // the client's pointer, read at every paint
    int32_t width = 0;                   // pixels
    int32_t titleAlign = 0;              // 0 left, 1 centred, other right
    int32_t cellAlign = 0;               // 0 left, 1 centred, other right
    int32_t cellKind = kCellText;        // kCellText, kCellNumber or a plain value kind
    uint32_t editLimit = 0;              // most characters the editor takes; 0: its default
    uintptr_t imageList = 0;             // column 0: image list handle (the client's)
    uint32_t flags = 0;                  // bit 0 title pressed, bit 1 sorted descending,
                                         // kTitleCheckFlag
    uint32_t reserved = 0;               // kept, never used
};

// A column as the client describes it: the public ColumnDesc, which the window layer turns
// into this. Its texts are in the width of the set it is added to.
struct ColumnDescriptor : ColumnFields {
    const void* title = nullptr;       // copied into the label pool; null for none
    const void* mask = nullptr;        // number display mask; copied; null for none
    int32_t editorKind = kEditorText;  // kEditorText, kEditorNumber or none
};

// A stored column: the client's fields (the editor limit as the editor works with it), its
// labels and its place.
struct ColumnRecord : ColumnFields {
    uint32_t titleOffset = 0;  // label pool offset of the title; 0 for none
    uint32_t maskOffset = 0;   // label pool offset of the mask; 0 for none
    int32_t x = 0;             // left edge in pixels from the shown first column's left edge
    int32_t room = 0;          // pixels the column takes: its width, or 0 while hidden
    bool hidden = false;       // takes no room and shows nothing; keeps its width
};

class ColumnSet;

// The columns a user sees, in display order: hidden columns and the kind column left out. Every
// reader of what a row shows (painting, copy, tooltips, accessibility, editing moves) walks
// these.
class ShownColumns {
  public:
    class Iterator {
      public:
        Iterator(const ColumnSet& set, uint32_t position) : set_(&set), position_(position) {
            Skip();
        }
        uint32_t operator*() const;
        Iterator& operator++() {
            ++position_;
            Skip();
            return *this;
        }
        bool operator!=(const Iterator& other) const { return position_ != other.position_; }

      private:
        void Skip();  // on to the next shown column or the end
        const ColumnSet* set_;
        uint32_t position_;  // display position
    };
    explicit ShownColumns(const ColumnSet& set) : set_(set) {}
    Iterator begin() const { return Iterator(set_, 0); }
    Iterator end() const;

  private:
    const ColumnSet& set_;
};

class ColumnSet {
  public:
    // Titles and masks are texts of `width`, as every text of the grid is.
    explicit ColumnSet(TextWidth width = TextWidth::Bytes) : labels_(width) {}

    // Appends a column after the others and lays it out at the total width. The editor limit
    // takes the editor's default when 0 or above it; the title and mask are copied into the
    // label pool. Its index, or nullopt (nothing changed) when the set is full or the labels
    // cannot be stored.
    std::optional<uint32_t> Add(const ColumnDescriptor& column);

    uint32_t Count() const { return count_; }
    // Sum of all widths, the kind column included: the x of a next column.
    uint32_t TotalWidth() const { return totalWidth_; }
    // The record, or null for an index not below Count().
    const ColumnRecord* Get(uint32_t index) const;
    // Width and cellKind; 0 for an index not below Count().
    int32_t Width(uint32_t index) const { return index < count_ ? records_[index].width : 0; }
    int32_t CellKind(uint32_t index) const { return index < count_ ? records_[index].cellKind : 0; }

    // Stores the width and lays the columns out again. False (nothing changed) for an index not
    // below Count().
    bool SetWidth(uint32_t index, int32_t width);

    // Display order. Every column but the kind column (the last) once each, `count` of them;
    // the kind column stays last. False, nothing changed, for any other array.
    bool SetOrder(const uint32_t* order, uint32_t count);
    // Writes at most `room` columns of the display order (the kind column left out); returns
    // how many the order holds.
    uint32_t GetOrder(uint32_t* order, uint32_t room) const;
    // The column at a display position, and the display position of a column (the index
    // itself past Count()).
    uint32_t ColumnAt(uint32_t position) const {
        return position < count_ ? order_[position] : position;
    }
    uint32_t PositionOf(uint32_t index) const;
    // Hides or shows a column; the kind column is refused. False for a bad index.
    bool SetHidden(uint32_t index, bool hidden);
    // Hidden columns and the kind column are not shown; neither is an index past Count().
    bool IsShown(uint32_t index) const;
    // A shown column that paints a text: room above 0, of text, numbers or check states.
    bool ShowsText(uint32_t index) const;
    // The shown columns in display order.
    ShownColumns Shown() const { return ShownColumns(*this); }
    // The shown column before or after `index` in display order, if any.
    std::optional<uint32_t> ShownNeighbour(uint32_t index, bool forward) const;
    // Stores a copy of `title` as the column's title; null removes it. The old title stays in
    // the label pool unreferenced. False (nothing changed) for a bad index or without memory.
    bool SetTitle(uint32_t index, const void* title);
    // Copies the title, cut to `bufferUnits` units as StringPool::ReadString cuts, into
    // `buffer` and returns true, for a titled column below Count() - 1: the kind column's title
    // is never served. Otherwise the buffer is left as it was.
    bool GetTitle(uint32_t index, void* buffer, uint32_t bufferUnits) const;
    // The column's mask text, or null when it has none, the index is not below Count(), or the
    // labels are of the other width. Valid until the next label change.
    const char* MaskText(uint32_t index) const;
    const char16_t* WideMaskText(uint32_t index) const;

    // Stores the flags the header and the sort keep; false for a bad index.
    bool SetFlags(uint32_t index, uint32_t flags);

    // Titles and masks, addressed by the records' titleOffset and maskOffset.
    const StringPool& labels() const { return labels_; }

  private:
    // Sets each column's room and x in display order, and the total width.
    void LayOut();

    std::array<ColumnRecord, kMaxColumns> records_{};  // the first count_ are in use
    std::array<uint32_t, kMaxColumns> order_{};        // column indexes in display order
    uint32_t count_ = 0;                               // columns added; never decreases
    uint32_t totalWidth_ = 0;                          // pixels; x of a next column
    StringPool labels_;                                // titles and masks
};

inline uint32_t ShownColumns::Iterator::operator*() const {
    return set_->ColumnAt(position_);
}

inline ShownColumns::Iterator ShownColumns::end() const {
    return Iterator(set_, set_.Count());
}

}  // namespace vorlane

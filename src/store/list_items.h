// The store's only view of the list pane: an ordered list of items, each with 32-bit item data
// and a selected state. The window build sends list box messages to the list pane; the unit
// tests use MemoryListItems, which keeps the same rules in memory.
#pragma once

#include <cstdint>

namespace vorlane {

class ListItems {
public:
    virtual ~ListItems() = default;

    // Appends an item at the end; its index, or a negative value when the list refuses.
    virtual int32_t Add(uint32_t data) = 0;
    virtual uint32_t GetData(int32_t index) const = 0;
    virtual void SetData(int32_t index, uint32_t data) = 0;
    virtual int32_t Count() const = 0;
    // Removes every item.
    virtual void Reset() = 0;

    virtual int32_t TopIndex() const = 0;
    // Clamped so that the last page stays full, as the list box does.
    virtual void SetTopIndex(int32_t index) = 0;
    virtual int32_t Caret() const = 0;

    // Selects or deselects one item; index -1 means every item. Selecting moves the caret.
    virtual void SetSel(bool select, int32_t index) = 0;
    virtual bool GetSel(int32_t index) const = 0;
    // first <= last selects first..last; first > last deselects last..first.
    virtual void SelectRange(int32_t first, int32_t last) = 0;
    // Writes up to max selected indexes in ascending order; returns how many were written.
    virtual int32_t GetSelItems(int32_t* out, int32_t max) const = 0;
    virtual int32_t GetSelCount() const = 0;
};

}  // namespace vorlane

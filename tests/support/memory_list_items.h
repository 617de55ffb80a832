// The multiple-selection list box as the tests drive it: the store's three item operations and
// the rest of the list box's, and MemoryListItems, which keeps the list box's rules in memory.
// A Windows test runs the same steps on a real list box to hold the two together.
#pragma once

#include <cstdint>
#include <vector>

#include "store/list_items.h"

namespace vorlane {

class ListBoxModel : public ListItems {
  public:
    // Appends an item at the end; its index, or a negative value when the list refuses.
    virtual int32_t Add(uint32_t data) = 0;
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

class MemoryListItems final : public ListBoxModel {
  public:
    // What GetData answers for an index that names no item.
    static constexpr uint32_t kNoItem = 0xFFFFFFFFu;

    // `pageSize`: the items one page shows, which bounds SetTopIndex. `maxItems`: Add refuses
    // beyond it (a list short of memory).
    explicit MemoryListItems(int32_t pageSize = 1, int32_t maxItems = INT32_MAX);

    int32_t Count() const override;
    uint32_t GetData(int32_t index) const override;
    void SetData(int32_t index, uint32_t data) override;

    int32_t Add(uint32_t data) override;
    void Reset() override;

    int32_t TopIndex() const override { return topIndex_; }
    void SetTopIndex(int32_t index) override;
    int32_t Caret() const override { return caret_; }

    void SetSel(bool select, int32_t index) override;
    bool GetSel(int32_t index) const override;
    void SelectRange(int32_t first, int32_t last) override;
    int32_t GetSelItems(int32_t* out, int32_t max) const override;
    int32_t GetSelCount() const override;

  private:
    struct Item {
        uint32_t data;  // item data: a row offset
        bool selected;  // selected state
    };

    bool Holds(int32_t index) const { return index >= 0 && index < Count(); }

    std::vector<Item> items_;  // in display order
    int32_t pageSize_;         // items per page, at least 1
    int32_t maxItems_;         // Add refuses beyond this count
    int32_t topIndex_ = 0;     // first item shown
    int32_t caret_ = 0;        // item with the focus rectangle
};

}  // namespace vorlane

// ListItems kept in memory with the rules of a multiple-selection list box, for the unit tests
// and for any code that needs the store without a window.
#pragma once

#include <cstdint>
#include <vector>

#include "store/list_items.h"

namespace vorlane {

class MemoryListItems : public ListItems {
  public:
    // What GetData answers for an index that names no item.
    static constexpr uint32_t kNoItem = 0xFFFFFFFFu;

    // `pageSize`: the items one page shows, which bounds SetTopIndex. `maxItems`: Add refuses
    // beyond it (a list short of memory).
    explicit MemoryListItems(int32_t pageSize = 1, int32_t maxItems = INT32_MAX);

    int32_t Add(uint32_t data) override;
    uint32_t GetData(int32_t index) const override;
    void SetData(int32_t index, uint32_t data) override;
    int32_t Count() const override;
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

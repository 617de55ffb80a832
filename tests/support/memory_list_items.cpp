#include "memory_list_items.h"

#include <cstddef>
#include <new>

namespace vorlane {

MemoryListItems::MemoryListItems(int32_t pageSize, int32_t maxItems)
    : pageSize_(pageSize < 1 ? 1 : pageSize), maxItems_(maxItems < 0 ? 0 : maxItems) {}

int32_t MemoryListItems::Add(uint32_t data) {
    if (Count() >= maxItems_) {
        return -1;
    }
    try {
        items_.push_back(Item{data, false});
    } catch (const std::bad_alloc&) {
        return -1;
    }
    return Count() - 1;
}

uint32_t MemoryListItems::GetData(int32_t index) const {
    return Holds(index) ? items_[static_cast<size_t>(index)].data : kNoItem;
}

void MemoryListItems::SetData(int32_t index, uint32_t data) {
    if (Holds(index)) {
        items_[static_cast<size_t>(index)].data = data;
    }
}

int32_t MemoryListItems::Count() const {
    return static_cast<int32_t>(items_.size());
}

void MemoryListItems::Reset() {
    items_.clear();
    topIndex_ = 0;
    caret_ = 0;
}

void MemoryListItems::SetTopIndex(int32_t index) {
    // The last page stays full: the top never passes count - page.
    int32_t highest = Count() - pageSize_;
    if (index > highest) {
        index = highest;
    }
    topIndex_ = index < 0 ? 0 : index;
}

void MemoryListItems::SetSel(bool select, int32_t index) {
    if (index == -1) {
        for (Item& item : items_) {
            item.selected = select;
        }
        return;
    }
    if (!Holds(index)) {
        return;
    }
    items_[static_cast<size_t>(index)].selected = select;
    if (select) {
        // Selecting moves the caret and scrolls it fully into view, as the list box does.
        caret_ = index;
        if (index < topIndex_) {
            topIndex_ = index;
        } else if (index >= topIndex_ + pageSize_) {
            topIndex_ = index - pageSize_ + 1;
        }
    }
}

bool MemoryListItems::GetSel(int32_t index) const {
    return Holds(index) && items_[static_cast<size_t>(index)].selected;
}

void MemoryListItems::SelectRange(int32_t first, int32_t last) {
    bool select = first <= last;
    int32_t low = select ? first : last;
    int32_t high = select ? last : first;
    if (low < 0) {
        low = 0;
    }
    if (high >= Count()) {
        high = Count() - 1;
    }
    for (int32_t i = low; i <= high; ++i) {
        items_[static_cast<size_t>(i)].selected = select;
    }
}

int32_t MemoryListItems::GetSelItems(int32_t* out, int32_t max) const {
    if (out == nullptr || max <= 0) {
        return 0;
    }
    int32_t written = 0;
    for (int32_t i = 0; i < Count() && written < max; ++i) {
        if (items_[static_cast<size_t>(i)].selected) {
            out[written++] = i;
        }
    }
    return written;
}

int32_t MemoryListItems::GetSelCount() const {
    int32_t selected = 0;
    for (const Item& item : items_) {
        selected += item.selected ? 1 : 0;
    }
    return selected;
}

}  // namespace vorlane

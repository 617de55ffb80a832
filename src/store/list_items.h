// The store's only view of the list pane: an ordered list of items, each with 32-bit item data
// (a row offset). The window build reaches the list pane's items through list box messages.
#pragma once

#include <cstdint>

namespace vorlane {

class ListItems {
  public:
    virtual ~ListItems() = default;

    virtual int32_t Count() const = 0;
    // Non-zero when item i is known to hold i times this value (rows as they were added, with
    // this row size): the items need not be read. 0 when they must be.
    virtual uint32_t AddedOrderStride() const { return 0; }
    virtual uint32_t GetData(int32_t index) const = 0;
    virtual void SetData(int32_t index, uint32_t data) = 0;
};

}  // namespace vorlane

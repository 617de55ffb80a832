// A list of rows in display order, each item a row offset: what a sort reads and rewrites. The
// store's own is RowOrder; tests give a list of their own.
#pragma once

#include <cstdint>

namespace vorlane {

class ListItems {
  public:
    virtual ~ListItems() = default;

    virtual int32_t Count() const = 0;
    virtual uint32_t GetData(int32_t index) const = 0;
    virtual void SetData(int32_t index, uint32_t data) = 0;
};

}  // namespace vorlane

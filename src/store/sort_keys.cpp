#include "store/sort_keys.h"

namespace vorlane {

TextKeyReader::TextKeyReader(const SortSource& source)
    : pool_(reinterpret_cast<const unsigned char*>(source.pool)), servedEnd_(0) {
    if (pool_ == nullptr) {
        return;
    }
    // Every offset up to the last NUL of the pool reaches a NUL before the pool ends.
    size_t end = source.poolSize;
    while (end > 0 && pool_[end - 1] != 0) {
        --end;
    }
    servedEnd_ = end;
}

}  // namespace vorlane

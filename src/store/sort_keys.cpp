#include "store/sort_keys.h"

namespace vorlane {

TextKeyReader::TextKeyReader(const SortSource& source)
    : pool_(reinterpret_cast<const unsigned char*>(source.pool)), servedEnd_(0) {
    if (pool_ == nullptr) {
        return;
    }
    // Every offset up to the last NUL of the pool reaches a NUL before the pool ends.
    if (source.textWidth == TextWidth::Bytes) {
        size_t end = source.poolSize;
        while (end > 0 && pool_[end - 1] != 0) {
            --end;
        }
        servedEnd_ = end;
        return;
    }
    if (reinterpret_cast<uintptr_t>(pool_) % alignof(char16_t) != 0) {
        return;
    }
    const char16_t* units = reinterpret_cast<const char16_t*>(pool_);
    size_t end = source.poolSize / 2;
    while (end > 0 && units[end - 1] != 0) {
        --end;
    }
    servedEnd_ = 2 * end;
}

}  // namespace vorlane

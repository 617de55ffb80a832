// What a row sort reads: the key slots of one column in the cell table and, for text keys, the
// strings those slots point to in the string pool. Keys are read in place; nothing is copied.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace vorlane {

struct SortSource {
    const uint8_t* table =
        nullptr;           // cell table bytes; a row's key slot is at rowOffset + 4 * keyColumn
    size_t tableSize = 0;  // readable bytes of the table; slots past it read as 0
    const char* pool = nullptr;  // string pool bytes; text slots hold byte offsets into it
    size_t poolSize = 0;         // readable bytes of the pool; offsets past it read as ""
    uint32_t keyColumn = 0;
    bool textKeys = false;  // true: slots are pool offsets (0 = empty text); false: signed values
};

// The 32-bit slot at byte `position` of the table, or 0 when the slot does not lie wholly inside
// it.
inline uint32_t LoadSortSlot(const uint8_t* table, size_t tableSize, uint64_t position) {
    if (table == nullptr || position > tableSize || tableSize - position < 4) {
        return 0;
    }
    uint32_t value;
    std::memcpy(&value, table + position, sizeof value);
    return value;
}

// Text keys compare byte by byte with only a-z mapped to A-Z, bytes taken as unsigned; a text
// that ends where the other goes on sorts first. Negative, zero or positive like strcmp.
inline int CompareTextKeys(const unsigned char* a, const unsigned char* b) {
    for (;; ++a, ++b) {
        unsigned ca = *a;
        unsigned cb = *b;
        if (ca - 'a' < 26u) {
            ca -= 0x20;
        }
        if (cb - 'a' < 26u) {
            cb -= 0x20;
        }
        if (ca != cb) {
            return ca < cb ? -1 : 1;
        }
        if (ca == 0) {
            return 0;
        }
    }
}

// Resolves text slots to NUL-terminated strings without ever reading past the pool: an offset is
// served only when a NUL follows it inside the readable bytes, anything else reads as "".
class TextKeyReader {
  public:
    explicit TextKeyReader(const SortSource& source);

    const unsigned char* TextAt(uint32_t poolOffset) const {
        return poolOffset < servedEnd_ ? pool_ + poolOffset : Empty();
    }

  private:
    static const unsigned char* Empty() {
        static const unsigned char empty[1] = {0};
        return empty;
    }

    const unsigned char* pool_;
    size_t servedEnd_;  // offsets below this have a terminating NUL inside the pool
};

}  // namespace vorlane

// What a row sort reads: the key slots of one column in the cell table and, for text keys, the
// strings those slots point to in the string pool. Keys are read in place; nothing is copied.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "store/text_width.h"

namespace vorlane {

struct SortSource {
    const uint8_t* table =
        nullptr;           // cell table bytes; a row's key slot is at rowOffset + 4 * keyColumn
    size_t tableSize = 0;  // readable bytes of the table; slots past it read as 0
    const char* pool = nullptr;  // string pool bytes; text slots hold byte offsets into it
    size_t poolSize = 0;         // readable bytes of the pool; offsets past it read as ""
    uint32_t keyColumn = 0;
    bool textKeys = false;  // true: slots are pool offsets (0 = empty text); false: signed values
    TextWidth textWidth = TextWidth::Bytes;  // width of the pool's texts
    // Wide keys only: the upper case of every UTF-16 unit (65,536 entries; only 0 maps to 0);
    // null folds only a-z.
    const uint16_t* fold = nullptr;
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

// A byte key's byte as it compares: a-z mapped to A-Z, taken as unsigned.
inline uint32_t FoldTextByte(unsigned char byte) {
    return byte - uint32_t{'a'} < 26u ? byte - 0x20u : byte;
}

// Text keys compare byte by byte with only a-z mapped to A-Z, bytes taken as unsigned; a text
// that ends where the other goes on sorts first. Negative, zero or positive like strcmp.
inline int CompareTextKeys(const unsigned char* a, const unsigned char* b) {
    for (;; ++a, ++b) {
        const uint32_t ca = FoldTextByte(*a);
        const uint32_t cb = FoldTextByte(*b);
        if (ca != cb) {
            return ca < cb ? -1 : 1;
        }
        if (ca == 0) {
            return 0;
        }
    }
}

// A wide key's unit as it compares: through the folding table, or with only a-z mapped to A-Z
// when there is none.
inline uint32_t FoldWideUnit(const uint16_t* fold, char16_t unit) {
    if (fold != nullptr) {
        return fold[unit];
    }
    return unit - uint32_t{'a'} < 26u ? unit - 0x20u : unit;
}

// Wide text keys compare unit by unit after folding, units taken as unsigned 16-bit values (a
// surrogate pair compares as its two units); a text that ends where the other goes on sorts
// first. Negative, zero or positive like strcmp.
inline int CompareWideTextKeys(const char16_t* a, const char16_t* b, const uint16_t* fold) {
    for (;; ++a, ++b) {
        const uint32_t ca = FoldWideUnit(fold, *a);
        const uint32_t cb = FoldWideUnit(fold, *b);
        if (ca != cb) {
            return ca < cb ? -1 : 1;
        }
        if (ca == 0) {
            return 0;
        }
    }
}

// True when `text` (NUL-terminated) begins with the `length` units of `prefix`, each unit
// compared as the sort compares texts of its width: bytes by CompareTextKeys, UTF-16 units by
// CompareWideTextKeys through `fold`. An empty prefix begins every text.
inline bool StartsWithTextKey(const unsigned char* text, const unsigned char* prefix,
                              size_t length) {
    for (size_t i = 0; i < length; ++i) {
        if (text[i] == 0 || FoldTextByte(text[i]) != FoldTextByte(prefix[i])) {
            return false;
        }
    }
    return true;
}
inline bool StartsWithWideTextKey(const char16_t* text, const char16_t* prefix, size_t length,
                                  const uint16_t* fold) {
    for (size_t i = 0; i < length; ++i) {
        if (text[i] == 0 || FoldWideUnit(fold, text[i]) != FoldWideUnit(fold, prefix[i])) {
            return false;
        }
    }
    return true;
}

// Resolves text slots to NUL-terminated strings without ever reading past the pool: an offset is
// served only when a NUL follows it inside the readable bytes, anything else reads as "". In a
// wide pool an offset is served only on a unit boundary, and only when the pool is aligned.
class TextKeyReader {
  public:
    explicit TextKeyReader(const SortSource& source);

    const unsigned char* TextAt(uint32_t poolOffset) const {
        return poolOffset < servedEnd_ ? pool_ + poolOffset : Empty();
    }
    const char16_t* WideTextAt(uint32_t poolOffset) const {
        return poolOffset < servedEnd_ && poolOffset % 2 == 0
                   ? reinterpret_cast<const char16_t*>(pool_ + poolOffset)
                   : reinterpret_cast<const char16_t*>(Empty());
    }

  private:
    static const unsigned char* Empty() {
        alignas(char16_t) static const unsigned char empty[2] = {0, 0};
        return empty;
    }

    const unsigned char* pool_;
    size_t servedEnd_;  // offsets below this have a terminating NUL inside the pool
};

}  // namespace vorlane

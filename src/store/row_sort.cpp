#include "store/row_sort.h"

#include <algorithm>
#include <new>
#include <stdexcept>

#include "store/rank_quicksort.h"
#include "store/sort_scratch.h"

namespace vorlane {

namespace {

uint64_t KeySlotPosition(uint32_t rowOffset, uint32_t keyColumn) {
    return uint64_t{rowOffset} + uint64_t{4} * keyColumn;
}

// Turns the rows, listed in ascending key order, into sort items. startsKey(k) tells whether
// the k-th row of that order has a different key than the one before it. When every key is
// distinct the order is the only sorted one and the items are written in it directly (true);
// otherwise each position gets its rank code for the quicksort (false).
template <class PositionAt, class StartsKey>
bool MakeItems(size_t count, PositionAt positionAt, StartsKey startsKey, const uint32_t* offsets,
               bool descending, uint64_t* items) {
    size_t keys = 1;
    for (size_t k = 1; k < count; ++k) {
        keys += startsKey(k) ? 1 : 0;
    }
    if (keys == count) {
        for (size_t k = 0; k < count; ++k) {
            const size_t to = descending ? count - 1 - k : k;
            items[to] = MakeSortItem(0, offsets[positionAt(k)]);
        }
        return true;
    }
    size_t rank = 0;
    size_t runBegin = 0;
    while (runBegin < count) {
        size_t runEnd = runBegin + 1;
        while (runEnd < count && !startsKey(runEnd)) {
            ++runEnd;
        }
        const size_t dense = descending ? keys - 1 - rank : rank;
        const uint32_t code = static_cast<uint32_t>(2 * dense + (runEnd - runBegin > 1 ? 1 : 0));
        for (size_t k = runBegin; k < runEnd; ++k) {
            const size_t position = positionAt(k);
            items[position] = MakeSortItem(code, offsets[position]);
        }
        ++rank;
        runBegin = runEnd;
    }
    return false;
}

// Sorts entries by their high 32 bits, stably (entries come in ascending position order, so ties
// stay in position order), one byte per pass; a pass whose byte is the same everywhere is skipped.
void RadixSortByHighHalf(ScratchVector<uint64_t>& entries) {
    const size_t count = entries.size();
    size_t counts[4][256] = {};
    for (uint64_t entry : entries) {
        for (int digit = 0; digit < 4; ++digit) {
            ++counts[digit][(entry >> (32 + 8 * digit)) & 0xFFu];
        }
    }
    ScratchVector<uint64_t> spare(count);
    for (int digit = 0; digit < 4; ++digit) {
        size_t* bucket = counts[digit];
        if (bucket[(entries[0] >> (32 + 8 * digit)) & 0xFFu] == count) {
            continue;
        }
        size_t next = 0;
        for (int b = 0; b < 256; ++b) {
            const size_t size = bucket[b];
            bucket[b] = next;
            next += size;
        }
        for (uint64_t entry : entries) {
            spare[bucket[(entry >> (32 + 8 * digit)) & 0xFFu]++] = entry;
        }
        entries.swap(spare);
    }
}

bool RankNumberKeys(const uint32_t* offsets, size_t count, const SortSource& source,
                    bool descending, uint64_t* items) {
    // Key with the sign bit flipped, so that unsigned order is signed order, above the position.
    ScratchVector<uint64_t> keyed(count);
    for (size_t i = 0; i < count; ++i) {
        const uint32_t key = LoadSortSlot(source.table, source.tableSize,
                                          KeySlotPosition(offsets[i], source.keyColumn));
        keyed[i] = (uint64_t{key ^ 0x80000000u} << 32) | i;
    }
    RadixSortByHighHalf(keyed);
    return MakeItems(
        count, [&](size_t k) { return static_cast<size_t>(static_cast<uint32_t>(keyed[k])); },
        [&](size_t k) { return (keyed[k] >> 32) != (keyed[k - 1] >> 32); }, offsets, descending,
        items);
}

struct TextEntry {
    uint64_t prefix;  // the text's first eight bytes folded, big-endian, zero after its end
    const unsigned char* text;
    uint32_t position;
    bool startsKey;  // differs from the entry before it in key order
};

constexpr int kPrefixBytes = 8;

// Compared as numbers, prefixes order texts as CompareTextKeys orders their first eight bytes,
// so most comparisons of a sort never reach the texts (which lie scattered over the pool).
uint64_t FoldedPrefix(const unsigned char* text) {
    uint64_t prefix = 0;
    int length = 0;
    for (; length < kPrefixBytes && text[length] != 0; ++length) {
        unsigned byte = text[length];
        if (byte - 'a' < 26u) {
            byte -= 0x20;
        }
        prefix = (prefix << 8) | byte;
    }
    return length == 0 ? 0 : prefix << (8 * (kPrefixBytes - length));
}

// CompareTextKeys of the two entries' texts.
int CompareTextEntries(const TextEntry& x, const TextEntry& y) {
    if (x.prefix != y.prefix) {
        return x.prefix < y.prefix ? -1 : 1;
    }
    // Equal prefixes end in a zero byte only when both texts ended within them, alike.
    if ((x.prefix & 0xFFu) == 0 || x.text == y.text) {
        return 0;
    }
    return CompareTextKeys(x.text + kPrefixBytes, y.text + kPrefixBytes);
}

bool RankTextKeys(const uint32_t* offsets, size_t count, const SortSource& source, bool descending,
                  uint64_t* items) {
    const TextKeyReader reader(source);
    ScratchVector<TextEntry> entries(count);
    for (size_t i = 0; i < count; ++i) {
        const uint32_t poolOffset = LoadSortSlot(source.table, source.tableSize,
                                                 KeySlotPosition(offsets[i], source.keyColumn));
        const unsigned char* text = reader.TextAt(poolOffset);
        entries[i] = {FoldedPrefix(text), text, static_cast<uint32_t>(i), false};
    }
    std::sort(entries.begin(), entries.end(),
              [](const TextEntry& x, const TextEntry& y) { return CompareTextEntries(x, y) < 0; });
    for (size_t k = 1; k < count; ++k) {
        entries[k].startsKey = CompareTextEntries(entries[k - 1], entries[k]) != 0;
    }
    return MakeItems(
        count, [&](size_t k) { return static_cast<size_t>(entries[k].position); },
        [&](size_t k) { return entries[k].startsKey; }, offsets, descending, items);
}

}  // namespace

bool SortRowOffsets(uint32_t* offsets, size_t count, const SortSource& source, bool descending,
                    const RankSortTuning& tuning) {
    if (count < 2) {
        return true;
    }
    if (offsets == nullptr || count > kMaxSortRows) {
        return false;
    }
    try {
        ScratchVector<uint64_t> items(count);
        const bool inOrder = source.textKeys
                                 ? RankTextKeys(offsets, count, source, descending, items.data())
                                 : RankNumberKeys(offsets, count, source, descending, items.data());
        if (!inOrder) {
            QuicksortRanks(items.data(), count, tuning);
        }
        for (size_t i = 0; i < count; ++i) {
            offsets[i] = static_cast<uint32_t>(items[i]);
        }
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    } catch (const std::length_error&) {
        return false;
    }
}

}  // namespace vorlane

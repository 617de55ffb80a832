#include "store/row_sort.h"

#include <algorithm>
#include <array>
#include <new>
#include <stdexcept>
#include <utility>

#include "store/rank_quicksort.h"
#include "store/sort_scratch.h"

namespace vorlane {

namespace {

uint64_t KeySlotPosition(uint32_t rowOffset, uint32_t keyColumn) {
    return uint64_t{rowOffset} + uint64_t{4} * keyColumn;
}

// Puts the rows, listed in ascending key order, in display order: positions[k] is the position
// of the row shown k-th. startsKey(k) tells whether the k-th row of that order has a different
// key than the one before it. A row whose key no other row has goes where its key's rank puts
// it; the rows of a shared key take the order the grid's quicksort gives them, which it works
// out on rank codes (rank_quicksort.h) wherever shared keys are.
template <class PositionAt, class StartsKey>
void OrderRows(size_t count, PositionAt positionAt, StartsKey startsKey, bool descending,
               const RankSortTuning& tuning, ScratchVector<uint64_t>& items, uint32_t* positions) {
    size_t keys = 1;
    for (size_t k = 1; k < count; ++k) {
        keys += startsKey(k) ? 1 : 0;
    }
    if (keys == count) {
        for (size_t k = 0; k < count; ++k) {
            positions[descending ? count - 1 - k : k] = static_cast<uint32_t>(positionAt(k));
        }
        return;
    }
    items.resize(count);
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
            items[position] = MakeSortItem(code, static_cast<uint32_t>(position));
        }
        ++rank;
        runBegin = runEnd;
    }
    QuicksortSharedRanks(items.data(), count, tuning);
    // The shared-key items now stand in display order among the others: each run of a shared
    // key takes the next of them.
    size_t shared = 0;
    size_t written = 0;
    auto placeRun = [&](size_t begin, size_t end) {
        if (end - begin == 1) {
            positions[written++] = static_cast<uint32_t>(positionAt(begin));
            return;
        }
        for (size_t k = begin; k < end; ++k) {
            while ((RankCode(items[shared]) & 1u) == 0) {
                ++shared;
            }
            positions[written++] = static_cast<uint32_t>(items[shared++]);
        }
    };
    if (!descending) {
        for (size_t begin = 0, end = 1; begin < count; begin = end++) {
            while (end < count && !startsKey(end)) {
                ++end;
            }
            placeRun(begin, end);
        }
        return;
    }
    for (size_t end = count, begin = count - 1; end > 0; end = begin--) {
        while (begin > 0 && !startsKey(begin)) {
            --begin;
        }
        placeRun(begin, end);
    }
}

// Sorts entries by their high 32 bits, stably (entries come in ascending position order, so ties
// stay in position order), a byte per pass: each pass a scatter into 256 runs, few enough for
// the caches and the address translation of arrays far larger than them; a pass whose byte is
// the same everywhere is skipped. `spare` ends as scratch of the entries' size.
void RadixSortByHighHalf(ScratchVector<uint64_t>& entries, ScratchVector<uint64_t>& spare) {
    constexpr int kDigits = 4;
    constexpr int kDigitBits = 8;
    constexpr size_t kBuckets = size_t{1} << kDigitBits;
    const size_t count = entries.size();
    ScratchVector<uint32_t> counts(kDigits * kBuckets, 0);
    auto digitOf = [](uint64_t entry, int digit) {
        return static_cast<size_t>(entry >> (32 + kDigitBits * digit)) & (kBuckets - 1);
    };
    for (uint64_t entry : entries) {
        for (int digit = 0; digit < kDigits; ++digit) {
            ++counts[digit * kBuckets + digitOf(entry, digit)];
        }
    }
    spare.resize(count);
    for (int digit = 0; digit < kDigits; ++digit) {
        uint32_t* bucket = counts.data() + digit * kBuckets;
        if (bucket[digitOf(entries[0], digit)] == count) {
            continue;
        }
        uint32_t next = 0;
        for (size_t b = 0; b < kBuckets; ++b) {
            const uint32_t size = bucket[b];
            bucket[b] = next;
            next += size;
        }
        for (uint64_t entry : entries) {
            spare[bucket[digitOf(entry, digit)]++] = entry;
        }
        entries.swap(spare);
    }
}

// Entries whose high halves already run one way need no radix passes: ascending ones are in
// their stable order as they stand; descending ones are reversed, and each run of equal keys
// reversed back so that its positions ascend. True when the entries were put in order here.
bool OrderMonotonicEntries(ScratchVector<uint64_t>& entries) {
    const size_t count = entries.size();
    bool ascending = true;
    bool descending = true;
    for (size_t i = 1; i < count && (ascending || descending); ++i) {
        const uint64_t before = entries[i - 1] >> 32;
        const uint64_t key = entries[i] >> 32;
        ascending = ascending && before <= key;
        descending = descending && before >= key;
    }
    if (ascending) {
        return true;
    }
    if (!descending) {
        return false;
    }
    std::reverse(entries.begin(), entries.end());
    size_t runBegin = 0;
    for (size_t i = 1; i <= count; ++i) {
        if (i == count || (entries[i] >> 32) != (entries[runBegin] >> 32)) {
            std::reverse(entries.begin() + runBegin, entries.begin() + i);
            runBegin = i;
        }
    }
    return true;
}

void OrderNumberKeys(const uint32_t* offsets, size_t count, const SortSource& source,
                     bool descending, const RankSortTuning& tuning, uint32_t* positions) {
    // Key with the sign bit flipped, so that unsigned order is signed order, above the position.
    ScratchVector<uint64_t> keyed(count);
    for (size_t i = 0; i < count; ++i) {
        const uint32_t key = LoadSortSlot(source.table, source.tableSize,
                                          KeySlotPosition(offsets[i], source.keyColumn));
        keyed[i] = (uint64_t{key ^ 0x80000000u} << 32) | i;
    }
    // The radix passes' spare array goes on as the rank sort's items: one allocation fewer,
    // whose fresh pages cost as much as a pass.
    ScratchVector<uint64_t> spare;
    if (!OrderMonotonicEntries(keyed)) {
        RadixSortByHighHalf(keyed, spare);
    }
    OrderRows(
        count, [&](size_t k) { return static_cast<size_t>(static_cast<uint32_t>(keyed[k])); },
        [&](size_t k) { return (keyed[k] >> 32) != (keyed[k - 1] >> 32); }, descending, tuning,
        spare, positions);
}

// Byte keys: one word of eight bytes to a prefix, only a-z folded.
struct ByteKeys {
    using Unit = unsigned char;
    static constexpr int kPrefixWords = 1;
    static constexpr int kWordUnits = 8;
    static constexpr int kUnitBits = 8;

    const Unit* TextAt(const TextKeyReader& reader, uint32_t poolOffset) const {
        return reader.TextAt(poolOffset);
    }
    static uint32_t Fold(uint32_t byte) { return byte - 'a' < 26u ? byte - 0x20 : byte; }
};

// Wide keys: two words of four UTF-16 units to a prefix, as many characters as a byte key's
// prefix holds, folded through the table.
struct WideKeys {
    using Unit = char16_t;
    static constexpr int kPrefixWords = 2;
    static constexpr int kWordUnits = 4;
    static constexpr int kUnitBits = 16;

    const Unit* TextAt(const TextKeyReader& reader, uint32_t poolOffset) const {
        return reader.WideTextAt(poolOffset);
    }
    uint32_t Fold(char16_t unit) const { return FoldWideUnit(fold, unit); }

    const uint16_t* fold;  // the source's folding table; null: a-z only
};

template <class Keys>
struct TextEntry {
    // Units of the text folded, big-endian within and across words, zero after its end: first
    // its first units, then, while entries tie on them, the units after those.
    std::array<uint64_t, Keys::kPrefixWords> prefix;
    const typename Keys::Unit* text;  // where the units of the prefix begin
    uint32_t position;
    bool startsKey;  // differs from the entry before it in key order
};

// Compared as numbers, prefixes order texts as the keys' comparison orders their first units,
// so most comparisons of a sort never reach the texts (which lie scattered over the pool). A
// unit other than the NUL never folds to 0, so a prefix ends in zero bits only where its text
// ended.
template <class Keys>
std::array<uint64_t, Keys::kPrefixWords> FoldedPrefix(const Keys& keys,
                                                      const typename Keys::Unit* text) {
    std::array<uint64_t, Keys::kPrefixWords> prefix{};
    for (int word = 0; word < Keys::kPrefixWords; ++word) {
        uint64_t bits = 0;
        int length = 0;
        for (; length < Keys::kWordUnits && text[length] != 0; ++length) {
            bits = (bits << Keys::kUnitBits) | keys.Fold(text[length]);
        }
        if (length == 0) {
            break;
        }
        prefix[word] = bits << (Keys::kUnitBits * (Keys::kWordUnits - length));
        if (length < Keys::kWordUnits) {
            break;
        }
        text += Keys::kWordUnits;
    }
    return prefix;
}

// Word by word, so that a sort's comparisons stay inline.
template <class Keys>
struct PrefixBefore {
    bool operator()(const TextEntry<Keys>& x, const TextEntry<Keys>& y) const {
        for (int word = 0; word + 1 < Keys::kPrefixWords; ++word) {
            if (x.prefix[word] != y.prefix[word]) {
                return x.prefix[word] < y.prefix[word];
            }
        }
        return x.prefix.back() < y.prefix.back();
    }
};

template <class Keys>
bool SamePrefix(const TextEntry<Keys>& x, const TextEntry<Keys>& y) {
    for (int word = 0; word < Keys::kPrefixWords; ++word) {
        if (x.prefix[word] != y.prefix[word]) {
            return false;
        }
    }
    return true;
}

// Whether the texts of entries whose prefixes are equal may still differ: the prefix ends in a
// zero unit only when the text ended within it.
template <class Keys>
bool TextGoesOn(const TextEntry<Keys>& entry) {
    constexpr uint64_t kLastUnit = (uint64_t{1} << Keys::kUnitBits) - 1;
    return (entry.prefix.back() & kLastUnit) != 0;
}

// Sorts the entries by their texts: by prefix first, then each run of equal prefixes whose
// texts go on by the next units, and so on. Each text is read once per prefix's length its run
// shares with others, not at every comparison, and runs of equal texts are read through once.
template <class Keys>
void SortTextEntries(const Keys& keys, ScratchVector<TextEntry<Keys>>& entries) {
    constexpr int kPrefixUnits = Keys::kPrefixWords * Keys::kWordUnits;
    const size_t count = entries.size();
    std::sort(entries.begin(), entries.end(), PrefixBefore<Keys>{});
    ScratchVector<std::pair<size_t, size_t>> runs;  // runs whose texts may still differ
    auto split = [&](size_t begin, size_t end) {
        entries[begin].startsKey = true;
        size_t runBegin = begin;
        for (size_t k = begin + 1; k <= end; ++k) {
            if (k < end && SamePrefix(entries[k], entries[k - 1])) {
                entries[k].startsKey = false;
                continue;
            }
            if (k < end) {
                entries[k].startsKey = true;
            }
            if (k - runBegin > 1 && TextGoesOn(entries[runBegin])) {
                runs.emplace_back(runBegin, k);
            }
            runBegin = k;
        }
    };
    split(0, count);
    while (!runs.empty()) {
        const auto [begin, end] = runs.back();
        runs.pop_back();
        const bool startsKey = entries[begin].startsKey;
        for (size_t k = begin; k < end; ++k) {
            entries[k].text += kPrefixUnits;
            entries[k].prefix = FoldedPrefix(keys, entries[k].text);
        }
        std::sort(entries.begin() + begin, entries.begin() + end, PrefixBefore<Keys>{});
        split(begin, end);
        entries[begin].startsKey = startsKey;
    }
}

template <class Keys>
void OrderTextKeys(const Keys& keys, const uint32_t* offsets, size_t count,
                   const SortSource& source, bool descending, const RankSortTuning& tuning,
                   uint32_t* positions) {
    const TextKeyReader reader(source);
    ScratchVector<TextEntry<Keys>> entries(count);
    for (size_t i = 0; i < count; ++i) {
        const uint32_t poolOffset = LoadSortSlot(source.table, source.tableSize,
                                                 KeySlotPosition(offsets[i], source.keyColumn));
        const typename Keys::Unit* text = keys.TextAt(reader, poolOffset);
        entries[i] = {FoldedPrefix(keys, text), text, static_cast<uint32_t>(i), false};
    }
    SortTextEntries(keys, entries);
    ScratchVector<uint64_t> items;
    OrderRows(
        count, [&](size_t k) { return static_cast<size_t>(entries[k].position); },
        [&](size_t k) { return entries[k].startsKey; }, descending, tuning, items, positions);
}

// Positions in display order into positions[0..count).
void OrderKeys(const uint32_t* offsets, size_t count, const SortSource& source, bool descending,
               const RankSortTuning& tuning, uint32_t* positions) {
    if (!source.textKeys) {
        OrderNumberKeys(offsets, count, source, descending, tuning, positions);
    } else if (source.textWidth == TextWidth::Utf16) {
        OrderTextKeys(WideKeys{source.fold}, offsets, count, source, descending, tuning, positions);
    } else {
        OrderTextKeys(ByteKeys{}, offsets, count, source, descending, tuning, positions);
    }
}

}  // namespace

bool SortRowPositions(const uint32_t* offsets, size_t count, const SortSource& source,
                      bool descending, uint32_t* positions, const RankSortTuning& tuning) {
    if (offsets == nullptr || positions == nullptr || count > kMaxSortRows) {
        return false;
    }
    if (count < 2) {
        std::fill(positions, positions + count, 0u);
        return true;
    }
    try {
        OrderKeys(offsets, count, source, descending, tuning, positions);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    } catch (const std::length_error&) {
        return false;
    }
}

bool SortRowOffsets(uint32_t* offsets, size_t count, const SortSource& source, bool descending,
                    const RankSortTuning& tuning) {
    if (count < 2) {
        return true;
    }
    if (offsets == nullptr || count > kMaxSortRows) {
        return false;
    }
    try {
        ScratchVector<uint32_t> positions(count);
        OrderKeys(offsets, count, source, descending, tuning, positions.data());
        ScratchVector<uint32_t> shown(offsets, offsets + count);
        for (size_t k = 0; k < count; ++k) {
            offsets[k] = shown[positions[k]];
        }
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    } catch (const std::length_error&) {
        return false;
    }
}

}  // namespace vorlane

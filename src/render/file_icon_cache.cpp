#include "render/file_icon_cache.h"

namespace vorlane {

uint32_t FileIconCache::SlotOf(uint32_t rowOffset) {
    // Row offsets step by the row size; a multiplicative hash spreads any step over the slots.
    static_assert(kEntries == 1u << 12);
    return (rowOffset * 2654435761u) >> (32 - 12);
}

std::optional<int> FileIconCache::Find(uint32_t rowOffset) const {
    const Entry& entry = entries_[SlotOf(rowOffset)];
    if (entry.generation != generation_ || entry.rowOffset != rowOffset) {
        return std::nullopt;
    }
    return entry.icon;
}

void FileIconCache::Keep(uint32_t rowOffset, HIMAGELIST images, int icon) {
    if (images_ != images) {
        Invalidate();  // icons of another list mean nothing in this one
        images_ = images;
    }
    entries_[SlotOf(rowOffset)] = {rowOffset, generation_, icon};
}

void FileIconCache::Forget(uint32_t rowOffset) {
    Entry& entry = entries_[SlotOf(rowOffset)];
    if (entry.rowOffset == rowOffset) {
        entry.generation = 0;
    }
}

void FileIconCache::Invalidate() {
    if (++generation_ == 0) {
        // After 2^32 generations an old entry could match again: start over.
        entries_.fill({});
        generation_ = 1;
    }
}

void FileIconCache::FollowPrefix(const char* prefix) {
    if (prefix == nullptr) {
        prefix = "";
    }
    uint32_t i = 0;
    while (i + 1 < kPrefixSize && prefix[i] != '\0' && prefix[i] == prefix_[i]) {
        ++i;
    }
    if (i + 1 == kPrefixSize || prefix[i] == prefix_[i]) {
        return;  // the same as far as a path can hold it
    }
    for (i = 0; i + 1 < kPrefixSize && prefix[i] != '\0'; ++i) {
        prefix_[i] = prefix[i];
    }
    prefix_[i] = '\0';
    Invalidate();
}

}  // namespace vorlane

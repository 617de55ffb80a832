#include "render/file_icon_cache.h"

#include <cstring>

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

void FileIconCache::Adopt(HIMAGELIST images) {
    if (images_ != nullptr && images_ != images) {
        Invalidate();  // icons of another list mean nothing in this one
    }
    images_ = images;  // before the first list nothing was kept
}

void FileIconCache::Keep(uint32_t rowOffset, HIMAGELIST images, int icon) {
    Adopt(images);
    entries_[SlotOf(rowOffset)] = {rowOffset, generation_, icon};
}

std::optional<int> FileIconCache::FindType(const char* extension) const {
    for (const TypeEntry& entry : types_) {
        if (entry.generation == generation_ && lstrcmpiA(entry.extension.data(), extension) == 0) {
            return entry.icon;
        }
    }
    return std::nullopt;
}

void FileIconCache::KeepType(const char* extension, HIMAGELIST images, int icon) {
    if (std::strlen(extension) >= TypeEntry{}.extension.size()) {
        return;  // too long to keep: such names are looked up one by one
    }
    Adopt(images);
    TypeEntry& entry = types_[nextType_];
    nextType_ = (nextType_ + 1) % kTypeEntries;
    std::strcpy(entry.extension.data(), extension);
    entry.generation = generation_;
    entry.icon = icon;
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
        types_.fill({});
        generation_ = 1;
    }
}

void FileIconCache::FollowPrefix(const void* prefix, TextWidth width) {
    // Units of either width compare as their values: a grid's texts never change width.
    auto unitAt = [prefix, width](uint32_t i) -> char16_t {
        if (prefix == nullptr) {
            return 0;
        }
        if (width == TextWidth::Utf16) {
            return static_cast<const char16_t*>(prefix)[i];
        }
        return static_cast<unsigned char>(static_cast<const char*>(prefix)[i]);
    };
    uint32_t i = 0;
    while (i + 1 < kPrefixSize && unitAt(i) != 0 && unitAt(i) == prefix_[i]) {
        ++i;
    }
    if (i + 1 == kPrefixSize || unitAt(i) == prefix_[i]) {
        return;  // the same as far as a path can hold it
    }
    for (i = 0; i + 1 < kPrefixSize && unitAt(i) != 0; ++i) {
        prefix_[i] = unitAt(i);
    }
    prefix_[i] = 0;
    Invalidate();
}

}  // namespace vorlane

#include "store/string_pool.h"

#include <cstring>

namespace vorlane {

namespace {

// The empty text of either width: an absent pool reads as this, and null texts are stored as it.
alignas(char16_t) const char kEmptyText[sizeof(char16_t)] = {'\0', '\0'};

}  // namespace

const char* StringPool::bytes() const {
    const uint8_t* memory = block_.bytes();
    return memory != nullptr ? reinterpret_cast<const char*>(memory) : kEmptyText;
}

std::optional<uint32_t> StringPool::OffsetOf(const void* text) const {
    const uint8_t* memory = block_.bytes();
    if (memory == nullptr) {
        return std::nullopt;
    }
    uintptr_t start = reinterpret_cast<uintptr_t>(memory);
    uintptr_t at = reinterpret_cast<uintptr_t>(text);
    if (at < start || at - start >= block_.used()) {
        return std::nullopt;
    }
    return static_cast<uint32_t>(at - start);
}

std::optional<uint32_t> StringPool::AppendString(const void* text) {
    if (text == nullptr) {
        text = kEmptyText;
    }
    uint64_t units = TextUnits(text, width_) + 1;
    if (units * UnitBytes() > GrowBlock::kMaxCapacity) {
        return std::nullopt;
    }
    return AppendString(text, static_cast<uint32_t>(units));
}

std::optional<uint32_t> StringPool::AppendString(const void* text, uint32_t units) {
    if (text == nullptr || units == 0) {
        return AppendString(kEmptyText, 1);
    }
    const uint64_t size = uint64_t{units} * UnitBytes();
    std::optional<uint32_t> inside = OffsetOf(text);
    if (!block_.MakeRoom(size, FirstOffset())) {
        return std::nullopt;
    }
    if (inside) {
        text = block_.bytes() + *inside;
    }
    uint32_t offset = block_.Claim(static_cast<uint32_t>(size));
    std::memcpy(block_.bytes() + offset, text, static_cast<size_t>(size) - UnitBytes());
    std::memset(block_.bytes() + offset + size - UnitBytes(), 0, UnitBytes());
    return offset;
}

const char* StringPool::StringAt(uint32_t offset) const {
    if (width_ != TextWidth::Bytes || !HoldsStringAt(offset)) {
        return kEmptyText;
    }
    // The last used unit is always a NUL, so every string below used() ends before it.
    return reinterpret_cast<const char*>(block_.bytes()) + offset;
}

const char16_t* StringPool::WideStringAt(uint32_t offset) const {
    if (width_ != TextWidth::Utf16 || !HoldsStringAt(offset)) {
        return reinterpret_cast<const char16_t*>(kEmptyText);
    }
    return reinterpret_cast<const char16_t*>(block_.bytes() + offset);
}

uint32_t StringPool::ReadString(uint32_t offset, void* destination,
                                uint32_t destinationUnits) const {
    if (destination == nullptr || destinationUnits == 0) {
        return 0;
    }
    const void* text = width_ == TextWidth::Utf16 ? static_cast<const void*>(WideStringAt(offset))
                                                  : static_cast<const void*>(StringAt(offset));
    return CopyTextCut(text, width_, destination, destinationUnits);
}

bool StringPool::ReplaceString(uint32_t& slot, const void* text) {
    if (text == nullptr) {
        slot = 0;
        return true;
    }
    uint64_t size = StoredSize(text);
    std::optional<uint32_t> inside = OffsetOf(text);
    // The end of the pool must have room even when the old place is then reused.
    if (!block_.MakeRoom(size, FirstOffset())) {
        return false;
    }
    uint8_t* memory = block_.bytes();
    if (inside) {
        text = memory + *inside;
    }
    uint64_t oldSize = 0;
    if (HoldsStringAt(slot)) {
        oldSize = StoredSize(memory + slot);
    }
    if (oldSize >= size) {
        std::memmove(memory + slot, text, static_cast<size_t>(size));
        return true;
    }
    uint32_t offset = block_.Claim(static_cast<uint32_t>(size));
    std::memcpy(memory + offset, text, static_cast<size_t>(size));
    slot = offset;
    return true;
}

}  // namespace vorlane

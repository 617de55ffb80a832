#include "store/string_pool.h"

#include <cstring>

namespace vorlane {

namespace {

const char kEmptyText[1] = {'\0'};

}  // namespace

const char* StringPool::bytes() const {
    const uint8_t* memory = block_.bytes();
    return memory != nullptr ? reinterpret_cast<const char*>(memory) : kEmptyText;
}

std::optional<uint32_t> StringPool::OffsetOf(const char* text) const {
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

std::optional<uint32_t> StringPool::AppendString(const char* text) {
    if (text == nullptr) {
        text = kEmptyText;
    }
    uint64_t size = static_cast<uint64_t>(std::strlen(text)) + 1;
    if (size > GrowBlock::kMaxCapacity) {
        return std::nullopt;
    }
    return AppendString(text, static_cast<uint32_t>(size));
}

std::optional<uint32_t> StringPool::AppendString(const char* text, uint32_t size) {
    if (text == nullptr || size == 0) {
        return AppendString(kEmptyText, 1);
    }
    std::optional<uint32_t> inside = OffsetOf(text);
    if (!block_.MakeRoom(size, kFirstOffset)) {
        return std::nullopt;
    }
    if (inside) {
        text = reinterpret_cast<const char*>(block_.bytes()) + *inside;
    }
    uint32_t offset = block_.Claim(size);
    std::memcpy(block_.bytes() + offset, text, size - 1);
    block_.bytes()[offset + size - 1] = '\0';
    return offset;
}

const char* StringPool::StringAt(uint32_t offset) const {
    if (offset == 0 || offset >= block_.used()) {
        return kEmptyText;
    }
    // The last used byte is always a NUL, so every string below used() ends before it.
    return reinterpret_cast<const char*>(block_.bytes()) + offset;
}

uint32_t StringPool::ReadString(uint32_t offset, char* destination,
                                uint32_t destinationSize) const {
    if (destination == nullptr || destinationSize == 0) {
        return 0;
    }
    const char* text = StringAt(offset);
    uint32_t length = 0;
    while (length + 1 < destinationSize && text[length] != '\0') {
        ++length;
    }
    std::memmove(destination, text, length);
    destination[length] = '\0';
    return length;
}

bool StringPool::ReplaceString(uint32_t& slot, const char* text) {
    if (text == nullptr) {
        slot = 0;
        return true;
    }
    uint64_t size = static_cast<uint64_t>(std::strlen(text)) + 1;
    std::optional<uint32_t> inside = OffsetOf(text);
    // The end of the pool must have room even when the old place is then reused.
    if (!block_.MakeRoom(size, kFirstOffset)) {
        return false;
    }
    char* memory = reinterpret_cast<char*>(block_.bytes());
    if (inside) {
        text = memory + *inside;
    }
    uint64_t oldSize = 0;
    if (slot != 0 && slot < block_.used()) {
        oldSize = static_cast<uint64_t>(std::strlen(memory + slot)) + 1;
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

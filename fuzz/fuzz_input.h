// Reads a fuzzer's bytes as a stream of small numbers; past the end everything reads 0.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace vorlane::fuzz {

class FuzzInput {
  public:
    FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    bool Empty() const { return at_ >= size_; }
    uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
    uint32_t Word() {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            value = value << 8 | Byte();
        }
        return value;
    }
    // A number below `limit` (limit > 0).
    uint32_t Below(uint32_t limit) { return Word() % limit; }
    // A text of up to `maxLength` bytes, never containing NUL.
    std::string Text(size_t maxLength) {
        std::string text;
        size_t length = Byte() % (maxLength + 1);
        for (size_t i = 0; i < length && !Empty(); ++i) {
            uint8_t c = Byte();
            text.push_back(static_cast<char>(c == 0 ? 'x' : c));
        }
        return text;
    }

  private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

// Stops the run with a crash that the fuzzer reports, keeping the input that caused it.
inline void Check(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

}  // namespace vorlane::fuzz

// Reads a fuzzer's bytes as a stream of small numbers; past the end everything reads 0.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
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

    // A text of up to `maxLength` UTF-16 units, never containing NUL: each unit either one of a
    // few that fold beyond ASCII, or a surrogate (a whole pair as often as a lone one), or any
    // 16-bit value.
    std::u16string WideText(size_t maxLength) {
        static const char16_t kUnits[] = {
            u'a',      u'A',      u'z',   u'_',   u'\u00E9', u'\u00C9', u'\u03B1', u'\u0391',
            u'\u0430', u'\u0410', 0xD83D, 0xDE00, 0xFFFF,    u'#',      u'-',      u'0'};
        std::u16string text;
        size_t length = Byte() % (maxLength + 1);
        while (text.size() < length && !Empty()) {
            const uint8_t pick = Byte();
            if (pick < 0x80 && pick % 8 == 0 && text.size() + 2 <= length) {
                text += u"\U0001F600";
                continue;
            }
            const char16_t unit = pick < 0x80 ? kUnits[pick % std::size(kUnits)]
                                              : static_cast<char16_t>(Byte() << 8 | Byte());
            text.push_back(unit == 0 ? u'x' : unit);
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

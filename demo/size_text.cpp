#include "size_text.h"

namespace {

// Wide enough for the largest 64-bit number with its separators.
constexpr size_t kPaddedWidth = 26;

std::string Grouped(uint64_t value) {
    std::string digits = std::to_string(value);
    std::string text;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i != 0 && (digits.size() - i) % 3 == 0) {
            text += ',';
        }
        text += digits[i];
    }
    return std::string(kPaddedWidth - text.size(), ' ') + text;
}

}  // namespace

std::string ByteSizeText(uint64_t bytes) {
    return Grouped(bytes);
}

std::string KibSizeText(uint64_t bytes) {
    return Grouped(bytes / 1024 + (bytes % 1024 != 0 ? 1 : 0)) + " KiB";
}

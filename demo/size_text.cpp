#include "size_text.h"

namespace {

// Sizes are texts padded at the left with spaces, so that the grid's text sort orders them as
// numbers. The widths order every size below 10 GB and still fit the columns, whose cut-off texts
// end in an ellipsis.
constexpr size_t kBytesWidth = 13;  // 9,999,999,999
constexpr size_t kKibWidth = 9;     // 9,999,999

std::string Grouped(uint64_t value, size_t width) {
    std::string digits = std::to_string(value);
    std::string text;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i != 0 && (digits.size() - i) % 3 == 0) {
            text += ',';
        }
        text += digits[i];
    }
    return text.size() < width ? std::string(width - text.size(), ' ') + text : text;
}

}  // namespace

std::string ByteSizeText(uint64_t bytes) {
    return Grouped(bytes, kBytesWidth);
}

std::string KibSizeText(uint64_t bytes) {
    return Grouped(bytes / 1024 + (bytes % 1024 != 0 ? 1 : 0), kKibWidth) + " KiB";
}

// Number text under arbitrary input: every routine stays inside its buffers, formatted text
// parses back to its value, and masked text is never longer than its bound.
#include <cstring>
#include <string>

#include "fuzz_input.h"
#include "store/number_text.h"

using vorlane::fuzz::Check;
using vorlane::fuzz::FuzzInput;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    while (!in.Empty()) {
        const uint32_t value = in.Word();
        const uint32_t width = in.Below(80);
        const uint32_t base = in.Below(40);
        const uint32_t separators = in.Below(3);
        const uint32_t zeroPad = in.Below(3);
        char text[vorlane::kNumberTextSize + 8];
        std::memset(text, 0x55, sizeof(text));
        uint32_t length = vorlane::FormatNumber(value, text, width, base, separators, zeroPad, 1);
        Check(length < vorlane::kNumberTextSize);
        Check(text[length] == '\0');

        // Base 10 with separators, as painting and the number editor use it: the digits
        // without separators parse back to the value.
        length = vorlane::FormatNumber(value, text, 10, 10, 1, 0, 1);
        std::string digits;
        for (uint32_t i = 0; i < length; ++i) {
            if (text[i] != ',')
                digits.push_back(text[i]);
        }
        char scratch[32];
        std::strcpy(scratch, digits.c_str());
        int32_t parsed = -1;
        vorlane::ParseNumber(scratch, &parsed, 10);
        Check(static_cast<uint32_t>(parsed) == value);

        // Arbitrary text parses without reading past its NUL.
        std::string typed = in.Text(40);
        std::string copy = typed;
        vorlane::ParseNumber(copy.data(), &parsed, 2 + in.Below(35));

        // Masks: the result fits the mask plus one character, and never passes 255.
        std::string mask = in.Text(300);
        char masked[512];
        std::string number = in.Text(200);
        std::strcpy(masked, number.c_str());
        uint32_t maskedLength = vorlane::ApplyMask(masked, mask.c_str());
        Check(maskedLength == std::strlen(masked));
        Check(maskedLength <= std::max<size_t>(number.size(), 0) ||
              maskedLength <= mask.size() + 1);
        Check(maskedLength <= vorlane::kMaxMaskedLength || maskedLength <= number.size());
    }
    return 0;
}

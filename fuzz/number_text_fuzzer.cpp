// Number text under arbitrary input: every routine stays inside its buffers, formatted text
// parses back to its value, and masked text is never longer than its bound. The wide versions
// give, on the same values as units, exactly what the byte versions give.
#include <algorithm>
#include <cstring>
#include <string>

#include "../tests/native/wide_text.h"
#include "fuzz_input.h"
#include "store/number_text.h"

using vorlane::fuzz::Check;
using vorlane::fuzz::FuzzInput;
using vorlane::widetext::Widen;

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
        char16_t units[vorlane::kNumberTextSize];
        Check(vorlane::FormatNumber(value, units, width, base, separators, zeroPad, 1) == length);
        Check(std::u16string(units) == Widen(text));

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
        const uint32_t typedBase = 2 + in.Below(35);
        vorlane::ParseNumber(copy.data(), &parsed, typedBase);
        std::u16string typedUnits = Widen(typed);
        int32_t parsedUnits = 0;
        vorlane::ParseNumber(typedUnits.data(), &parsedUnits, typedBase);
        Check(parsedUnits == parsed && typedUnits == Widen(copy));

        // Masks: one character for each mask character used, one more only for a leading '-',
        // and never more than 255.
        std::string mask = in.Text(300);
        char masked[512];
        std::string number = in.Text(200);
        std::strcpy(masked, number.c_str());
        std::u16string maskedUnits = Widen(number);
        maskedUnits.resize(512);
        uint32_t maskedLength = vorlane::ApplyMask(masked, mask.c_str());
        Check(maskedLength == std::strlen(masked));
        Check(vorlane::ApplyMask(maskedUnits.data(), Widen(mask).c_str()) == maskedLength);
        Check(std::u16string(maskedUnits.c_str()) == Widen(masked));
        Check(maskedLength <= mask.size() + (masked[0] == '-' ? 1 : 0));
        Check(maskedLength <= vorlane::kMaxMaskedLength);

        // Each '#' takes the next character from the right: a mask of '#' only leaves a text
        // without '-' as it was, cut on the left to the mask's length.
        if (number.find('-') == std::string::npos) {
            const std::string hashes(mask.size(), '#');
            std::strcpy(masked, number.c_str());
            vorlane::ApplyMask(masked, hashes.c_str());
            const size_t kept = std::min(
                {number.size(), hashes.size(), static_cast<size_t>(vorlane::kMaxMaskedLength)});
            Check(std::strcmp(masked, number.c_str() + number.size() - kept) == 0);
        }

        // Wide masks of any units, surrogates included, stay inside the same bounds.
        const std::u16string wideMask = in.WideText(300);
        std::u16string wideMasked = Widen(number);
        wideMasked.resize(512);
        const uint32_t wideLength = vorlane::ApplyMask(wideMasked.data(), wideMask.c_str());
        Check(wideLength == std::u16string(wideMasked.c_str()).size());
        Check(wideLength <= wideMask.size() + 1 && wideLength <= vorlane::kMaxMaskedLength);
    }
    return 0;
}

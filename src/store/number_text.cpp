#include "store/number_text.h"

#include <cstring>

namespace vorlane {

namespace {

constexpr uint32_t kFormatRunSize = 32;  // 32 base-2 digits, or 10 digits and 3 separators

bool IsSeparatorPlace(uint32_t runLength) {
    return runLength == 3 || runLength == 7 || runLength == 11;
}

uint8_t DigitValue(uint8_t byte) {
    if (byte > 0x60) {
        return static_cast<uint8_t>(byte - 0x57);
    }
    if (byte > 0x40) {
        return static_cast<uint8_t>(byte - 0x37);
    }
    return static_cast<uint8_t>(byte ^ 0x30);
}

// Builds the digits of `value`, least significant first, into `run`; returns the run's length.
// With kFixedBase non-zero the divisor is a constant, which spares the division in base 10.
template <uint32_t kFixedBase>
uint32_t BuildRun(uint32_t value, uint32_t base, bool grouped, char* run) {
    static const char kDigits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    const uint32_t divisor = kFixedBase != 0 ? kFixedBase : base;
    uint32_t length = 0;
    while (value != 0) {
        run[length++] = kDigits[value % divisor];
        value /= divisor;
        if (grouped && value != 0 && IsSeparatorPlace(length)) {
            run[length++] = ',';
        }
    }
    return length;
}

}  // namespace

uint32_t FormatNumber(uint32_t value, char* out, uint32_t width, uint32_t base, uint32_t separators,
                      uint32_t zeroPad, uint32_t terminate) {
    if (out == nullptr) {
        return 0;
    }
    char run[kFormatRunSize];
    uint32_t runLength = 0;
    if (base == 10) {
        runLength = BuildRun<10>(value, base, separators == 1, run);
    } else if (base >= 2 && base <= 36) {
        runLength = BuildRun<0>(value, base, false, run);
    }
    uint32_t length = 0;
    if (zeroPad == 1) {
        uint32_t padTo = width < kMaxNumberWidth ? width : kMaxNumberWidth;
        while (length + runLength < padTo) {
            out[length++] = '0';
        }
    }
    while (runLength != 0) {
        out[length++] = run[--runLength];
    }
    if (terminate != 0) {
        out[length] = '\0';
    }
    return length;
}

int32_t ParseNumber(char* text, int32_t* result, uint32_t base) {
    if (result == nullptr) {
        return 0;
    }
    *result = 0;
    if (text == nullptr) {
        return 0;
    }
    size_t length = std::strlen(text);
    bool negative = length != 0 && text[0] == '-';
    if (negative) {
        text[0] = '0';
    }
    // Each character is replaced by its digit value while the sum is taken from the last one.
    uint8_t* digits = reinterpret_cast<uint8_t*>(text);
    uint32_t sum = 0;
    uint32_t weight = 1;
    for (size_t i = length; i != 0; --i) {
        uint8_t digit = DigitValue(digits[i - 1]);
        digits[i - 1] = digit;
        sum += digit * weight;
        weight *= base;
    }
    if (negative) {
        sum = 0u - sum;
    }
    *result = static_cast<int32_t>(sum);
    return *result;
}

uint32_t ApplyMask(char* text, const char* mask) {
    if (text == nullptr) {
        return 0;
    }
    size_t t = std::strlen(text);
    if (mask == nullptr) {
        return static_cast<uint32_t>(t);
    }
    size_t m = std::strlen(mask);
    // The result grows leftwards from the end of the scratch run.
    char built[kMaxMaskedLength];
    uint32_t start = kMaxMaskedLength;
    while (t > 0 && m > 0 && start > 0) {
        if (text[t - 1] == '-') {
            built[--start] = '-';
            break;
        }
        --m;
        if (mask[m] == '#') {
            --t;
            built[--start] = text[t];
        } else {
            built[--start] = mask[m];
        }
    }
    uint32_t length = kMaxMaskedLength - start;
    std::memcpy(text, built + start, length);
    text[length] = '\0';
    return length;
}

}  // namespace vorlane

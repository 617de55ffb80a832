#include "store/number_text.h"

#include <string>
#include <type_traits>

#include "store/text_width.h"

namespace vorlane {

namespace {

constexpr uint32_t kFormatRunSize = 32;  // 32 base-2 digits, or 10 digits and 3 separators

bool IsSeparatorPlace(uint32_t runLength) {
    return runLength == 3 || runLength == 7 || runLength == 11;
}

// The unit's value as a digit; the value replaces the unit, so it keeps the unit's width.
template <class Unit>
Unit DigitValue(Unit unit) {
    using Value = std::make_unsigned_t<Unit>;
    const Value value = static_cast<Value>(unit);
    if (value > 0x60) {
        return static_cast<Unit>(value - 0x57);
    }
    if (value > 0x40) {
        return static_cast<Unit>(value - 0x37);
    }
    return static_cast<Unit>(value ^ 0x30);
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

template <class Unit>
uint32_t FormatUnits(uint32_t value, Unit* out, uint32_t width, uint32_t base, uint32_t separators,
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
        out[length++] = static_cast<Unit>(run[--runLength]);
    }
    if (terminate != 0) {
        out[length] = 0;
    }
    return length;
}

template <class Unit>
int32_t ParseUnits(Unit* text, int32_t* result, uint32_t base) {
    if (result == nullptr) {
        return 0;
    }
    *result = 0;
    if (text == nullptr) {
        return 0;
    }
    size_t length = std::char_traits<Unit>::length(text);
    bool negative = length != 0 && text[0] == '-';
    if (negative) {
        text[0] = '0';
    }
    // Each character is replaced by its digit value while the sum is taken from the last one.
    uint32_t sum = 0;
    uint32_t weight = 1;
    for (size_t i = length; i != 0; --i) {
        const Unit digit = DigitValue(text[i - 1]);
        text[i - 1] = digit;
        sum += static_cast<std::make_unsigned_t<Unit>>(digit) * weight;
        weight *= base;
    }
    if (negative) {
        sum = 0u - sum;
    }
    *result = static_cast<int32_t>(sum);
    return *result;
}

template <class Unit>
uint32_t MaskUnits(Unit* text, const Unit* mask) {
    if (text == nullptr) {
        return 0;
    }
    size_t t = std::char_traits<Unit>::length(text);
    if (mask == nullptr) {
        return static_cast<uint32_t>(t);
    }
    size_t m = std::char_traits<Unit>::length(mask);
    // The result grows leftwards from the end of the scratch run.
    Unit built[kMaxMaskedLength];
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
    if constexpr (sizeof(Unit) == sizeof(char16_t)) {
        // Cut by the bound with more to come: a pair's low half must not stand first alone.
        if (start == 0 && t > 0 && m > 0 && IsLowSurrogate(built[0])) {
            start = 1;
        }
    }
    uint32_t length = kMaxMaskedLength - start;
    std::char_traits<Unit>::copy(text, built + start, length);
    text[length] = 0;
    return length;
}

}  // namespace

uint32_t FormatNumber(uint32_t value, char* out, uint32_t width, uint32_t base, uint32_t separators,
                      uint32_t zeroPad, uint32_t terminate) {
    return FormatUnits(value, out, width, base, separators, zeroPad, terminate);
}

int32_t ParseNumber(char* text, int32_t* result, uint32_t base) {
    return ParseUnits(text, result, base);
}

uint32_t ApplyMask(char* text, const char* mask) {
    return MaskUnits(text, mask);
}

template <WideTextUnit Unit>
uint32_t FormatNumber(uint32_t value, Unit* out, uint32_t width, uint32_t base, uint32_t separators,
                      uint32_t zeroPad, uint32_t terminate) {
    return FormatUnits(value, out, width, base, separators, zeroPad, terminate);
}

template <WideTextUnit Unit>
int32_t ParseNumber(Unit* text, int32_t* result, uint32_t base) {
    return ParseUnits(text, result, base);
}

template <WideTextUnit Unit>
uint32_t ApplyMask(Unit* text, const Unit* mask) {
    return MaskUnits(text, mask);
}

template uint32_t FormatNumber(uint32_t, char16_t*, uint32_t, uint32_t, uint32_t, uint32_t,
                               uint32_t);
template int32_t ParseNumber(char16_t*, int32_t*, uint32_t);
template uint32_t ApplyMask(char16_t*, const char16_t*);

}  // namespace vorlane

// The width of a grid's texts, fixed when its store is made: bytes of the ANSI code page for an
// ANSI grid, UTF-16 code units for a Unicode grid. Every text crosses the store's interface in
// the store's own width, and lengths, limits and buffer sizes count code units of that width
// (bytes in a byte store).
//
// Wide code units are char16_t: the size and representation of the platform's wide characters,
// yet a type of its own, so that an overload on it never competes with one on bytes, and tests
// can write u"" literals.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>

namespace vorlane {

enum class TextWidth : uint8_t {
    Bytes,  // ANSI texts: one byte per code unit
    Utf16,  // Unicode texts: char16_t code units, kept 2-byte aligned
};

// Bytes of one code unit.
inline constexpr uint32_t UnitSize(TextWidth width) {
    return width == TextWidth::Utf16 ? 2 : 1;
}

inline constexpr bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
inline constexpr bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// Code units of `text` (not null) before its NUL unit.
inline uint64_t TextUnits(const void* text, TextWidth width) {
    if (width == TextWidth::Bytes) {
        return std::strlen(static_cast<const char*>(text));
    }
    return std::char_traits<char16_t>::length(static_cast<const char16_t*>(text));
}

// Copies `text` (not null) into `destination`, cut to `destinationUnits` units with the NUL; a
// high surrogate that the cut would leave last goes too, so a pair is never split. Returns the
// units copied before the NUL; nothing is written for a null destination or 0 units.
inline uint32_t CopyTextCut(const void* text, TextWidth width, void* destination,
                            uint32_t destinationUnits) {
    if (destination == nullptr || destinationUnits == 0) {
        return 0;
    }
    const size_t unit = UnitSize(width);
    uint32_t length = 0;
    if (width == TextWidth::Bytes) {
        const char* bytes = static_cast<const char*>(text);
        while (length + 1 < destinationUnits && bytes[length] != '\0') {
            ++length;
        }
    } else {
        const char16_t* units = static_cast<const char16_t*>(text);
        while (length + 1 < destinationUnits && units[length] != 0) {
            ++length;
        }
        if (length != 0 && units[length] != 0 && IsHighSurrogate(units[length - 1])) {
            --length;
        }
    }
    char* out = static_cast<char*>(destination);
    std::memmove(out, text, size_t{length} * unit);
    std::memset(out + size_t{length} * unit, 0, unit);
    return length;
}

}  // namespace vorlane

// Wide texts for the store's tests and fuzzers: a folding table of a few cases, and bytes made
// wide.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vorlane::widetext {

// A stand-in for the platform's upper-casing table: a-z, and e acute, alpha and Cyrillic a as
// three letters beyond ASCII, map to their capitals; every other unit maps to itself.
inline const uint16_t* TestFoldTable() {
    static const std::array<uint16_t, 0x10000> table = [] {
        std::array<uint16_t, 0x10000> units{};
        for (uint32_t unit = 0; unit < units.size(); ++unit) {
            units[unit] = static_cast<uint16_t>(unit);
        }
        for (uint32_t unit = 'a'; unit <= 'z'; ++unit) {
            units[unit] = static_cast<uint16_t>(unit - 0x20);
        }
        units[0x00E9] = 0x00C9;
        units[0x03B1] = 0x0391;
        units[0x0430] = 0x0410;
        return units;
    }();
    return table.data();
}

// Each byte's value as one unit.
inline std::u16string Widen(const std::string& bytes) {
    std::u16string units;
    for (char byte : bytes) {
        units.push_back(static_cast<unsigned char>(byte));
    }
    return units;
}

}  // namespace vorlane::widetext

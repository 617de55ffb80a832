#include "reliability_helpers.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace testing_support {

uint64_t Rng::Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

uint32_t Rng::Below(uint32_t bound) {
    return bound == 0 ? 0 : static_cast<uint32_t>((Next() >> 32) % bound);
}

int32_t Rng::Between(int32_t lo, int32_t hi) {
    const auto span = static_cast<uint64_t>(static_cast<int64_t>(hi) - lo) + 1;
    return static_cast<int32_t>(lo + static_cast<int64_t>(Next() % span));
}

uint64_t EnvNumber(const char* name, uint64_t fallback) {
    const char* text = std::getenv(name);
    if (text == nullptr || *text == '\0') {
        return fallback;
    }
    char* end = nullptr;
    const unsigned long long value = std::strtoull(text, &end, 10);
    return end != nullptr && *end == '\0' ? value : fallback;
}

std::string RandomText(Rng& rng, size_t length) {
    static const char kSpecial[] = {'&', '\t', '-', ',', '#', '\\', '%', ' '};
    std::string text(length, 'x');
    for (char& c : text) {
        const uint32_t roll = rng.Below(100);
        if (roll < 80) {
            c = static_cast<char>(' ' + rng.Below(95));
        } else if (roll < 92) {
            c = rng.Pick(kSpecial);
        } else {
            c = SafeForEditors(static_cast<char>(0x80 + rng.Below(0x80)));
        }
    }
    return text;
}

char SafeForEditors(char c) {
#ifdef _WIN64
    constexpr char kCrashesShaping = '\x98';
    if (c == kCrashesShaping) {
        return '\x99';
    }
#endif
    return c;
}

size_t HostileTextLength(Rng& rng) {
    const uint32_t roll = rng.Below(1000);
    if (roll < 700) {
        return rng.Below(24);
    }
    if (roll < 930) {
        return 24 + rng.Below(600);  // past the 255 a row shows and the 511 an editor takes
    }
    if (roll < 995) {
        return 600 + rng.Below(8000);
    }
    return kLongestHostileText - rng.Below(1000);
}

uint32_t HostileValue(Rng& rng) {
    static const uint32_t kEdges[] = {0,          1,          2,          9,          10,
                                      0xFFFFFFFF, 0x7FFFFFFF, 0x80000000, 0x0000FFFF, 0x00010000,
                                      1000,       1234567,    0xFFFFFFFE, 999,        0x00030002};
    const uint32_t roll = rng.Below(100);
    if (roll < 40) {
        return rng.Pick(kEdges);
    }
    if (roll < 75) {
        return rng.Below(100000);
    }
    return rng.Bits32();
}

bool GuardIntact(const std::vector<char>& buffer, size_t from) {
    return std::all_of(buffer.begin() + static_cast<std::ptrdiff_t>(from), buffer.end(),
                       [](char c) { return c == kGuard; });
}

int LiveIconsAndCursors() {
    // The window manager's handles are even numbers from 0x20 up; a high word of 0 matches an
    // entry whatever its generation.
    int live = 0;
    for (UINT_PTR handle = 0x20; handle < 0xFFF0; handle += 2) {
        ICONINFO info = {};
        if (GetIconInfo(reinterpret_cast<HICON>(handle), &info)) {
            ++live;
            if (info.hbmMask != nullptr) {
                DeleteObject(info.hbmMask);
            }
            if (info.hbmColor != nullptr) {
                DeleteObject(info.hbmColor);
            }
        }
    }
    return live;
}

}  // namespace testing_support

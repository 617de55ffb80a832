// Helpers for the reliability tests (message fuzzer, hostile parents, out of memory, leaks): a
// seeded random source, numbers from the environment, hostile texts, guard bytes after a buffer,
// and counts of the icons and cursors a process holds.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace testing_support {

// A small seeded generator (splitmix64): one seed always gives the same run.
class Rng {
  public:
    explicit Rng(uint64_t seed) : state_(seed) {}
    uint64_t Next();
    uint32_t Bits32() { return static_cast<uint32_t>(Next() >> 32); }
    // 0 to bound - 1; 0 for a bound of 0.
    uint32_t Below(uint32_t bound);
    // lo to hi, both included.
    int32_t Between(int32_t lo, int32_t hi);
    bool Chance(uint32_t percent) { return Below(100) < percent; }
    template <class T, size_t N>
    const T& Pick(const T (&items)[N]) {
        return items[Below(static_cast<uint32_t>(N))];
    }

  private:
    uint64_t state_;
};

// The environment variable `name` read as an unsigned decimal number, or `fallback` when it is
// not set or not a number.
uint64_t EnvNumber(const char* name, uint64_t fallback);

// A text of `length` characters, none of them NUL: mostly printable, with ampersands, tabs and
// bytes above 0x7F mixed in (each passed through SafeForEditors).
std::string RandomText(Rng& rng, size_t length);

// The byte itself, except where the platform's own edit control crashes on it. 64-bit Wine 8's
// text shaping (gdi32's GPOS_apply_MarkToMark reads at glyph index -1) faults as soon as an edit
// control holds byte 0x98 of the ANSI code page (U+02DC SMALL TILDE), in every font; a plain EDIT
// without the control crashes the same way, and the 32-bit build does not. Every text may reach
// an editor, so on 64-bit that one byte becomes 0x99; every other byte above 0x7F still does.
char SafeForEditors(char c);

// A length for a hostile text: mostly short, sometimes hundreds or thousands of characters,
// rarely up to kLongestHostileText.
constexpr size_t kLongestHostileText = 200000;
size_t HostileTextLength(Rng& rng);

// A 32-bit value that tends to the edges: 0, 1, -1, the extremes, small and random values.
uint32_t HostileValue(Rng& rng);

// Guard bytes put after the room a message may write to: the buffer is filled with kGuard and
// GuardIntact tells whether every byte from `from` on still holds it.
constexpr char kGuard = '\x5A';
constexpr size_t kGuardBytes = 16;
bool GuardIntact(const std::vector<char>& buffer, size_t from);

// Icons and cursors alive in this process. The platform offers no counter for them, so every
// handle of the window manager's handle table is asked for its icon information; a process
// whose platform answers nothing there counts 0.
int LiveIconsAndCursors();

}  // namespace testing_support

// Number cells as text: formatting a 32-bit value with optional thousands separators and zero
// padding, reading typed digits back, and fitting formatted text into a column's display mask.
// None of them allocates; each works in a fixed scratch run. Each works on bytes and, through
// the templates at the end, on UTF-16 units alike: "character" below is one code unit, and a
// wide text whose units are all below 0x100 gives exactly the result of the bytes of the same
// values.
#pragma once

#include <concepts>
#include <cstdint>

namespace vorlane {

// Padding goes no wider than this, so a buffer of kNumberTextSize bytes always holds the text
// of FormatNumber and its NUL (32 base-2 digits at most, 13 characters with separators).
inline constexpr uint32_t kMaxNumberWidth = 64;
inline constexpr uint32_t kNumberTextSize = kMaxNumberWidth + 1;

// ApplyMask builds at most this many characters.
inline constexpr uint32_t kMaxMaskedLength = 255;

// Writes `value` (unsigned) into `out` in `base` (2 to 36; digits 0-9 then A-Z), most
// significant first. With `separators` exactly 1 in base 10 a ',' stands after every three
// digits from the right. With `zeroPad` exactly 1 the text is padded with leading '0' to `width`
// characters (at most kMaxNumberWidth); a shorter width never cuts it. A NUL follows when
// `terminate` is non-zero. 0 (and any base outside 2 to 36) gives no digits: an empty text, or
// only the padding. Returns the length without the NUL; a null `out` gets nothing and gives 0.
// `out` must hold max(width, 32) + 1 bytes; kNumberTextSize always suffices.
uint32_t FormatNumber(uint32_t value, char* out, uint32_t width, uint32_t base, uint32_t separators,
                      uint32_t zeroPad, uint32_t terminate);

// Reads `text` as a number in `base` and stores it in `*result` (also returned). A leading '-'
// negates. Every other character counts as a digit: above 0x60 it is its value - 0x57, above
// 0x40 its value - 0x37, else its value ^ 0x30; products and sums wrap at 32 bits.
// The buffer is scratch: afterwards it holds digit values, not text. A null `text` gives 0; a
// null `result` leaves the text alone and gives 0.
int32_t ParseNumber(char* text, int32_t* result, uint32_t base);

// Fits number text into `mask`, building from the right: each '#' takes the next character of
// the text from the right, other mask characters are copied while text characters remain, and a
// '-' in the text is put in front and ends the masking. The result replaces the text and is at
// most strlen(mask) + 1 characters (and never more than kMaxMaskedLength), so `text` must hold
// that many plus the NUL, and at least its own text. A null mask leaves the text as it was.
// Where kMaxMaskedLength cuts a wide result, a low surrogate left first goes too, so that no
// pair is split. Returns the new length.
uint32_t ApplyMask(char* text, const char* mask);

// The same on UTF-16 units. Templates only so that a null pointer still names the byte versions.
template <class Unit>
concept WideTextUnit = std::same_as<Unit, char16_t>;

template <WideTextUnit Unit>
uint32_t FormatNumber(uint32_t value, Unit* out, uint32_t width, uint32_t base, uint32_t separators,
                      uint32_t zeroPad, uint32_t terminate);
template <WideTextUnit Unit>
int32_t ParseNumber(Unit* text, int32_t* result, uint32_t base);
template <WideTextUnit Unit>
uint32_t ApplyMask(Unit* text, const Unit* mask);

}  // namespace vorlane

// Strings stored one after another, each with its NUL, addressed by byte offset. Offset 0 is
// never handed out and means "no string" wherever an offset is kept. Strings are never moved or
// freed one by one; a rewrite that does not fit leaves the old string behind unreferenced.
// A pool holds texts of one width, chosen when it is made (text_width.h): in a wide pool every
// string starts at an even offset, so its units can be read in place.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "store/grow_block.h"
#include "store/text_width.h"

namespace vorlane {

class StringPool {
  public:
    explicit StringPool(TextWidth width = TextWidth::Bytes) : width_(width) {}

    TextWidth width() const { return width_; }
    // Bytes of one code unit.
    uint32_t UnitBytes() const { return UnitSize(width_); }
    // used() of a new pool, and the offset of its first string: the zero unit at offset 0
    // stands for "no string".
    uint32_t FirstOffset() const { return UnitSize(width_); }

    bool Exists() const { return block_.Exists(); }
    uint32_t used() const { return block_.used(); }
    uint32_t capacity() const { return block_.capacity(); }
    // Bytes of memory held underneath, for measuring overhead.
    size_t reserved() const { return block_.reserved(); }
    // The pool's bytes, read directly by the sort. Never null: an absent pool reads as one zero
    // unit, so offset 0 is the empty string either way. Any append may move the bytes.
    const char* bytes() const;

    // Bytes that storing `text` (in the pool's width; null: the empty text) takes.
    uint64_t StoredSize(const void* text) const {
        return text == nullptr ? UnitBytes() : (TextUnits(text, width_) + 1) * UnitBytes();
    }

    // Stores a copy of `text` (in the pool's width; null: the empty text) at the end, creating
    // and growing the pool as needed. The copy's offset, never 0; nullopt (nothing changed) when
    // the memory cannot be had or the pool would pass the 32-bit limit.
    std::optional<uint32_t> AppendString(const void* text);
    // The same for a text whose units with the NUL, its length + 1, the caller has measured.
    std::optional<uint32_t> AppendString(const void* text, uint32_t units);

    // Copies the string at `offset` with its NUL into `destination`, cut to fit
    // `destinationUnits` units of the pool's width. A cut never splits a surrogate pair: a high
    // surrogate left last by the cut is dropped too. Offset 0, or one not below used(), gives
    // the empty string. Returns the units copied; nothing is written for a null or empty
    // destination.
    uint32_t ReadString(uint32_t offset, void* destination, uint32_t destinationUnits) const;

    // The string at `offset` in place ("" for 0 or an offset not below used(), and in a pool of
    // the other width); valid until the next change of the pool.
    const char* StringAt(uint32_t offset) const;
    const char16_t* WideStringAt(uint32_t offset) const;

    // Stores new text for a text cell whose slot holds a pool offset. Null sets the slot to 0 and
    // leaves the pool alone. Otherwise the pool is created if needed and grown when the text
    // would not fit at the end, before the old string is looked at; the text then goes over the
    // old string when that string, as it now reads, is at least as long, else it is appended and
    // the slot moves there. False, with slot and pool unchanged, when memory cannot be had.
    bool ReplaceString(uint32_t& slot, const void* text);

    // Obtains the memory for `bytes` more bytes of strings without storing anything, so that
    // appends totalling at most that much cannot fail.
    bool ReserveFor(uint64_t bytes) { return block_.ReserveRoom(bytes, FirstOffset()); }
    void DropReserveIfAbsent() { block_.DropReserveIfAbsent(); }
    // Takes back what was appended since used() and capacity() were `used` and `capacity`, or
    // frees the block when it did not exist then (`existed` false).
    void TruncateTo(bool existed, uint32_t used, uint32_t capacity) {
        block_.TruncateTo(existed, used, capacity);
    }
    // Gives back the memory held past capacity() (see GrowBlock::Trim); bytes() moves.
    void Trim() { block_.Trim(); }
    // Frees every string; the pool no longer exists.
    void Release() { block_.Release(); }

  private:
    // Where `text` lies inside the pool's used bytes, if it does: an append may move them.
    std::optional<uint32_t> OffsetOf(const void* text) const;
    // True when a string of the pool's width may start at `offset`: a unit boundary below used().
    bool HoldsStringAt(uint32_t offset) const {
        return offset != 0 && offset < block_.used() && offset % UnitBytes() == 0;
    }

    GrowBlock block_;
    TextWidth width_;  // width of every text in the pool, fixed at creation
};

}  // namespace vorlane

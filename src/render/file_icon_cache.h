// The shell's icon of each file row, kept once looked up: the lookup touches the file system
// and is the costliest step of painting a row. Entries are keyed by row offset and belong to one
// generation of the icons' inputs. Whatever changes an input for every row (the rows cleared,
// the folder prefix's text, files changed behind the control's back) moves the generation on;
// a row's own text change forgets that row. No icon is drawn from a past generation.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <array>
#include <cstdint>
#include <optional>

#include "store/text_width.h"

namespace vorlane {

class FileIconCache {
  public:
    // Rows whose icons are kept at most: many screens of rows, in a fixed 48 KiB.
    static constexpr uint32_t kEntries = 4096;
    // Characters of the folder prefix that can reach a path, with the NUL.
    static constexpr uint32_t kPrefixSize = 320;

    // The icon kept for the row, if any, of the image list icons() gives.
    std::optional<int> Find(uint32_t rowOffset) const;
    // Keeps the row's icon, an index into `images` (the shell's image list).
    void Keep(uint32_t rowOffset, HIMAGELIST images, int icon);
    HIMAGELIST images() const { return images_; }
    // The icon kept for every file of a type (an extension with its dot), if any.
    std::optional<int> FindType(const char* extension) const;
    void KeepType(const char* extension, HIMAGELIST images, int icon);
    // Moves on whenever kept icons stop counting; what is drawn from them may be kept as long.
    uint32_t generation() const { return generation_; }

    // The row's column-0 text changed.
    void Forget(uint32_t rowOffset);
    // Every row's icon may have changed: rows were cleared, or files changed.
    void Invalidate();
    // The folder prefix as it reads now (null: none), a text of the grid's width. A text other
    // than the one the kept icons were found under invalidates them: the client may rewrite the
    // text behind its pointer.
    void FollowPrefix(const void* prefix, TextWidth width);

  private:
    struct Entry {
        uint32_t rowOffset = 0;
        uint32_t generation = 0;  // 0: empty
        int icon = 0;
    };
    struct TypeEntry {
        std::array<char, 16> extension = {};  // with its dot, as the name spells it
        uint32_t generation = 0;              // 0: empty
        int icon = 0;
    };
    static constexpr uint32_t kTypeEntries = 64;
    static uint32_t SlotOf(uint32_t rowOffset);
    void Adopt(HIMAGELIST images);

    std::array<Entry, kEntries> entries_ = {};  // one row per slot, the latest wins
    uint32_t generation_ = 1;                   // the generation entries are now found under
    HIMAGELIST images_ = nullptr;               // the shell's small-icon list, the kept icons' list
    std::array<char16_t, kPrefixSize> prefix_ = {};   // the folder prefix of this generation, cut;
                                                      // one code unit of either width each
    std::array<TypeEntry, kTypeEntries> types_ = {};  // types met, the latest kept
    uint32_t nextType_ = 0;                           // the type entry written next, in turn
};

}  // namespace vorlane

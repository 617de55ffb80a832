// The shell's small icon of a file row. A lookup by path touches the file system and is the
// costliest step of painting a row, so each row's answer is kept (FileIconCache); and since the
// files of most types all show their type's icon, that icon is looked up once per type, without
// opening the files: only whether the name is a folder is read, once per row. Types whose files
// each show their own icon (programs, shortcuts, icon files, types with an icon handler), names
// without an extension and folders are looked up by path.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>

#include "render/file_icon_cache.h"

namespace vorlane {

struct ShellIcon {
    HIMAGELIST images = nullptr;  // the shell's small-icon list; null: no icon
    int index = 0;
};

// The icon of the file at `path` (prefix and name), for the row at `rowOffset`. A path the shell
// does not find shows the icon of its type.
ShellIcon FileIconOf(FileIconCache& cache, uint32_t rowOffset, const char* path);
// The same for a Unicode grid's path, asked of the shell in UTF-16; a type is kept by its
// extension when that is ASCII.
ShellIcon FileIconOf(FileIconCache& cache, uint32_t rowOffset, const wchar_t* path);

}  // namespace vorlane

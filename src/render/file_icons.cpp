#include "render/file_icons.h"

#include <shellapi.h>

#include <cstring>
#include <cwchar>

namespace vorlane {

namespace {

// The name's extension with its dot, or null when it has none.
const char* ExtensionOf(const char* path) {
    const char* dot = std::strrchr(path, '.');
    if (dot == nullptr || std::strchr(dot, '\\') != nullptr || std::strchr(dot, '/') != nullptr) {
        return nullptr;
    }
    return dot;
}

// Looks at HKEY_CLASSES_ROOT\`key`\`subkey` (subkey may be empty): false when the key is absent
// or the name too long; else true, with the key's default text value in `value` ("" if none).
bool ReadClassKey(const char* key, const char* subkey, char (&value)[MAX_PATH]) {
    value[0] = '\0';
    char name[MAX_PATH];
    if (std::strlen(key) + std::strlen(subkey) + 2 > sizeof name) {
        return false;
    }
    std::strcpy(name, key);
    if (subkey[0] != '\0') {
        std::strcat(name, "\\");
        std::strcat(name, subkey);
    }
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, name, 0, KEY_READ, &opened) != ERROR_SUCCESS) {
        return false;
    }
    DWORD type = 0;
    DWORD size = sizeof value - 1;
    if (RegQueryValueExA(opened, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) !=
            ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ)) {
        size = 0;
    }
    value[size < sizeof value ? size : sizeof value - 1] = '\0';
    RegCloseKey(opened);
    return true;
}

// Whether a class's files each show their own icon: its default icon is "%1" (the file
// itself), or an icon handler asks each file.
bool ClassAsksEachFile(const char* key) {
    char value[MAX_PATH];
    return (ReadClassKey(key, "DefaultIcon", value) && std::strstr(value, "%1") != nullptr) ||
           ReadClassKey(key, "shellex\\IconHandler", value);
}

// Whether every file of the type shows one icon: its class names a fixed default icon (not
// "%1", the file itself) and no icon handler that asks each file.
bool TypeHasOneIcon(const char* extension) {
    static const char* const kOwnIcons[] = {".exe", ".lnk", ".ico", ".cur", ".ani", ".url",
                                            ".scr", ".cpl", ".msc", ".pif", ".dll"};
    for (const char* own : kOwnIcons) {
        if (lstrcmpiA(extension, own) == 0) {
            return false;
        }
    }
    char progId[MAX_PATH];
    if (ClassAsksEachFile(extension)) {
        return false;
    }
    // An unregistered type shows the shell's generic icon, one for all its files.
    return !ReadClassKey(extension, "", progId) || progId[0] == '\0' || !ClassAsksEachFile(progId);
}

// A path as the shell is asked about it: ANSI bytes, or UTF-16 for a Unicode grid.
struct ShellPath {
    const char* bytes = nullptr;
    const wchar_t* wide = nullptr;
};

ShellIcon AskShell(const ShellPath& path, DWORD attributes, UINT flags) {
    flags |= SHGFI_SYSICONINDEX | SHGFI_SMALLICON;
    int index = 0;
    HIMAGELIST images = nullptr;
    if (path.wide != nullptr) {
        SHFILEINFOW info = {};
        images = reinterpret_cast<HIMAGELIST>(
            SHGetFileInfoW(path.wide, attributes, &info, sizeof info, flags));
        index = info.iIcon;
    } else {
        SHFILEINFOA info = {};
        images = reinterpret_cast<HIMAGELIST>(
            SHGetFileInfoA(path.bytes, attributes, &info, sizeof info, flags));
        index = info.iIcon;
    }
    return {images, images != nullptr ? index : 0};
}

// Whether the path names a folder, which shows the shell's folder icon whatever its name. Read
// only where the type's icon would otherwise be taken without asking about the file, once per
// row until the kept icons stop counting: the answer is kept with the row's icon.
bool IsFolder(const ShellPath& path) {
    const DWORD attributes =
        path.wide != nullptr ? GetFileAttributesW(path.wide) : GetFileAttributesA(path.bytes);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

ShellIcon TypeIcon(const ShellPath& path) {
    return AskShell(path, FILE_ATTRIBUTE_NORMAL, SHGFI_USEFILEATTRIBUTES);
}

// The icon of `path`, whose extension (null: none, or one the type cache cannot key) is given
// in bytes.
ShellIcon LookUp(FileIconCache& cache, uint32_t rowOffset, const ShellPath& path,
                 const char* extension) {
    if (const std::optional<int> kept = cache.Find(rowOffset)) {
        return {cache.images(), *kept};
    }
    ShellIcon icon;
    if (extension != nullptr && !IsFolder(path)) {
        if (const std::optional<int> typeIcon = cache.FindType(extension)) {
            icon = {cache.images(), *typeIcon};
        } else if (TypeHasOneIcon(extension)) {
            icon = TypeIcon(path);
            if (icon.images != nullptr) {
                cache.KeepType(extension, icon.images, icon.index);
            }
        }
    }
    if (icon.images == nullptr) {
        icon = AskShell(path, 0, 0);
    }
    if (icon.images == nullptr) {
        icon = TypeIcon(path);  // not found: renamed in the view only, or deleted
    }
    if (icon.images != nullptr) {
        cache.Keep(rowOffset, icon.images, icon.index);
    }
    return icon;
}

}  // namespace

ShellIcon FileIconOf(FileIconCache& cache, uint32_t rowOffset, const char* path) {
    return LookUp(cache, rowOffset, {path, nullptr}, ExtensionOf(path));
}

ShellIcon FileIconOf(FileIconCache& cache, uint32_t rowOffset, const wchar_t* path) {
    // The extension in bytes when every unit of it is ASCII and it fits a type entry.
    char extension[16] = {};
    const wchar_t* dot = std::wcsrchr(path, L'.');
    bool keyed = dot != nullptr && std::wcslen(dot) < sizeof extension;
    for (size_t i = 0; keyed && dot[i] != L'\0'; ++i) {
        keyed = dot[i] < 0x80 && dot[i] != L'\\' && dot[i] != L'/';
        extension[i] = static_cast<char>(dot[i]);
    }
    return LookUp(cache, rowOffset, {nullptr, path}, keyed ? extension : nullptr);
}

}  // namespace vorlane

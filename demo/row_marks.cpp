#include "row_marks.h"

#include <map>

#include "folder_view.h"

namespace {

// By path in capitals, as the file system compares names; rows with default values have none.
std::map<std::wstring, RowMark>& Marks() {
    static std::map<std::wstring, RowMark> marks;
    return marks;
}

std::wstring KeyOf(std::wstring path) {
    if (!path.empty()) {
        CharUpperBuffW(&path[0], static_cast<DWORD>(path.size()));
    }
    return path;
}

void Store(const std::wstring& path, const RowMark& mark) {
    if (mark.keep == 0 && (mark.tag.empty() || mark.tag == kNoTag)) {
        Marks().erase(KeyOf(path));
    } else {
        Marks()[KeyOf(path)] = mark;
    }
}

}  // namespace

RowMark MarkOf(const std::wstring& path) {
    const auto found = Marks().find(KeyOf(path));
    if (found == Marks().end()) {
        return RowMark{0, kNoTag};
    }
    return found->second;
}

void NoteCellWrite(FolderView& view, GridNotify& record) {
    if (record.value == 0) {
        return;
    }
    const std::wstring path = view.PathOf(record.row);
    RowMark mark = MarkOf(path);
    if (record.column == kKeepColumn && record.code == GRN_CELLCHANGING) {
        record.cancel = (view.KindAt(record.row) & 0xFF) == kParentRow ? 1 : 0;
    } else if (record.column == kKeepColumn && record.code == GRN_CELLCHANGED) {
        mark.keep = *reinterpret_cast<const INT32*>(record.value);
        Store(path, mark);
    } else if (record.column == kTagColumn && record.code == GRN_CELLCHANGING) {
        mark.tag = reinterpret_cast<const wchar_t*>(record.value);
        Store(path, mark);
    } else if (record.column == kNameColumn && record.code == GRN_CELLCHANGING) {
        const std::wstring renamed = view.PathOf(reinterpret_cast<const wchar_t*>(record.value));
        if (KeyOf(renamed) != KeyOf(path)) {
            Store(path, RowMark{});
            Store(renamed, mark);
        }
    }
}

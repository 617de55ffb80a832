#include "row_marks.h"

#include <map>

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

}  // namespace

void SetMark(const std::wstring& path, const RowMark& mark) {
    if (mark.keep == 0 && (mark.tag.empty() || mark.tag == kNoTag)) {
        Marks().erase(KeyOf(path));
    } else {
        Marks()[KeyOf(path)] = mark;
    }
}

RowMark MarkOf(const std::wstring& path) {
    const auto found = Marks().find(KeyOf(path));
    if (found == Marks().end()) {
        return RowMark{0, kNoTag};
    }
    return found->second;
}

void MoveMark(const std::wstring& from, const std::wstring& to) {
    if (KeyOf(from) != KeyOf(to)) {
        const RowMark mark = MarkOf(from);
        SetMark(from, RowMark{});
        SetMark(to, mark);
    }
}

#include "row_mark_writes.h"

#include "row_marks.h"

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
        SetMark(path, mark);
    } else if (record.column == kTagColumn && record.code == GRN_CELLCHANGING) {
        mark.tag = reinterpret_cast<const wchar_t*>(record.value);
        SetMark(path, mark);
    } else if (record.column == kNameColumn && record.code == GRN_CELLCHANGING) {
        MoveMark(path, view.PathOf(reinterpret_cast<const wchar_t*>(record.value)));
    }
}

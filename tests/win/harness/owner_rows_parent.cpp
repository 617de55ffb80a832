#include "owner_rows_parent.h"

#include <cstdio>
#include <algorithm>
#include <cstring>

namespace testing_support {

OwnerRow OwnerRowsModel::At(UINT row) const {
    if (row < rows.size()) {
        return rows[row];
    }
    char name[24];
    std::snprintf(name, sizeof name, "r%u", row);
    return {name, "", static_cast<INT32>(row), 0, 0, 2};
}

namespace {

void Answer(const OwnerRowsModel& model, const GridNotify& record) {
    auto* cell = reinterpret_cast<GridCellRef*>(record.value);
    const OwnerRow row = model.At(cell->row);
    if (cell->column < 2) {
        const std::string& text = cell->column == 0 ? row.name : row.note;
        if (cell->bufferSize > 0) {
            const size_t kept = std::min<size_t>(text.size(), cell->bufferSize - 1);
            std::memcpy(cell->buffer, text.data(), kept);
            static_cast<char*>(cell->buffer)[kept] = 0;
        }
        return;
    }
    const INT32 values[] = {row.size, row.a, row.b, row.kind};
    *static_cast<INT32*>(cell->buffer) = values[cell->column - 2];
}

void Keep(OwnerRowsModel& model, const GridNotify& record) {
    if (record.row >= model.rows.size() || record.value == 0) {
        return;
    }
    OwnerRow& row = model.rows[record.row];
    if (record.column < 2) {
        (record.column == 0 ? row.name : row.note) = reinterpret_cast<const char*>(record.value);
        return;
    }
    INT32* fields[] = {&row.size, &row.a, &row.b, &row.kind};
    *fields[record.column - 2] = *reinterpret_cast<const INT32*>(record.value);
}

}  // namespace

void OwnerRowsModel::Serve(RecordingParent& parent, HWND grid) {
    parent.onNotify = [this, &parent, grid, other = parent.onNotify](GridNotify& record) {
        if (grid != nullptr && record.hwndGrid != grid) {
            if (other) {
                other(record);
            }
            return;
        }
        if (record.code == GRN_GETCELL) {
            Answer(*this, record);
        } else if (record.code == GRN_CACHEHINT) {
            hints.push_back(*reinterpret_cast<const GridRowRange*>(record.value));
        } else if (record.code == GRN_CELLCHANGING &&
                   parent.vetoCodes.count(GRN_CELLCHANGING) == 0) {
            Keep(*this, record);
        }
        if (also) {
            also(record);
        }
    };
}

void OwnerRowsModel::Fill(HWND grid) const {
    for (const OwnerRow& row : rows) {
        AddStandardRow(grid, row.name.c_str(), row.note.c_str(), row.size, row.a, row.b, row.kind);
    }
}

std::vector<UINT> OwnerRowsModel::FetchedRows(const RecordingParent& parent) {
    std::vector<UINT> fetched;
    for (const GridNotify& record : parent.OfCode(GRN_GETCELL)) {
        fetched.push_back(record.row);
    }
    return fetched;
}

HWND CreateStandardGrid(HWND parent, bool ownerData, int x, int y) {
    HWND grid =
        CreateGrid(parent, x, y, 500, 204, ownerData ? GRS_OWNERDATA : 0, ownerData ? 2 : 1);
    AddStandardColumns(grid);
    return grid;
}

}  // namespace testing_support

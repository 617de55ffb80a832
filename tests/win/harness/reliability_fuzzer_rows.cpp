// The fuzzer's actions on rows and cells: adding and clearing rows, reading and writing cells,
// the selection, sorting, the current cell, cell rectangles and the viewport. Each sends one
// message (a few send a second one to prepare or follow it) with hostile parameters, predicts
// what a client may rely on and checks the answer.
#include <algorithm>
#include <cstring>

#include "reliability_fuzzer.h"
#include "vorlane.h"

namespace testing_support {

void MessageFuzzer::AddRow() {
    if (model_.RowCount() >= kMaxRows) {
        ClearRows();
        return;
    }
    const uint32_t count = model_.ColumnCount();
    std::vector<GridValue> values(count);
    std::vector<std::string> texts(count);
    ModelRow row;
    row.id = nextId_++;
    for (uint32_t i = 0; i < count; ++i) {
        row.cells.push_back(RandomCell(model_.columns[i], texts[i], values[i]));
    }
    row.cells[kIdColumn].value = row.id;
    values[kIdColumn] = static_cast<GridValue>(row.id);
    // A null array is a row of empty cells; the id is written right after.
    const bool null = rng_.Chance(5);
    if (null) {
        for (ModelCell& cell : row.cells) {
            cell = ModelCell();
        }
    }
    const LRESULT position =
        Send(grid_, GRM_ADDROW, 0, null ? 0 : reinterpret_cast<LPARAM>(values.data()));
    if (position != static_cast<LRESULT>(model_.RowCount())) {
        Fail("GRM_ADDROW answered " + std::to_string(position) + ", expected " +
             std::to_string(model_.RowCount()));
        return;
    }
    model_.rows.push_back(row);
    if (null) {
        vetoes_ = false;
        Send(grid_, GRM_SETCELL, VORLANE_CELL(kIdColumn, position),
             reinterpret_cast<LPARAM>(&row.id));
        vetoes_ = true;
    }
}

void MessageFuzzer::GetCell() {
    const uint32_t column = AnyColumn();
    const uint32_t row = AnyRow();
    if (rng_.Chance(40)) {
        GetCellEx(column, Wide16(row));
        return;
    }
    if (rng_.Chance(10)) {
        Send(grid_, GRM_GETCELL, VORLANE_CELL(column, row), 0);  // a null destination
        return;
    }
    if (model_.IsCell(column, row)) {
        Send(grid_, GRM_GETCELL, VORLANE_CELL(column, row), 0);
        CheckCell(column, row);
        return;
    }
    std::vector<char> buffer(kGuardBytes, kGuard);
    Send(grid_, GRM_GETCELL, VORLANE_CELL(column, row), reinterpret_cast<LPARAM>(buffer.data()));
    if (!GuardIntact(buffer, 0)) {
        Fail("GRM_GETCELL wrote for a cell that does not exist");
    }
}

// A text cell answers its full length and copies what the offered size holds, a value cell 0
// and its 4 bytes, no cell -1; nothing lands past what was to be written.
void MessageFuzzer::GetCellEx(uint32_t column, uint32_t row) {
    if (rng_.Chance(5)) {
        if (Send(grid_, GRM_GETCELLEX, 0, 0) != -1) {
            Fail("GRM_GETCELLEX without a record did not answer -1");
        }
        return;
    }
    const bool cell = model_.IsCell(column, row);
    const bool text = cell && model_.columns[column].IsText();
    const std::string expected = text ? model_.rows[row].cells[column].text : std::string();
    const uint32_t length = static_cast<uint32_t>(expected.size());
    static const uint32_t kSizes[] = {0, 1, 2, 0xFFFFFFFF};
    const uint32_t size = rng_.Chance(50) ? rng_.Below(length + 2) : rng_.Pick(kSizes);
    const bool nullBuffer = rng_.Chance(10);
    // What may be written: the cut text and its NUL, or the value's 4 bytes.
    const size_t room = !cell ? 0 : text ? std::min<uint64_t>(size, uint64_t{length} + 1) : 4;
    std::vector<char> buffer(room + kGuardBytes, kGuard);
    GridCellRef ref = {column, row, nullBuffer ? nullptr : buffer.data(), size};
    const LRESULT result = Send(grid_, GRM_GETCELLEX, 0, reinterpret_cast<LPARAM>(&ref));
    const LRESULT answer = !cell ? -1 : text ? static_cast<LRESULT>(length) : 0;
    const size_t written = nullBuffer ? 0 : room;
    if (result != answer || !GuardIntact(buffer, written)) {
        Fail("GRM_GETCELLEX of (" + std::to_string(column) + ", " + std::to_string(row) +
             ") with size " + std::to_string(size) + " answered " + std::to_string(result) +
             " or wrote past its room");
        return;
    }
    if (written == 0) {
        return;
    }
    if (!text) {
        uint32_t value = 0;
        std::memcpy(&value, buffer.data(), sizeof value);
        if (value != model_.rows[row].cells[column].value) {
            Fail("GRM_GETCELLEX read another value");
        }
    } else if (buffer[room - 1] != '\0' ||
               std::memcmp(buffer.data(), expected.data(), room - 1) != 0) {
        Fail("GRM_GETCELLEX copied another text than the cell's cut to " + std::to_string(size));
    }
}

void MessageFuzzer::SetCell() {
    uint32_t column = AnyColumn();
    if (column == kIdColumn) {
        column = 0;  // the ids are never rewritten: they tell the rows apart
    }
    const uint32_t row = AnyRow();
    std::string text;
    uint32_t value = HostileValue(rng_);
    LPARAM source = 0;
    const bool textColumn = column < model_.ColumnCount() && model_.columns[column].IsText();
    if (!rng_.Chance(8)) {
        if (textColumn) {
            text = HostileText();
            source = reinterpret_cast<LPARAM>(text.c_str());
        } else {
            source = reinterpret_cast<LPARAM>(&value);
        }
    }
    if (rng_.Chance(40)) {
        SetCellEx(column, Wide16(row), reinterpret_cast<const void*>(source));
        return;
    }
    // The parent hears of every write and the model takes the ones it lets through.
    Send(grid_, GRM_SETCELL, VORLANE_CELL(column, row), source);
}

// Answers 1 exactly when the parent let a write through (the model then takes it).
void MessageFuzzer::SetCellEx(uint32_t column, uint32_t row, const void* source) {
    if (rng_.Chance(5)) {
        if (Send(grid_, GRM_SETCELLEX, 0, 0) != 0) {
            Fail("GRM_SETCELLEX without a record did not answer 0");
        }
        return;
    }
    GridCellRef ref = {column, row, const_cast<void*>(source), HostileValue(rng_)};
    const size_t before = pending_.size();
    const LRESULT result = Send(grid_, GRM_SETCELLEX, 0, reinterpret_cast<LPARAM>(&ref));
    if (result != (pending_.size() > before ? 1 : 0)) {
        Fail("GRM_SETCELLEX of (" + std::to_string(column) + ", " + std::to_string(row) +
             ") answered " + std::to_string(result));
    }
}

void MessageFuzzer::ClearRows() {
    Send(grid_, GRM_CLEARROWS, 0, 0);
    model_.rows.clear();
}

namespace {

// What is wrong with the first `count` positions in `buffer`: empty when they are ascending and
// name rows.
std::string CheckPositions(const std::vector<char>& buffer, LRESULT count, uint32_t rows) {
    UINT previous = 0;
    for (LRESULT i = 0; i < count; ++i) {
        UINT position = 0;
        std::memcpy(&position, buffer.data() + i * sizeof(UINT), sizeof position);
        if (position >= rows || (i != 0 && position <= previous)) {
            return "gave positions out of order or past the rows";
        }
        previous = position;
    }
    return "";
}

}  // namespace

void MessageFuzzer::Selection() {
    static const UINT kMessages[] = {GRM_SELECTALL, GRM_DESELECTALL, GRM_INVERTSELECTION,
                                     GRM_GETSELROWS, GRM_GETSELROWSEX};
    const UINT message = rng_.Pick(kMessages);
    if (message != GRM_GETSELROWS && message != GRM_GETSELROWSEX) {
        Send(grid_, message, rng_.Bits32(), rng_.Bits32());
        return;
    }
    // The whole count, asked without room: every answer below is measured against it.
    const LRESULT selected = Send(grid_, GRM_GETSELROWSEX, 0, 0);
    if (selected < 0 || selected > static_cast<LRESULT>(model_.RowCount())) {
        Fail("GRM_GETSELROWSEX counted " + std::to_string(selected) + " selected rows");
        return;
    }
    const bool ex = message == GRM_GETSELROWSEX;
    const std::string name = ex ? "GRM_GETSELROWSEX" : "GRM_GETSELROWS";
    // GRM_GETSELROWS has a fixed room; GRM_GETSELROWSEX is given any room, at times a huge one.
    const uint32_t room =
        ex ? (rng_.Chance(20) ? HostileValue(rng_) : rng_.Below(2 * kSelectionRoom))
           : kSelectionRoom;
    if (rng_.Chance(10)) {
        const LRESULT answer = Send(grid_, message, ex ? room : 0, 0);
        if (answer != (ex ? selected : 0)) {
            Fail(name + " without a buffer answered " + std::to_string(answer));
        }
        return;
    }
    // Room for exactly the positions that fit: a write past them reaches the guard. The room is
    // compared unsigned: a room past INT_MAX is no negative count where LRESULT has 32 bits.
    const auto fits =
        static_cast<LRESULT>(std::min<uint64_t>(room, static_cast<uint64_t>(selected)));
    std::vector<char> buffer(fits * sizeof(UINT) + kGuardBytes, kGuard);
    const LRESULT answer =
        Send(grid_, message, ex ? room : 0, reinterpret_cast<LPARAM>(buffer.data()));
    if (answer != (ex ? selected : fits) || !GuardIntact(buffer, fits * sizeof(UINT))) {
        Fail(name + " answered " + std::to_string(answer) + " of " + std::to_string(selected) +
             " selected, or wrote past the " + std::to_string(fits) + " positions that fit");
        return;
    }
    const std::string problem = CheckPositions(buffer, fits, model_.RowCount());
    if (!problem.empty()) {
        Fail(name + " " + problem);
    }
}

void MessageFuzzer::Sort() {
    const uint32_t mode = rng_.Chance(80) ? rng_.Below(7) : HostileValue(rng_);
    Send(grid_, GRM_SORT, AnyColumn(), mode);
    const std::string problem = model_.ReorderFromControl(grid_);
    if (!problem.empty()) {
        Fail("after GRM_SORT " + problem);
    }
}

// The parent here never acts inside a notification, so a cell the control accepts must be the
// current one afterwards and the one it reported as changed.
void MessageFuzzer::SetCurCell() {
    const uint32_t column = AnyColumn();
    const uint32_t row = AnyRow();
    const LRESULT result = Send(grid_, GRM_SETCURCELL, column, row);
    if (result != 0 && result != 1) {
        Fail("GRM_SETCURCELL answered " + std::to_string(result));
        return;
    }
    if (result == 0) {
        return;
    }
    if (!model_.IsCell(column, row)) {
        Fail("GRM_SETCURCELL accepted a cell that does not exist");
        return;
    }
    const auto currentColumn = static_cast<uint32_t>(SendMessageA(grid_, GRM_GETCURCOL, 0, 0));
    const auto currentRow = static_cast<uint32_t>(SendMessageA(grid_, GRM_GETCURROW, 0, 0));
    const std::vector<std::pair<UINT, UINT>> reported = {{column, row}};
    if (currentColumn != column || currentRow != row || changedCells_ != reported) {
        std::string changed;
        for (const auto& [k, r] : changedCells_) {
            changed += " (" + std::to_string(k) + ", " + std::to_string(r) + ")";
        }
        Fail("GRM_SETCURCELL accepted (" + std::to_string(column) + ", " + std::to_string(row) +
             ") but the current cell is (" + std::to_string(currentColumn) + ", " +
             std::to_string(currentRow) + ") and GRN_CURCELLCHANGED reported" +
             (changed.empty() ? " nothing" : changed));
    }
}

void MessageFuzzer::GetCellRect() {
    const uint32_t column = AnyColumn();
    const uint32_t row = AnyRow();
    if (rng_.Chance(40)) {
        GetCellRectEx(column, Wide16(row));
        return;
    }
    if (rng_.Chance(10)) {
        Send(grid_, GRM_GETCELLRECT, VORLANE_CELL(column, row), 0);
        return;
    }
    RECT rect = {1, 2, 3, 4};
    Send(grid_, GRM_GETCELLRECT, VORLANE_CELL(column, row), reinterpret_cast<LPARAM>(&rect));
    if (!model_.IsCell(column, row)) {
        if (rect.left != 0 || rect.top != 0 || rect.right != 0 || rect.bottom != 0) {
            Fail("GRM_GETCELLRECT of a missing cell is not empty");
        }
    } else if (static_cast<int32_t>(static_cast<uint32_t>(rect.right) -
                                    static_cast<uint32_t>(rect.left)) !=
               model_.columns[column].Room()) {
        Fail("GRM_GETCELLRECT is not as wide as its column");
    }
}

void MessageFuzzer::GetCellRectEx(uint32_t column, uint32_t row) {
    if (rng_.Chance(10)) {
        if (Send(grid_, GRM_GETCELLRECTEX, 0, 0) != 0) {
            Fail("GRM_GETCELLRECTEX without a record did not answer 0");
        }
        return;
    }
    GridCellRect cell = {column, row, {1, 2, 3, 4}};
    const LRESULT result = Send(grid_, GRM_GETCELLRECTEX, 0, reinterpret_cast<LPARAM>(&cell));
    const RECT& rect = cell.rect;
    if (!model_.IsCell(column, row)) {
        if (result != 0 || rect.left != 1 || rect.top != 2 || rect.right != 3 || rect.bottom != 4) {
            Fail("GRM_GETCELLRECTEX of a missing cell answered " + std::to_string(result) +
                 " or touched the rectangle");
        }
    } else if (result != 1 || static_cast<int32_t>(static_cast<uint32_t>(rect.right) -
                                                   static_cast<uint32_t>(rect.left)) !=
                                  model_.columns[column].Room()) {
        Fail("GRM_GETCELLRECTEX of a cell answered " + std::to_string(result) +
             " or is not as wide as its column");
    }
}

void MessageFuzzer::Viewport() {
    static const UINT kMessages[] = {GRM_ENSUREVISIBLE, GRM_GETTOPINDEX, GRM_RESTORETOPINDEX,
                                     GRM_GETTOTALWIDTH, GRM_GETCURCOL,   GRM_GETCURROW,
                                     GRM_GETSORTSTATE,  LB_GETCOUNT};
    const UINT message = rng_.Pick(kMessages);
    const LRESULT result = Send(grid_, message, rng_.Bits32(), rng_.Bits32());
    if (message == GRM_GETSORTSTATE && result != 0 && result != 1) {
        Fail("GRM_GETSORTSTATE answered " + std::to_string(result));
    }
}

}  // namespace testing_support

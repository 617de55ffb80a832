// The fuzzer's checks: the cell writes the parent let through applied to the model, the control
// compared with the model after every step and swept cell by cell now and then, and what the
// control changes of its own accord taken into the model.
#include "reliability_fuzzer.h"

#include "vorlane.h"

namespace testing_support {

namespace {

constexpr uint64_t kSweepEvery = 200;  // steps between full comparisons of every cell
constexpr uint32_t kCellsCheckedEachStep = 3;

}  // namespace

void MessageFuzzer::ApplyPendingWrites() {
    for (const PendingWrite& write : pending_) {
        if (!model_.IsCell(write.column, write.row)) {
            Fail("a cell write outlived its cell");
            break;
        }
        model_.rows[write.row].cells[write.column] = write.cell;
    }
    pending_.clear();
}

void MessageFuzzer::Check() {
    if (!IsWindow(grid_)) {
        Fail("the control is gone");
        return;
    }
    const auto rowHeight = static_cast<int32_t>(SendMessageA(grid_, GRM_GETROWHEIGHT, 0, 0));
    const auto headerHeight = static_cast<int32_t>(SendMessageA(grid_, GRM_GETHEADERHEIGHT, 0, 0));
    if (rowHeight != model_.rowHeight || headerHeight != model_.headerHeight) {
        Fail("heights " + std::to_string(rowHeight) + "/" + std::to_string(headerHeight) +
             ", expected " + std::to_string(model_.rowHeight) + "/" +
             std::to_string(model_.headerHeight));
        return;
    }
    const LRESULT count = SendMessageA(grid_, LB_GETCOUNT, 0, 0);
    const LRESULT items = SendMessageA(listPane_, LB_GETCOUNT, 0, 0);
    if (count != static_cast<LRESULT>(model_.RowCount()) || items != count) {
        Fail("row count " + std::to_string(count) + " (list " + std::to_string(items) +
             "), expected " + std::to_string(model_.RowCount()));
        return;
    }
    const auto column = static_cast<uint32_t>(SendMessageA(grid_, GRM_GETCURCOL, 0, 0));
    const auto row = static_cast<uint32_t>(SendMessageA(grid_, GRM_GETCURROW, 0, 0));
    if (!model_.IsCell(column, row) && !(column == 0 && row == 0)) {
        Fail("current cell " + std::to_string(column) + ", " + std::to_string(row) +
             " lies outside the grid");
        return;
    }
    if (static_cast<uint32_t>(SendMessageA(grid_, GRM_GETTOTALWIDTH, 0, 0)) !=
        model_.TotalWidth()) {
        Fail("the total width is not the sum of the widths");
        return;
    }
    if (pressed_) {
        AcceptMarkedKinds();
    }
    for (uint32_t i = 0; i < kCellsCheckedEachStep && model_.RowCount() != 0; ++i) {
        CheckCell(rng_.Below(model_.ColumnCount()), rng_.Below(model_.RowCount()));
    }
    if (step_ % kSweepEvery == kSweepEvery - 1) {
        Sweep();
    }
}

void MessageFuzzer::CheckCell(uint32_t column, uint32_t row) {
    const std::string problem = model_.CheckCell(grid_, column, row);
    if (!problem.empty()) {
        Fail(problem);
    }
}

void MessageFuzzer::Sweep() {
    for (uint32_t row = 0; row < model_.RowCount() && !failed_; ++row) {
        for (uint32_t column = 0; column < model_.ColumnCount() && !failed_; ++column) {
            CheckCell(column, row);
        }
    }
    for (uint32_t column = 0; column < model_.ColumnCount() && !failed_; ++column) {
        if (SendMessageA(grid_, GRM_GETCOLKIND, column, 0) != model_.columns[column].kind ||
            SendMessageA(grid_, GRM_GETCOLWIDTH, column, 0) != model_.columns[column].width) {
            Fail("column " + std::to_string(column) + " lost its kind or width");
        }
    }
}

// A press on a row whose kind cell holds 9 rewrites it to 2 without telling the parent.
void MessageFuzzer::AcceptMarkedKinds() {
    const uint32_t kind = model_.ColumnCount() - 1;
    if (model_.columns[kind].IsText()) {
        return;
    }
    for (uint32_t row = 0; row < model_.RowCount(); ++row) {
        uint32_t& expected = model_.rows[row].cells[kind].value;
        if (expected != 9) {
            continue;
        }
        uint32_t value = 0;
        Grid_GetCell(grid_, kind, row, &value);
        if (value == 2) {
            expected = 2;
        }
    }
}

void MessageFuzzer::ReadWidths() {
    for (uint32_t column = 0; column < model_.ColumnCount(); ++column) {
        model_.columns[column].width =
            static_cast<int32_t>(SendMessageA(grid_, GRM_GETCOLWIDTH, column, 0));
    }
}

}  // namespace testing_support

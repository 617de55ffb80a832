// The fuzzer's hostile parameters: columns and rows mostly of the grid and sometimes past it,
// sizes at the edges, any window, random cells with the model's expectation, the long folder
// prefix, and the editor shown.
#include "reliability_fuzzer.h"

#include "vorlane.h"

namespace testing_support {

const std::string& MessageFuzzer::LongPrefix() {
    static const std::string prefix = "C:\\" + std::string(400, 'p') + "\\";
    return prefix;
}

uint32_t MessageFuzzer::AnyColumn() {
    if (rng_.Chance(85) && model_.ColumnCount() != 0) {
        return rng_.Below(model_.ColumnCount());
    }
    return rng_.Chance(50) ? model_.ColumnCount() + rng_.Below(3) : rng_.Below(0x10000);
}

uint32_t MessageFuzzer::AnyRow() {
    if (rng_.Chance(85) && model_.RowCount() != 0) {
        return rng_.Below(model_.RowCount());
    }
    return rng_.Chance(50) ? model_.RowCount() + rng_.Below(3) : rng_.Below(0x10000);
}

int32_t MessageFuzzer::HostileSize() {
    static const int32_t kEdges[] = {
        0, -1, -17, 1, 255, 256, 4000, 70000, 0x7FFFFFFF, static_cast<int32_t>(0x80000000)};
    return rng_.Chance(80) ? rng_.Between(1, 60) : rng_.Pick(kEdges);
}

HWND MessageFuzzer::AnyWindow() {
    const HWND windows[] = {nullptr, grid_, bystander_, parent_.hwnd(), stale_};
    return rng_.Pick(windows);
}

// A value for one cell as GRM_ADDROW takes it, and the cell the model then expects.
ModelCell MessageFuzzer::RandomCell(const ModelColumn& column, std::string& textStore,
                                    GridValue& entry) {
    ModelCell cell;
    if (column.IsText()) {
        if (rng_.Chance(10)) {
            entry = 0;  // null: the empty text
        } else {
            textStore = HostileText();
            cell.text = textStore;
            entry = reinterpret_cast<GridValue>(textStore.c_str());
        }
    } else {
        cell.value = HostileValue(rng_);
        entry = static_cast<GridValue>(static_cast<INT32>(cell.value));
    }
    return cell;
}

HWND MessageFuzzer::VisibleEditor() {
    for (HWND child = GetWindow(listPane_, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsWindowVisible(child)) {
            return child;
        }
    }
    return nullptr;
}

}  // namespace testing_support

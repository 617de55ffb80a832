// The fuzzer's run: its grids, the steps it chooses by weight, the log of recent steps it
// reports a failure with, and the notifications it checks, vetoes and counts.
#include "reliability_fuzzer.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "vorlane.h"

namespace testing_support {

namespace {

constexpr uint64_t kStepsPerGrid = 2500;  // then the grid is destroyed and made anew
constexpr size_t kLogLines = 24;

}  // namespace

MessageFuzzer::MessageFuzzer(uint64_t seed) : rng_(seed), seed_(seed) {
    parent_.onNotify = [this](GridNotify& record) { OnNotify(record); };
    bystander_ = CreateGrid(bystanderParent_.hwnd(), 0, 0, 280, 150, 0, 2);
    AddStandardColumns(bystander_);
    AddStandardRow(bystander_, "b0", "x", 1, 2, 3, 2);
    stale_ =
        CreateWindowExA(0, "Static", nullptr, 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(stale_);
    fonts_[0] = CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
    fonts_[1] = CreateFontA(-30, 0, 0, 0, FW_BOLD, 1, 1, 0, ANSI_CHARSET, 0, 0, 0, 0, "Courier");
    images_ = ImageList_Create(16, 16, ILC_COLOR24, 4, 0);
    for (int i = 0; i < 3; ++i) {
        HDC screen = GetDC(nullptr);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 16);
        ReleaseDC(nullptr, screen);
        ImageList_Add(images_, bitmap, nullptr);
        DeleteObject(bitmap);
    }
    MakeGrid();
}

MessageFuzzer::~MessageFuzzer() {
    ReleaseCapture();
    BYTE keys[256] = {};
    SetKeyboardState(keys);
    DestroyWindow(grid_);
    DestroyWindow(bystander_);
    PumpMessages();
    // The client's objects go only after every grid that used them.
    DeleteObject(fonts_[0]);
    DeleteObject(fonts_[1]);
    ImageList_Destroy(images_);
}

// A grid with column 0 of any kind, the id column, a few random columns and the kind column.
void MessageFuzzer::MakeGrid() {
    if (grid_ != nullptr) {
        DestroyWindow(grid_);
    }
    static const DWORD kStyles[] = {0, GRS_PLAINSELECTED, GRS_COLUMNLINES, GRS_NOENDLINE,
                                    GRS_COLUMNLINES | GRS_NOENDLINE | GRS_PLAINSELECTED};
    grid_ = CreateGrid(parent_.hwnd(), 5, 5, rng_.Between(100, 650), rng_.Between(40, 450),
                       rng_.Pick(kStyles), 7);
    listPane_ = ListPane(grid_);
    headerPane_ = HeaderPane(grid_);
    model_.Reset();
    const int32_t firstKinds[] = {GRID_CELL_TEXT, GRID_CELL_NUMBER, GRID_CELL_VALUE};
    const int32_t kindKinds[] = {GRID_CELL_VALUE, GRID_CELL_VALUE, GRID_CELL_NUMBER, 77};
    std::vector<int32_t> kinds = {rng_.Pick(firstKinds), GRID_CELL_NUMBER};
    for (uint32_t extra = rng_.Below(6); extra > 0; --extra) {
        kinds.push_back(rng_.Pick(firstKinds));
    }
    kinds.push_back(rng_.Chance(5) ? GRID_CELL_TEXT : rng_.Pick(kindKinds));
    for (size_t i = 0; i < kinds.size(); ++i) {
        ColumnDesc desc = {};
        desc.width = rng_.Between(0, 150);
        desc.cellKind = kinds[i];
        desc.editorKind = i == kIdColumn ? GRID_EDITOR_NUMBER : static_cast<int>(rng_.Below(3));
        desc.title = "T";
        desc.folderPrefix = i == 0 && rng_.Chance(50) ? LongPrefix().c_str() : nullptr;
        desc.imageList = i == 0 && rng_.Chance(50) ? images_ : nullptr;
        desc.mask = desc.cellKind == GRID_CELL_NUMBER && rng_.Chance(30) ? "###-####" : nullptr;
        Send(grid_, GRM_ADDCOLUMN, 0, reinterpret_cast<LPARAM>(&desc));
        model_.AddColumn({desc.cellKind, desc.width, true, false, "T"});
    }
}

void MessageFuzzer::Run(uint64_t steps) {
    for (uint64_t i = 0; i < steps && !failed_; ++i) {
        if (step_ != 0 && step_ % kStepsPerGrid == 0) {
            MakeGrid();
        }
        Step();
        ++step_;
    }
    if (!failed_) {
        Sweep();
    }
}

const std::vector<MessageFuzzer::Weighted>& MessageFuzzer::Actions() {
    static const std::vector<Weighted> kActions = {
        {2, &MessageFuzzer::AddColumn, "add column"},
        {14, &MessageFuzzer::AddRow, "add row"},
        {6, &MessageFuzzer::GetCell, "get cell"},
        {10, &MessageFuzzer::SetCell, "set cell"},
        {1, &MessageFuzzer::ClearRows, "clear rows"},
        {4, &MessageFuzzer::Selection, "selection"},
        {3, &MessageFuzzer::Sort, "sort"},
        {5, &MessageFuzzer::SetCurCell, "set current cell"},
        {2, &MessageFuzzer::GetCellRect, "cell rectangle"},
        {3, &MessageFuzzer::Viewport, "viewport"},
        {5, &MessageFuzzer::BeginEdit, "begin edit"},
        {2, &MessageFuzzer::EndOrCancelEdit, "end or cancel edit"},
        {3, &MessageFuzzer::ColumnWidth, "column width"},
        {2, &MessageFuzzer::Heights, "heights"},
        {3, &MessageFuzzer::ColumnTitle, "column title"},
        {1, &MessageFuzzer::GetColKind, "column kind"},
        {1, &MessageFuzzer::SetPartners, "partners"},
        {4, &MessageFuzzer::Appearance, "appearance"},
        {4, &MessageFuzzer::SharedSettings, "notifying and shared settings"},
        {2, &MessageFuzzer::Sizing, "sizing"},
        {4, &MessageFuzzer::Scrolling, "scrolling"},
        {14, &MessageFuzzer::ListMouse, "list pane mouse"},
        {5, &MessageFuzzer::HeaderMouse, "header pane mouse"},
        {6, &MessageFuzzer::ListKey, "list pane key"},
        {10, &MessageFuzzer::EditorInput, "editor input"},
        {1, &MessageFuzzer::OutsideMessages, "messages outside the set"},
        {3, &MessageFuzzer::ColumnOrder, "column order"},
        {2, &MessageFuzzer::ColumnHidden, "column hidden"},
        {1, &MessageFuzzer::AutoSizeColumn, "autosize column"},
        {1, &MessageFuzzer::SortArrow, "sort arrow"},
        {2, &MessageFuzzer::HitTest, "hit test"},
    };
    return kActions;
}

std::vector<std::string> MessageFuzzer::ActionNames() {
    std::vector<std::string> names;
    for (const Weighted& w : Actions()) {
        names.push_back(w.name);
    }
    return names;
}

void MessageFuzzer::Step() {
    const std::vector<Weighted>& kActions = Actions();
    static const uint32_t kTotal = [] {
        uint32_t total = 0;
        for (const Weighted& w : Actions()) {
            total += w.weight;
        }
        return total;
    }();
    uint32_t roll = rng_.Below(kTotal);
    const Weighted* chosen = &kActions[0];
    for (const Weighted& w : kActions) {
        if (roll < w.weight) {
            chosen = &w;
            break;
        }
        roll -= w.weight;
    }
    if (log_.size() >= kLogLines) {
        log_.erase(log_.begin());
    }
    log_.push_back("step " + std::to_string(step_) + " " + chosen->name + ":");
    pressed_ = false;
    changedCells_.clear();
    ++actionsTaken_[chosen->name];
    (this->*chosen->action)();
    ApplyPendingWrites();
    if (step_ % 4 == 0) {
        PumpMessages();
    }
    parent_.Clear();
    if (!failed_) {
        Check();
    }
}

void MessageFuzzer::Fail(const std::string& what) {
    if (failed_) {
        return;
    }
    failed_ = true;
    std::string recent;
    for (const std::string& line : log_) {
        recent += "  " + line + "\n";
    }
    ADD_FAILURE() << "seed " << seed_ << ", step " << step_ << ": " << what << "\nlast steps:\n"
                  << recent;
}

void MessageFuzzer::Note(const std::string& text) {
    if (!log_.empty()) {
        log_.back() += text;
    }
}

LRESULT MessageFuzzer::Send(HWND to, UINT message, WPARAM wParam, LPARAM lParam) {
    ++messages_;
    char line[96];
    std::snprintf(line, sizeof line, " [%s %#x %#lx %#lx]",
                  to == grid_         ? "grid"
                  : to == listPane_   ? "list"
                  : to == headerPane_ ? "header"
                                      : "other",
                  message, static_cast<unsigned long>(wParam), static_cast<unsigned long>(lParam));
    Note(line);
    return SendMessageA(to, message, wParam, lParam);
}

// Checks every record against what the control can name, vetoes some of the vetoable ones, and
// remembers the cell writes it lets through.
void MessageFuzzer::OnNotify(GridNotify& record) {
    if (record.hwndGrid != grid_ || record.idFrom != 7) {
        Fail("a notification names another control");
        return;
    }
    const UINT code = record.code;
    ++notified_[code & 15];
    const bool namesCell = code == GRN_CELLCLICK || code == GRN_CURCELLCHANGED ||
                           code == GRN_BEGINEDIT || code == GRN_CELLCHANGING ||
                           code == GRN_CELLCHANGED;
    if (namesCell && !model_.IsCell(record.column, record.row)) {
        Fail("notification " + std::to_string(code) + " names a cell that does not exist: " +
             std::to_string(record.column) + ", " + std::to_string(record.row));
        return;
    }
    if (code == GRN_HEADERCLICK && (record.row != 0xFFFFFFFF || record.column >= 0x10000)) {
        Fail("a header click names a row or a wild column");
        return;
    }
    if (code == GRN_CURCELLCHANGED) {
        changedCells_.emplace_back(record.column, record.row);
    }
    const bool vetoable = code == GRN_CELLCLICK || code == GRN_BEGINEDIT || code == GRN_ENDEDIT ||
                          code == GRN_CELLCHANGING;
    if (vetoable && vetoes_ && rng_.Chance(15)) {
        record.cancel = 1;
        return;
    }
    if (code == GRN_CELLCHANGING) {
        ModelCell cell;
        if (model_.columns[record.column].IsText()) {
            if (record.value != 0) {
                cell.text = reinterpret_cast<const char*>(record.value);
            }
        } else {
            std::memcpy(&cell.value, reinterpret_cast<const void*>(record.value), 4);
        }
        pending_.push_back({record.column, record.row, cell});
    }
}

std::string MessageFuzzer::NotificationSummary() const {
    std::string summary;
    for (UINT code = 1; code < 16; ++code) {
        if (notified_[code] != 0) {
            char part[32];
            std::snprintf(part, sizeof part, " %u:%llu", code,
                          static_cast<unsigned long long>(notified_[code]));
            summary += part;
        }
    }
    return summary;
}

}  // namespace testing_support

// The message fuzzer behind test_message_fuzz: random sequences of every grid message, the list
// box count, sizing, scrolling, and mouse, key and character input to the panes and the open
// editor, with hostile parameters (null pointers where the contract checks them, cells and
// columns out of range, negative and huge sizes, texts of up to 200,000 characters, every mode).
// After every step the control must still answer and agree with a model of what the client
// wrote; the first disagreement is reported as a test failure with the seed, the step and the
// messages that led there.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "harness.h"
#include "reliability_helpers.h"
#include "reliability_model.h"

namespace testing_support {

// A cell write the parent let through; it takes effect once the parent returns.
struct PendingWrite {
    UINT column;
    UINT row;
    ModelCell cell;
};

class MessageFuzzer {
  public:
    explicit MessageFuzzer(uint64_t seed);
    ~MessageFuzzer();
    MessageFuzzer(const MessageFuzzer&) = delete;
    MessageFuzzer& operator=(const MessageFuzzer&) = delete;

    // Runs `steps` steps or up to the first broken invariant (reported as a test failure).
    void Run(uint64_t steps);
    uint64_t messages() const { return messages_; }
    bool failed() const { return failed_; }
    // Steps that showed a known fault of the control (tolerated unless VORLANE_FUZZ_STRICT=1).
    // Notifications received, by code (1 to 14), to show what the run reached.
    std::string NotificationSummary() const;
    uint64_t Notified(UINT code) const { return notified_[code & 15]; }
    // The names of every kind of step the fuzzer chooses from, and the steps it took of each.
    static std::vector<std::string> ActionNames();
    const std::map<std::string, uint64_t>& ActionsTaken() const { return actionsTaken_; }

  private:
    using Action = void (MessageFuzzer::*)();
    struct Weighted {
        uint32_t weight;
        Action action;
        const char* name;
    };
    static const std::vector<Weighted>& Actions();

    static constexpr uint32_t kMaxRows = 250;  // more rows and the next row action clears them
    static constexpr uint32_t kMaxColumns = 289;
    static constexpr int kSelectionRoom = 512;
    // A folder prefix longer than the painter's path buffer; it outlives every grid.
    static const std::string& LongPrefix();

    void MakeGrid();
    void Step();
    void Fail(const std::string& what);
    // Sends one message of a step and notes it in the log of recent steps.
    LRESULT Send(HWND to, UINT message, WPARAM wParam, LPARAM lParam);
    void Note(const std::string& text);
    void OnNotify(GridNotify& record);
    void ApplyPendingWrites();
    void Check();
    void CheckCell(uint32_t column, uint32_t row);
    void Sweep();
    void AcceptMarkedKinds();
    void ReadWidths();

    uint32_t AnyColumn();  // mostly a column of the grid, sometimes past the last
    uint32_t AnyRow();
    int32_t HostileSize();
    std::string HostileText() { return RandomText(rng_, HostileTextLength(rng_)); }
    HWND AnyWindow();
    ModelCell RandomCell(const ModelColumn& column, std::string& textStore, GridValue& entry);
    HWND VisibleEditor();

    void AddColumn();
    void AddRow();
    void GetCell();
    // The record forms of the cell messages, for a cell the step chose; `row` may lie past 65,535.
    void GetCellEx(uint32_t column, uint32_t row);
    void SetCellEx(uint32_t column, uint32_t row, const void* source);
    void GetCellRectEx(uint32_t column, uint32_t row);
    // Mostly `row`, sometimes a row past 65,535 whose low 16 bits are `row`.
    uint32_t Wide16(uint32_t row) { return rng_.Chance(20) ? row | 0x10000 : row; }
    void SetCell();
    void ClearRows();
    void Selection();
    void Sort();
    void SetCurCell();
    void GetCellRect();
    void Viewport();
    void BeginEdit();
    void EndOrCancelEdit();
    void ColumnWidth();
    void Heights();
    void ColumnTitle();
    void GetColKind();
    void SetPartners();
    void Appearance();
    void SharedSettings();
    void Sizing();
    void Scrolling();
    void ListMouse();
    void HeaderMouse();
    void ListKey();
    void EditorInput();
    void OutsideMessages();
    void ColumnOrder();
    void ColumnHidden();
    void AutoSizeColumn();
    void SortArrow();
    void HitTest();
    // The display order as GRM_GETCOLORDER gives it, with guard bytes after `room` entries.
    std::vector<UINT> ReadOrder(uint64_t room);

    Rng rng_;
    uint64_t seed_;
    RecordingParent parent_{700, 500};
    RecordingParent bystanderParent_{300, 200};
    HWND grid_ = nullptr;
    HWND listPane_ = nullptr;
    HWND headerPane_ = nullptr;
    HWND bystander_ = nullptr;  // a second grid: partner, second list pane
    HWND stale_ = nullptr;      // a window handle that no longer names a window
    HFONT fonts_[2] = {};
    HIMAGELIST images_ = nullptr;
    GridModel model_;
    std::vector<PendingWrite> pending_;
    bool vetoes_ = true;
    bool pressed_ = false;                             // the step pressed a button in the list pane
    std::vector<std::pair<UINT, UINT>> changedCells_;  // GRN_CURCELLCHANGED cells of the step
    uint64_t notified_[16] = {};                       // by notification code
    std::map<std::string, uint64_t> actionsTaken_;     // steps by kind of action
    uint32_t nextId_ = 1;
    uint64_t step_ = 0;
    uint64_t messages_ = 0;
    bool failed_ = false;
    std::vector<std::string> log_;
};

}  // namespace testing_support

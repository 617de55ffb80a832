// The fuzzer's actions: each sends one message (a few send a second one to prepare or follow
// it) with hostile parameters, predicts what a client may rely on and checks the answer.
#include <algorithm>
#include <climits>
#include <cstring>

#include "reliability_fuzzer.h"
#include "vorlane.h"

namespace testing_support {

namespace {

constexpr char kGuard = '\x5A';
constexpr size_t kGuardBytes = 16;

bool GuardIntact(const std::vector<char>& buffer, size_t from) {
    return std::all_of(buffer.begin() + static_cast<std::ptrdiff_t>(from), buffer.end(),
                       [](char c) { return c == kGuard; });
}

}  // namespace

void MessageFuzzer::AddColumn() {
    ColumnDesc desc = {};
    std::string title = HostileText();
    std::string mask = RandomText(rng_, rng_.Below(12)) + "###-####";
    const int32_t kinds[] = {GRID_CELL_TEXT, GRID_CELL_NUMBER, GRID_CELL_VALUE, -1, 1000};
    desc.width = rng_.Chance(70) ? rng_.Between(0, 200) : HostileSize();
    desc.title = rng_.Chance(20) ? nullptr : title.c_str();
    desc.titleAlign = static_cast<int>(HostileValue(rng_));
    desc.cellAlign = static_cast<int>(HostileValue(rng_));
    desc.cellKind = rng_.Pick(kinds);
    desc.editLimit = rng_.Chance(50) ? 0 : HostileValue(rng_);
    desc.mask = rng_.Chance(50) ? nullptr : mask.c_str();
    desc.imageList = rng_.Chance(50) ? nullptr : images_;
    desc.folderPrefix = rng_.Chance(50) ? nullptr : LongPrefix().c_str();
    desc.flags = rng_.Chance(70) ? rng_.Below(4) : HostileValue(rng_);
    desc.editorKind =
        rng_.Chance(80) ? static_cast<int>(rng_.Below(3)) : static_cast<int>(HostileValue(rng_));
    const bool null = rng_.Chance(5);
    const LRESULT result =
        Send(grid_, GRM_ADDCOLUMN, 0, null ? 0 : reinterpret_cast<LPARAM>(&desc));
    const bool refused = null || model_.RowCount() != 0 || model_.ColumnCount() >= kMaxColumns;
    if (result != (refused ? 1 : 0)) {
        Fail("GRM_ADDCOLUMN answered " + std::to_string(result));
        return;
    }
    if (!refused) {
        model_.columns.push_back({desc.cellKind, desc.width, desc.title != nullptr,
                                  desc.title != nullptr ? title : std::string()});
    }
}

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
    // The parent hears of every write and the model takes the ones it lets through.
    Send(grid_, GRM_SETCELL, VORLANE_CELL(column, row), source);
}

void MessageFuzzer::ClearRows() {
    Send(grid_, GRM_CLEARROWS, 0, 0);
    model_.rows.clear();
}

void MessageFuzzer::Selection() {
    static const UINT kMessages[] = {GRM_SELECTALL, GRM_DESELECTALL, GRM_INVERTSELECTION,
                                     GRM_GETSELROWS};
    const UINT message = rng_.Pick(kMessages);
    if (message != GRM_GETSELROWS) {
        Send(grid_, message, rng_.Bits32(), rng_.Bits32());
        return;
    }
    if (rng_.Chance(10)) {
        if (Send(grid_, GRM_GETSELROWS, 0, 0) != 0) {
            Fail("GRM_GETSELROWS without room claimed to have written positions");
        }
        return;
    }
    std::vector<char> buffer(kSelectionRoom * sizeof(UINT) + kGuardBytes, kGuard);
    const LRESULT count = Send(grid_, GRM_GETSELROWS, 0, reinterpret_cast<LPARAM>(buffer.data()));
    if (count < 0 || count > std::min<LRESULT>(kSelectionRoom, model_.RowCount()) ||
        !GuardIntact(buffer, kSelectionRoom * sizeof(UINT))) {
        Fail("GRM_GETSELROWS answered " + std::to_string(count) + " or overran its room");
        return;
    }
    UINT previous = 0;
    for (LRESULT i = 0; i < count; ++i) {
        UINT position = 0;
        std::memcpy(&position, buffer.data() + i * sizeof(UINT), sizeof position);
        if (position >= model_.RowCount() || (i != 0 && position <= previous)) {
            Fail("GRM_GETSELROWS gave positions out of order or past the rows");
            return;
        }
        previous = position;
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
               model_.columns[column].width) {
        Fail("GRM_GETCELLRECT is not as wide as its column");
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

void MessageFuzzer::BeginEdit() {
    const WPARAM column = rng_.Chance(20) ? GRID_EDIT_CURRENT : AnyColumn();
    const auto editor =
        reinterpret_cast<HWND>(Send(grid_, GRM_BEGINEDIT, column, static_cast<LPARAM>(AnyRow())));
    if (editor != nullptr &&
        (GetParent(editor) != listPane_ || !IsWindowVisible(editor) || model_.RowCount() == 0)) {
        Fail("GRM_BEGINEDIT answered a window that is no shown editor of the grid");
    }
}

void MessageFuzzer::EndOrCancelEdit() {
    if (rng_.Chance(40)) {
        Send(grid_, GRM_CANCELEDIT, rng_.Bits32(), rng_.Bits32());
        return;
    }
    const WPARAM cell = rng_.Chance(70) ? VORLANE_CELL(AnyColumn(), AnyRow()) : rng_.Bits32();
    Send(grid_, GRM_ENDEDIT, cell, rng_.Chance(80) ? 0 : rng_.Bits32());
}

void MessageFuzzer::ColumnWidth() {
    const uint32_t column = AnyColumn();
    if (rng_.Chance(40)) {
        const LRESULT width = Send(grid_, GRM_GETCOLWIDTH, column, 0);
        const int32_t expected = column < model_.ColumnCount() ? model_.columns[column].width : 0;
        if (static_cast<int32_t>(width) != expected) {
            Fail("GRM_GETCOLWIDTH answered " + std::to_string(width));
        }
        return;
    }
    const int32_t width = rng_.Chance(60) ? rng_.Between(0, 300) : HostileSize();
    Send(grid_, GRM_SETCOLWIDTH, column, width);
    if (column < model_.ColumnCount()) {
        model_.columns[column].width = width;
    }
}

void MessageFuzzer::Heights() {
    const int32_t height = HostileSize();
    switch (rng_.Below(4)) {
        case 0: Send(grid_, GRM_GETHEADERHEIGHT, 0, 0); break;
        case 1: Send(grid_, GRM_GETROWHEIGHT, 0, 0); break;
        case 2:
            Send(grid_, GRM_SETHEADERHEIGHT, rng_.Bits32(), height);
            model_.headerHeight = height;
            break;
        default:
            Send(grid_, GRM_SETROWHEIGHT, rng_.Bits32(), height);
            if (height != 0) {
                model_.rowHeight = height;
            }
            break;
    }
}

void MessageFuzzer::ColumnTitle() {
    const uint32_t column = AnyColumn();
    if (rng_.Chance(50)) {
        std::string title = HostileText();
        const bool null = rng_.Chance(20);
        Send(grid_, GRM_SETCOLTITLE, column, null ? 0 : reinterpret_cast<LPARAM>(title.c_str()));
        if (column < model_.ColumnCount()) {
            model_.columns[column].titled = !null;
            model_.columns[column].title = null ? std::string() : title;
        }
        return;
    }
    if (rng_.Chance(10)) {
        Send(grid_, GRM_GETCOLTITLE, column, 0);
        return;
    }
    // Only columns before the kind column serve their title; the buffer is left alone otherwise.
    const bool served = column + 1 < model_.ColumnCount() && model_.columns[column].titled;
    const std::string expected = served ? model_.columns[column].title : std::string();
    std::vector<char> buffer(expected.size() + 1 + kGuardBytes, kGuard);
    Send(grid_, GRM_GETCOLTITLE, column, reinterpret_cast<LPARAM>(buffer.data()));
    const bool right =
        served ? std::memcmp(buffer.data(), expected.c_str(), expected.size() + 1) == 0 &&
                     GuardIntact(buffer, expected.size() + 1)
               : GuardIntact(buffer, 0);
    if (!right) {
        Fail("GRM_GETCOLTITLE of column " + std::to_string(column) + " is not its title");
    }
}

void MessageFuzzer::GetColKind() {
    const uint32_t column = AnyColumn();
    const LRESULT kind = Send(grid_, GRM_GETCOLKIND, column, 0);
    const int32_t expected = column < model_.ColumnCount() ? model_.columns[column].kind : 0;
    if (static_cast<int32_t>(kind) != expected) {
        Fail("GRM_GETCOLKIND answered " + std::to_string(kind));
    }
}

void MessageFuzzer::SetPartners() {
    PartnerSet partners = {};
    partners.dragWindow = AnyWindow();
    partners.reserved = static_cast<LONG_PTR>(rng_.Bits32());
    partners.widthPartnerA = AnyWindow();
    partners.widthPartnerB = AnyWindow();
    partners.externalSource = AnyWindow();
    partners.rowImageList = rng_.Chance(50) ? images_ : nullptr;
    Send(grid_, GRM_SETPARTNERS, rng_.Bits32(),
         rng_.Chance(10) ? 0 : reinterpret_cast<LPARAM>(&partners));
}

void MessageFuzzer::Appearance() {
    ColorSet colors;
    COLORREF* fields = &colors.spare1;
    for (int i = 0; i < 10; ++i) {
        fields[i] = rng_.Bits32() & 0x00FFFFFF;
    }
    const HFONT fonts[] = {nullptr, fonts_[0], fonts_[1]};
    switch (rng_.Below(5)) {
        case 0:
            Send(grid_, GRM_SETCOLORS, 0, rng_.Chance(15) ? 0 : reinterpret_cast<LPARAM>(&colors));
            break;
        case 1:
            Send(grid_, GRM_SETFONTS, reinterpret_cast<WPARAM>(rng_.Pick(fonts)),
                 reinterpret_cast<LPARAM>(rng_.Pick(fonts)));
            break;
        case 2: Send(grid_, GRM_SETGRIDLINES, rng_.Chance(50) ? 0 : rng_.Bits32(), 0); break;
        case 3:
            Send(grid_, GRM_SETACTIVELOOK, rng_.Chance(50) ? 0 : rng_.Bits32(),
                 rng_.Chance(50) ? 0 : rng_.Bits32());
            break;
        default: Send(grid_, GRM_REDRAW, rng_.Bits32(), rng_.Bits32()); break;
    }
}

void MessageFuzzer::SharedSettings() {
    static const UINT kMessages[] = {GRM_ACTIVATECELL, GRM_SETDROPDIVIDER, GRM_NOTIFYBUTTON,
                                     GRM_NOTIFYDROP,   GRM_SETOUTERZONE,   GRM_SETEXTERNALDRAG,
                                     GRM_ACTIVATECELL};
    const UINT message = rng_.Pick(kMessages);
    if (message == GRM_ACTIVATECELL) {
        Send(grid_, message, AnyColumn(), AnyRow());
    } else if (message == GRM_SETDROPDIVIDER || message == GRM_SETOUTERZONE) {
        Send(grid_, message, rng_.Chance(60) ? rng_.Below(800) : rng_.Bits32(),
             rng_.Chance(50) ? 0 : rng_.Bits32());
    } else {
        Send(grid_, message, rng_.Bits32(), rng_.Chance(50) ? 0 : rng_.Bits32());
    }
}

void MessageFuzzer::Sizing() {
    if (rng_.Chance(50)) {
        Send(grid_, WM_SIZE, rng_.Bits32(), rng_.Bits32());
        return;
    }
    // A real resize, to nothing now and then, brings WM_SIZE with the new client area.
    const int width = rng_.Chance(10) ? 0 : rng_.Between(1, 900);
    const int height = rng_.Chance(10) ? 0 : rng_.Between(1, 700);
    ++messages_;
    Note("[move " + std::to_string(width) + "x" + std::to_string(height) + "]");
    MoveWindow(grid_, 5, 5, width, height, TRUE);
}

void MessageFuzzer::Scrolling() {
    const UINT messages[] = {WM_VSCROLL, WM_HSCROLL, WM_MOUSEWHEEL};
    const UINT message = rng_.Pick(messages);
    const WPARAM code = rng_.Chance(85) ? rng_.Below(9) : rng_.Bits32();
    const WPARAM wheel = static_cast<WPARAM>(rng_.Chance(50) ? -WHEEL_DELTA : WHEEL_DELTA) << 16;
    HWND target = message == WM_MOUSEWHEEL && rng_.Chance(50) ? listPane_ : grid_;
    Send(target, message,
         message == WM_MOUSEWHEEL ? (rng_.Chance(80) ? wheel : rng_.Bits32()) : code,
         rng_.Bits32());
}

void MessageFuzzer::ListMouse() {
    static const UINT kMessages[] = {WM_LBUTTONDOWN, WM_LBUTTONUP,     WM_RBUTTONDOWN,
                                     WM_RBUTTONUP,   WM_LBUTTONDBLCLK, WM_MOUSEMOVE,
                                     WM_LBUTTONDOWN, WM_LBUTTONUP,     WM_MOUSEMOVE};
    static const WPARAM kKeys[] = {0,          MK_LBUTTON,
                                   MK_RBUTTON, MK_LBUTTON | MK_SHIFT,
                                   MK_CONTROL, MK_LBUTTON | MK_CONTROL,
                                   MK_LBUTTON};
    const UINT message = rng_.Pick(kMessages);
    const WPARAM keys = rng_.Chance(85) ? rng_.Pick(kKeys) : rng_.Below(0x80);
    const int rowHeight = std::clamp(model_.rowHeight, 1, 60);
    const LPARAM point = rng_.Chance(90) ? MAKELPARAM(rng_.Below(700), rng_.Below(12 * rowHeight))
                                         : static_cast<LPARAM>(rng_.Bits32());
    if (rng_.Chance(10)) {
        // Shift and Ctrl as the thread's key state reports them at the next press or release.
        BYTE state[256] = {};
        state[VK_SHIFT] = rng_.Chance(30) ? 0x80 : 0;
        state[VK_CONTROL] = rng_.Chance(30) ? 0x80 : 0;
        SetKeyboardState(state);
    }
    if (message == WM_RBUTTONDOWN || message == WM_RBUTTONUP || message == WM_MOUSEMOVE) {
        // The right button's handlers and the drag read the pointer itself.
        RECT pane;
        GetWindowRect(listPane_, &pane);
        SetCursorPos(pane.left + static_cast<int>(rng_.Below(700)),
                     pane.top + static_cast<int>(rng_.Below(300)) - 5);
    }
    pressed_ = message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN;
    Send(listPane_, message, keys, point);
}

void MessageFuzzer::HeaderMouse() {
    static const UINT kMessages[] = {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK,
                                     WM_MOUSEMOVE};
    const UINT message = rng_.Pick(kMessages);
    // Near a column's right edge now and then, where a resize begins.
    uint32_t x = rng_.Below(800);
    if (model_.ColumnCount() != 0 && rng_.Chance(50)) {
        const uint32_t column = rng_.Below(model_.ColumnCount());
        uint32_t left = 0;
        for (uint32_t i = 0; i < column; ++i) {
            left += static_cast<uint32_t>(model_.columns[i].width);
        }
        x = left + static_cast<uint32_t>(model_.columns[column].width) + rng_.Below(4) - 2;
    }
    const WPARAM keys = message == WM_MOUSEMOVE && rng_.Chance(40) ? MK_LBUTTON : 0;
    Send(headerPane_, message, keys, MAKELPARAM(x & 0xFFFF, rng_.Below(20)));
    ReadWidths();
}

void MessageFuzzer::ListKey() {
    struct Key {
        WPARAM virtualKey;
        UINT scan;
    };
    static const Key kKeys[] = {{VK_RETURN, 0x1C}, {VK_DOWN, 0x50},  {VK_UP, 0x48},
                                {VK_PRIOR, 0x49},  {VK_NEXT, 0x51},  {VK_HOME, 0x47},
                                {VK_END, 0x4F},    {VK_SPACE, 0x39}, {VK_TAB, 0x0F},
                                {VK_LEFT, 0x4B},   {VK_RIGHT, 0x4D}, {'A', 0x1E}};
    Key key = rng_.Pick(kKeys);
    if (rng_.Chance(10)) {
        key.virtualKey = rng_.Below(256);
    }
    UINT scan = key.scan;
    const uint32_t roll = rng_.Below(10);
    if (roll < 3) {
        scan |= 0x100;  // the extended key
    } else if (roll < 5) {
        scan = roll == 3 ? 0 : rng_.Below(0x400);
    }
    const LPARAM data = static_cast<LPARAM>(1 | (scan << 16));
    const UINT message = rng_.Chance(90) ? WM_KEYDOWN : WM_CHAR;
    Send(listPane_, message, key.virtualKey, data);
}

void MessageFuzzer::EditorInput() {
    HWND editor = VisibleEditor();
    if (editor == nullptr) {
        BeginEdit();
        return;
    }
    if (rng_.Chance(5)) {
        // Text arrives whole, as a paste would bring it: no key filter sees it.
        const std::string text = HostileText();
        Send(editor, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
        return;
    }
    static const WPARAM kCharacters[] = {'\r', '\r', '\t', 0x1B, '0', '7', '-', ',', 8, 'a', '&'};
    const WPARAM character =
        rng_.Chance(90)
            ? rng_.Pick(kCharacters)
            : static_cast<unsigned char>(SafeForEditors(static_cast<char>(1 + rng_.Below(255))));
    if (rng_.Chance(5)) {
        Send(editor, rng_.Chance(50) ? WM_KEYDOWN : WM_GETDLGCODE, character, 1);
        return;
    }
    Send(editor, WM_CHAR, character, 1);
}

void MessageFuzzer::OutsideMessages() {
    static const UINT kMessages[] = {WM_USER,          WM_USER + 0x2C,
                                     WM_USER + 0x100,  WM_CTLCOLORLISTBOX,
                                     WM_LBUTTONDBLCLK, WM_SETFOCUS};
    const UINT message = rng_.Pick(kMessages);
    const LRESULT result = Send(grid_, message, rng_.Bits32(), 0);
    if ((message == WM_USER || message == WM_USER + 0x2C) && result != 0) {
        Fail("an unknown message was not left to the default procedure");
    }
}

}  // namespace testing_support

#include "input_helpers.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <utility>

#include "harness.h"

namespace testing_support {

namespace {

constexpr UINT kKindColumn = 5;  // of the standard columns

using SpyKey = std::pair<HWND, int>;
std::map<SpyKey, MessageSpy*>& Spies() {
    static std::map<SpyKey, MessageSpy*> spies;
    return spies;
}

int SlotIndex(MessageSpy::Slot slot) {
    return slot == MessageSpy::Slot::WindowProcedure ? GWLP_WNDPROC : GWLP_USERDATA;
}

std::vector<BYTE> BitmapBits(HBITMAP bitmap) {
    BITMAP info = {};
    if (bitmap == nullptr || GetObjectA(bitmap, sizeof(info), &info) == 0) {
        return {};
    }
    std::vector<BYTE> bits(static_cast<size_t>(info.bmWidthBytes) *
                           static_cast<size_t>(info.bmHeight));
    GetBitmapBits(bitmap, static_cast<LONG>(bits.size()), bits.data());
    return bits;
}

struct CursorImage {
    std::vector<BYTE> mask;
    std::vector<BYTE> color;
};

CursorImage ImageOf(HCURSOR cursor) {
    ICONINFO info = {};
    if (cursor == nullptr || !GetIconInfo(cursor, &info)) {
        return {};
    }
    CursorImage image{BitmapBits(info.hbmMask), BitmapBits(info.hbmColor)};
    DeleteObject(info.hbmMask);
    if (info.hbmColor != nullptr) {
        DeleteObject(info.hbmColor);
    }
    return image;
}

}  // namespace

MessageSpy::MessageSpy(HWND window, Slot slot, std::set<UINT> watched, std::set<UINT> swallowed)
    : window_(window),
      slot_(SlotIndex(slot)),
      watched_(std::move(watched)),
      swallowed_(std::move(swallowed)),
      previous_(GetWindowLongPtrA(window, slot_)) {
    Spies()[{window_, slot_}] = this;
    SetWindowLongPtrA(window_, slot_, reinterpret_cast<LONG_PTR>(Procedure));
}

MessageSpy::~MessageSpy() {
    if (IsWindow(window_)) {
        SetWindowLongPtrA(window_, slot_, previous_);
    }
    Spies().erase({window_, slot_});
}

// Entered through either slot; a window's own procedure slot is tried first, which is where a
// message arrives before the subclass passes anything on.
LRESULT CALLBACK MessageSpy::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    MessageSpy* spy = nullptr;
    for (int slot : {GWLP_WNDPROC, GWLP_USERDATA}) {
        auto found = Spies().find({window, slot});
        if (found != Spies().end() &&
            GetWindowLongPtrA(window, slot) == reinterpret_cast<LONG_PTR>(Procedure)) {
            spy = found->second;
            break;
        }
    }
    if (spy == nullptr) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    if (spy->watched_.count(message) != 0) {
        spy->messages.push_back({message, wParam, lParam});
    }
    if (spy->swallowed_.count(message) != 0) {
        return 0;
    }
    return CallWindowProcA(reinterpret_cast<WNDPROC>(spy->previous_), window, message, wParam,
                           lParam);
}

std::vector<UINT> MessageSpy::Codes() const {
    std::vector<UINT> codes;
    for (const Message& m : messages) {
        codes.push_back(m.message);
    }
    return codes;
}

std::vector<MessageSpy::Message> MessageSpy::Of(UINT message) const {
    std::vector<Message> selected;
    for (const Message& m : messages) {
        if (m.message == message) {
            selected.push_back(m);
        }
    }
    return selected;
}

HeldKeys::HeldKeys(std::initializer_list<int> keys) {
    GetKeyboardState(saved_);
    BYTE state[256];
    std::copy(std::begin(saved_), std::end(saved_), std::begin(state));
    for (int key : keys) {
        state[key & 0xFF] = 0x80;
    }
    SetKeyboardState(state);
}

HeldKeys::~HeldKeys() {
    SetKeyboardState(saved_);
}

LPARAM RowPoint(HWND grid, int row, int x) {
    const int height = Grid_GetRowHeight(grid);
    const auto top = static_cast<int>(SendMessageA(ListPane(grid), LB_GETTOPINDEX, 0, 0));
    return MAKELPARAM(x, (row - top) * height + height / 2);
}

void Press(HWND pane, LPARAM point, WPARAM keys) {
    SendMessageA(pane, WM_LBUTTONDOWN, keys, point);
}

void Release(HWND pane, LPARAM point, WPARAM keys) {
    SendMessageA(pane, WM_LBUTTONUP, keys, point);
}

void Click(HWND pane, LPARAM point) {
    Press(pane, point);
    Release(pane, point);
}

void KeyDown(HWND pane, WPARAM virtualKey, UINT scanValue) {
    SendMessageA(pane, WM_KEYDOWN, virtualKey, static_cast<LPARAM>(1 | (scanValue << 16)));
}

void SetThreadMessageTime(DWORD time) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = VK_F24;
    input.ki.dwFlags = KEYEVENTF_KEYUP;
    input.ki.time = time;
    SendInput(1, &input, sizeof input);
    MSG message;
    while (PeekMessageA(&message, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
        if (message.wParam == VK_F24) {
            break;
        }
    }
}

void PointerAt(HWND window, POINT client) {
    ClientToScreen(window, &client);
    SetCursorPos(client.x, client.y);
    DropQueuedMouseMessages();
}

void DropQueuedMouseMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
    }
}

std::vector<UINT> SelectedRows(HWND grid) {
    std::vector<UINT> positions(std::max(Grid_GetSelRowsEx(grid, 0, nullptr), 0));
    const int count =
        Grid_GetSelRowsEx(grid, static_cast<UINT>(positions.size()), positions.data());
    positions.resize(std::min<size_t>(std::max(count, 0), positions.size()));
    return positions;
}

void AddKindRows(HWND grid, std::initializer_list<INT32> kinds) {
    for (INT32 kind : kinds) {
        char name[16];
        std::snprintf(name, sizeof(name), "r%d", Grid_GetRowCount(grid));
        AddStandardRow(grid, name, nullptr, 0, 0, 0, kind);
    }
}

INT32 KindCell(HWND grid, UINT row) {
    INT32 value = -1;
    Grid_GetCell(grid, kKindColumn, row, &value);
    return value;
}

bool CursorShowsResource(HCURSOR cursor, int id) {
    HCURSOR reference =
        static_cast<HCURSOR>(LoadImageA(Library(), MAKEINTRESOURCEA(id), IMAGE_CURSOR, 0, 0, 0));
    const CursorImage expected = ImageOf(reference);
    const CursorImage shown = ImageOf(cursor);
    DestroyCursor(reference);
    return !expected.mask.empty() && shown.mask == expected.mask && shown.color == expected.color;
}

bool CursorIsArrow(HCURSOR cursor) {
    return cursor == LoadCursorA(nullptr, IDC_ARROW);
}

std::vector<Note> Notes(const std::vector<GridNotify>& records) {
    std::vector<Note> notes;
    for (const GridNotify& r : records) {
        notes.push_back(
            {r.code, r.column, r.row, r.buttonDown, r.rightButton, r.activated, r.rowKind});
    }
    return notes;
}

void PrintTo(const Note& note, std::ostream* out) {
    *out << "{code " << note.code << ", cell " << note.column << "," << note.row << ", down "
         << note.buttonDown << ", right " << note.rightButton << ", activated " << note.activated
         << ", kind " << note.rowKind << "}";
}

Note ButtonNote(BOOL down) {
    Note note;
    note.code = GRN_BUTTON;
    note.buttonDown = down;
    return note;
}

Note SelChangeNote() {
    Note note;
    note.code = GRN_SELCHANGE;
    return note;
}

Note CellClickNote(UINT column, UINT row, UINT rowKind, BOOL rightButton, BOOL activated) {
    return {GRN_CELLCLICK, column, row, FALSE, rightButton, activated, rowKind};
}

Note CurCellChangedNote(UINT column, UINT row) {
    Note note;
    note.code = GRN_CURCELLCHANGED;
    note.column = column;
    note.row = row;
    return note;
}

}  // namespace testing_support

namespace testing_support {

void RealMouse(HWND window, POINT client, std::initializer_list<DWORD> buttons) {
    ClientToScreen(window, &client);
    SetCursorPos(client.x, client.y);
    PumpMessages();
    for (const DWORD button : buttons) {
        INPUT input = {};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = button;
        SendInput(1, &input, sizeof input);
        PumpMessages();
    }
}

}  // namespace testing_support

// Helpers for the list input and drag tests: a spy on a window's messages, held modifier keys,
// mouse and key messages for the list pane, the selection, and the cursor shown.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <ostream>
#include <set>
#include <vector>

#include "vorlane.h"

namespace testing_support {

// Records the watched messages that reach a window and answers the swallowed ones with 0
// without passing them on. Watching the window's procedure sees what the window is sent; watching
// the replaced procedure of a subclassed child (kept in its GWLP_USERDATA) sees what the
// subclass passes on to it.
class MessageSpy {
  public:
    enum class Slot { WindowProcedure, ReplacedProcedure };
    struct Message {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };

    MessageSpy(HWND window, Slot slot, std::set<UINT> watched, std::set<UINT> swallowed = {});
    ~MessageSpy();
    MessageSpy(const MessageSpy&) = delete;
    MessageSpy& operator=(const MessageSpy&) = delete;

    std::vector<Message> messages;
    std::vector<UINT> Codes() const;
    std::vector<Message> Of(UINT message) const;
    void Clear() { messages.clear(); }

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND window_;
    int slot_;
    std::set<UINT> watched_;
    std::set<UINT> swallowed_;
    LONG_PTR previous_;
};

// Holds the given virtual keys down in this thread's key state (GetKeyState) while it lives.
class HeldKeys {
  public:
    explicit HeldKeys(std::initializer_list<int> keys);
    ~HeldKeys();
    HeldKeys(const HeldKeys&) = delete;
    HeldKeys& operator=(const HeldKeys&) = delete;

  private:
    BYTE saved_[256] = {};
};

// The point at x in the middle of a row of the grid's list pane (pane coordinates).
LPARAM RowPoint(HWND grid, int row, int x = 10);
// Mouse messages as the system sends them to the pane.
void Press(HWND pane, LPARAM point, WPARAM keys = MK_LBUTTON);
void Release(HWND pane, LPARAM point, WPARAM keys = 0);
void Click(HWND pane, LPARAM point);
// WM_KEYDOWN with a scan value (the scan code, 0x100 for an extended key).
void KeyDown(HWND pane, WPARAM virtualKey, UINT scanValue);

// Makes GetMessageTime read `time` (not 0) in this thread, as if the last message retrieved had
// come then: a key release of an unused key stamped with it is put through the input queue and
// taken out again. Needs a window of this thread to have the keyboard focus.
void SetThreadMessageTime(DWORD time);

// Puts the pointer at a point of a window's client area, and throws away the mouse messages
// that this may have queued, so that only the messages a test sends reach the panes.
void PointerAt(HWND window, POINT client);
void DropQueuedMouseMessages();

// Every selected position, in order.
std::vector<UINT> SelectedRows(HWND grid);
// Adds a row of the standard columns for each kind, named "r<position>".
void AddKindRows(HWND grid, std::initializer_list<INT32> kinds);
INT32 KindCell(HWND grid, UINT row);

// True when the cursor shows the image of the library's cursor resource `id`.
bool CursorShowsResource(HCURSOR cursor, int id);
bool CursorIsArrow(HCURSOR cursor);

// The fields of a notification that list input fills, for comparing with an expected table.
struct Note {
    UINT code = 0;
    UINT column = 0;
    UINT row = 0;
    BOOL buttonDown = FALSE;
    BOOL rightButton = FALSE;
    BOOL activated = FALSE;
    UINT rowKind = 0;
    bool operator==(const Note&) const = default;
};
std::vector<Note> Notes(const std::vector<GridNotify>& records);
void PrintTo(const Note& note, std::ostream* out);

// Notes of the usual gestures.
Note ButtonNote(BOOL down);
Note SelChangeNote();
Note CellClickNote(UINT column, UINT row, UINT rowKind, BOOL rightButton = FALSE,
                   BOOL activated = FALSE);
Note CurCellChangedNote(UINT column, UINT row);

}  // namespace testing_support

namespace testing_support {

// Real mouse input (SendInput) at a point of a window's client area: the pointer moves there,
// then each of `buttons` (MOUSEEVENTF_ flags) follows in turn; the messages are pumped.
void RealMouse(HWND window, POINT client, std::initializer_list<DWORD> buttons);

}  // namespace testing_support

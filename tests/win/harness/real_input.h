// Input as the hardware delivers it: keys and mouse buttons put through SendInput, then taken
// from the queue, translated and dispatched as a program's message loop does. The keys go to the
// window with the keyboard focus, the mouse messages to the window with the capture or under the
// pointer, and the system makes the WM_SYSKEYDOWN, WM_SYSCHAR and WM_LBUTTONDBLCLK itself.
#pragma once

#include <windows.h>

#include <initializer_list>

namespace testing_support {

// Makes the window's top-level window the foreground window and gives `window` the focus.
void FocusForKeys(HWND window);
// Presses the keys in the order given and releases them in the reverse order, then runs the
// messages this makes.
void TypeChord(std::initializer_list<WORD> keys);

// Moves the pointer to a point of a window's client area and runs the messages this makes.
void MouseTo(HWND window, POINT client);
// The left button goes down or up where the pointer is; the messages run.
void LeftButton(bool down);
// A click and a double click (two clicks within the double-click time) at a point of a window.
void ClickAt(HWND window, POINT client);
void DoubleClickAt(HWND window, POINT client);
// The left button pressed where the pointer is, the pointer moved to `to` (a point of the
// window's client area) in steps, and the button released there unless `release` is false.
void DragTo(HWND window, POINT to, bool release = true);
// The pointer moved to `from` first.
void DragFromTo(HWND window, POINT from, POINT to);

// Runs this thread's messages, timers included, for `milliseconds`.
void RunMessagesFor(DWORD milliseconds);

// Sets the system's double-click time while it lives (a short one keeps tests quick), then puts
// the one before back.
class DoubleClickTime {
  public:
    explicit DoubleClickTime(UINT milliseconds);
    ~DoubleClickTime();
    DoubleClickTime(const DoubleClickTime&) = delete;
    DoubleClickTime& operator=(const DoubleClickTime&) = delete;
    // Lets the double-click time pass, with a margin, running the messages meanwhile.
    static void LetPass();

  private:
    UINT saved_;
};

}  // namespace testing_support

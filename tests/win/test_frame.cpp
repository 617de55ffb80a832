// The control frame: class registration, creation, children, layout, focus, lifetime.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "harness.h"
#include "input_helpers.h"
#include "painting_helpers.h"

using namespace testing_support;

namespace {

TEST(Library, RegistersTheGlobalClassAtLoadAndRemovesItAtUnload) {
    WNDCLASSEXA info = {};
    info.cbSize = sizeof(info);
    HMODULE exe = GetModuleHandleA(nullptr);
    ASSERT_FALSE(GetClassInfoExA(exe, VORLANE_CLASS, &info));

    HMODULE library = LoadLibraryA("vorlane.dll");
    ASSERT_NE(library, nullptr);
    ASSERT_TRUE(GetClassInfoExA(exe, VORLANE_CLASS, &info));
    EXPECT_EQ(info.style,
              static_cast<UINT>(CS_BYTEALIGNCLIENT | CS_BYTEALIGNWINDOW | CS_GLOBALCLASS));
    EXPECT_EQ(info.cbWndExtra, static_cast<int>(sizeof(LONG_PTR)));
    EXPECT_EQ(info.cbClsExtra, 0);
    EXPECT_EQ(info.hbrBackground, nullptr);

    ASSERT_TRUE(FreeLibrary(library));
    EXPECT_FALSE(GetClassInfoExA(exe, VORLANE_CLASS, &info));

    library = LoadLibraryA("vorlane.dll");
    ASSERT_NE(library, nullptr);
    EXPECT_TRUE(GetClassInfoExA(exe, VORLANE_CLASS, &info));
    FreeLibrary(library);
}

// Builds an in-memory dialog template with one control of the grid class.
std::vector<WORD> GridDialogTemplate(WORD controlId) {
    std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
    auto* dialog = reinterpret_cast<DLGTEMPLATE*>(words.data());
    dialog->style = WS_POPUP | WS_CAPTION | WS_VISIBLE | DS_SETFONT;
    dialog->cdit = 1;
    dialog->cx = 200;
    dialog->cy = 120;
    words.insert(words.end(), {0, 0, 0});  // no menu, default class, empty title
    words.push_back(8);                    // font size and name
    for (const char* c = "MS Shell Dlg"; *c; ++c) {
        words.push_back(static_cast<WORD>(*c));
    }
    words.push_back(0);
    if (words.size() % 2 != 0) {
        words.push_back(0);  // items are DWORD aligned
    }
    size_t at = words.size();
    words.resize(at + sizeof(DLGITEMTEMPLATE) / sizeof(WORD), 0);
    auto* item = reinterpret_cast<DLGITEMTEMPLATE*>(&words[at]);
    item->style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    item->x = 5;
    item->y = 5;
    item->cx = 180;
    item->cy = 100;
    item->id = controlId;
    for (const char* c = VORLANE_CLASS; *c; ++c) {
        words.push_back(static_cast<WORD>(*c));
    }
    words.insert(words.end(), {0, 0, 0});  // class end, empty title, no creation data
    return words;
}

INT_PTR CALLBACK PlainDialogProc(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

TEST(Frame, ADialogTemplateNamingTheClassCreatesAWorkingControl) {
    Library();
    std::vector<WORD> dialogTemplate = GridDialogTemplate(100);
    HWND dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr),
                                             reinterpret_cast<DLGTEMPLATE*>(dialogTemplate.data()),
                                             nullptr, PlainDialogProc, 0);
    ASSERT_NE(dialog, nullptr);
    HWND grid = GetDlgItem(dialog, 100);
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(ClassOf(grid), VORLANE_CLASS);
    EXPECT_EQ(Grid_GetRowHeight(grid), 17);
    EXPECT_NE(ListPane(grid), nullptr);
    EXPECT_NE(HeaderPane(grid), nullptr);
    DestroyWindow(dialog);
}

TEST(Frame, CreatesThreeChildrenWithTheirStylesAndLaysThemOut) {
    RecordingParent parent;
    HWND grid = CreateGrid(parent.hwnd(), 10, 10, 300, 200);
    ASSERT_NE(grid, nullptr);
    HWND resize = ResizeLine(grid);
    HWND header = HeaderPane(grid);
    HWND list = ListPane(grid);
    ASSERT_TRUE(resize && header && list);

    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(resize, GWL_STYLE)), 0x44000004u);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(header, GWL_STYLE)), 0x5400010Du);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(list, GWL_STYLE)) & 0xFFFF0FFFu, 0x54000119u);
    EXPECT_FALSE(IsWindowVisible(resize));

    RECT headerRect = RectInParent(header);
    EXPECT_EQ(headerRect.left, 0);
    EXPECT_EQ(headerRect.top, 0);
    EXPECT_EQ(headerRect.right, 8192);
    EXPECT_EQ(headerRect.bottom, 17);
    RECT listRect = RectInParent(list);
    EXPECT_EQ(listRect.left, 0);
    EXPECT_EQ(listRect.top, 17);
    EXPECT_EQ(listRect.right, 8192);
    EXPECT_EQ(listRect.bottom, 200);
    EXPECT_EQ(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0), 17);
}

TEST(Frame, ANewControlAnswersItsDefaults) {
    RecordingParent parent;
    HWND grid = CreateGrid(parent.hwnd(), 0, 0, 300, 200);
    EXPECT_EQ(Grid_GetHeaderHeight(grid), 17);
    EXPECT_EQ(Grid_GetRowHeight(grid), 17);
    EXPECT_EQ(Grid_GetCurCol(grid), 0u);
    EXPECT_EQ(Grid_GetCurRow(grid), 0u);
    EXPECT_EQ(Grid_GetRowCount(grid), 0);
    EXPECT_EQ(Grid_GetTotalWidth(grid), 0u);
    EXPECT_EQ(SendMessageA(grid, WM_CTLCOLORLISTBOX, 0, 0), COLOR_WINDOW + 1);
}

TEST(Frame, FocusGoesIntoTheListPane) {
    RecordingParent parent;
    HWND grid = CreateGrid(parent.hwnd(), 0, 0, 300, 200);
    SetForegroundWindow(parent.hwnd());
    SetFocus(grid);
    EXPECT_EQ(GetFocus(), ListPane(grid));
}

TEST(Frame, MessagesOutsideItsSetGoToTheDefaultProcedure) {
    RecordingParent parent;
    HWND grid = CreateGrid(parent.hwnd(), 0, 0, 300, 200);
    for (UINT message : {UINT(WM_USER + 0x00), UINT(WM_USER + 0x2C), UINT(WM_USER + 0x3FF)}) {
        EXPECT_EQ(SendMessageA(grid, message, 1, 1), DefWindowProcA(grid, message, 1, 1));
    }
    // A message the default procedure answers shows that it really was consulted.
    SetWindowTextA(grid, "abc");
    EXPECT_EQ(SendMessageA(grid, WM_GETTEXTLENGTH, 0, 0), 3);
    EXPECT_TRUE(IsWindow(grid));
}

// The parent destroys the control inside the GRN_CELLCLICK of its GRM_SETCURCELL. The message
// stops there (0, no GRN_CURCELLCHANGED) and the instance goes when the message returns: with it
// the memory device context and bitmap its rows were painted through, which nothing else frees.
TEST(Frame, AControlDestroyedInsideItsOwnNotificationStopsAndReleasesItsInstance) {
    RecordingParent parent;
    HWND other = CreateGrid(parent.hwnd(), 0, 210, 300, 100);
    ASSERT_TRUE(AddStandardColumns(other));
    AddStandardRow(other, "other", nullptr, 0, 0, 0, 2);
    auto destroyInsideItsOwnNotification = [&parent] {
        HWND grid = CreateGrid(parent.hwnd(), 0, 0, 300, 200);
        AddStandardColumns(grid);
        AddStandardRow(grid, "a", nullptr, 1, 0, 0, 2);
        AddStandardRow(grid, "b", nullptr, 2, 0, 0, 2);
        RedrawWindow(grid, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        parent.Clear();
        parent.onNotify = [grid](GridNotify& record) {
            if (record.code == GRN_CELLCLICK) {
                DestroyWindow(grid);
            }
        };
        EXPECT_EQ(Grid_SetCurCell(grid, 0, 1), FALSE);
        parent.onNotify = nullptr;
        EXPECT_FALSE(IsWindow(grid));
        EXPECT_EQ(parent.Codes(), (std::vector<UINT>{GRN_CELLCLICK}));
    };
    destroyInsideItsOwnNotification();  // the system loads what it keeps once
    const int gdiBefore = LiveGdiObjects();
    constexpr int kCycles = 20;
    for (int i = 0; i < kCycles; ++i) {
        destroyInsideItsOwnNotification();
    }
    PumpMessages();  // whatever was queued for the destroyed windows
    // A kept instance would keep two objects a cycle.
    EXPECT_LT(LiveGdiObjects() - gdiBefore, kCycles)
        << "GDI objects before " << gdiBefore << ", after " << LiveGdiObjects();

    // The other grid of the process goes on answering and notifying.
    parent.Clear();
    EXPECT_EQ(Grid_SetCurCell(other, 0, 0), TRUE);
    EXPECT_EQ(parent.Codes(), (std::vector<UINT>{GRN_CELLCLICK, GRN_CURCELLCHANGED}));
}

// Destroyed grids leave the drag partnership: the grids made after them take their places, the
// first as the pane left of the drop divider, the second as the one right of it.
TEST(Frame, GridsMadeAfterOthersWereDestroyedBecomeTheDragPartners) {
    RecordingParent parent(760, 300);
    for (int i = 0; i < 2; ++i) {
        DestroyWindow(CreateGrid(parent.hwnd(), 0, 0, 300, 200));
    }
    HWND left = CreateGrid(parent.hwnd(), 0, 0, 300, 200, 0, 1);
    HWND right = CreateGrid(parent.hwnd(), 400, 0, 300, 200, 0, 2);
    for (HWND grid : {left, right}) {
        ASSERT_TRUE(AddStandardColumns(grid));
        AddKindRows(grid, {2, 2});
    }
    PartnerSet partners = {};
    partners.dragWindow = parent.hwnd();
    Grid_SetPartners(left, &partners);
    Grid_SetDropDivider(left, 350);
    struct Case {
        HWND from;
        HWND over;
    };
    for (const Case& c : {Case{right, left}, Case{left, right}}) {
        const LPARAM row = RowPoint(c.from, 0);
        Press(ListPane(c.from), row);
        PointerAt(ListPane(c.over), {40, 8});
        SendMessageA(ListPane(c.from), WM_MOUSEMOVE, MK_LBUTTON, row);
        EXPECT_EQ(GetCapture(), ListPane(c.over)) << "from grid " << GetDlgCtrlID(c.from);
        Release(ListPane(c.from), row);
        ReleaseCapture();
    }
}

TEST(Frame, ThousandControlsCreatedAndDestroyedLeaveNothingBehind) {
    RecordingParent parent;
    // Warm up: the first creation loads system resources once for the process.
    DestroyWindow(CreateGrid(parent.hwnd(), 0, 0, 300, 200));
    ResourceCounts before = CountResources();
    for (int i = 0; i < 1000; ++i) {
        HWND grid = CreateGrid(parent.hwnd(), 0, 0, 300, 200);
        ASSERT_NE(grid, nullptr);
        DestroyWindow(grid);
    }
    PumpMessages();
    ResourceCounts after = CountResources();
    std::printf("windows %d -> %d, GDI objects %d -> %d, private bytes %lu -> %lu\n",
                before.windows, after.windows, before.gdiObjects, after.gdiObjects,
                static_cast<unsigned long>(before.privateBytes),
                static_cast<unsigned long>(after.privateBytes));
    EXPECT_GT(before.gdiObjects, 0) << "the GDI count must see the process's own objects";
    EXPECT_EQ(after.windows, before.windows);
    EXPECT_EQ(after.userObjects, before.userObjects);
    // A leak of one object per control would show as 1000.
    EXPECT_LE(after.gdiObjects - before.gdiObjects, 10)
        << "GDI objects before " << before.gdiObjects << ", after " << after.gdiObjects;
    // A leak of the instance alone would be more than 1000 x 200 bytes.
    EXPECT_LT(after.privateBytes, before.privateBytes + 200 * 1000)
        << "private bytes before " << before.privateBytes << ", after " << after.privateBytes;
}

}  // namespace

// Unicode grids (VorlaneClassW): every text crosses the interface as UTF-16, surrogate pairs
// included and never split by a cut; the editors are Unicode edit controls; text keys sort in
// the platform's case-blind ordinal order; wide texts are painted as what they are.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "harness.h"
#include "input_helpers.h"
#include "unicode_grid.h"
#include "painting_helpers.h"

using namespace testing_support;

namespace {

TEST(UnicodeGrid, EachClassGivesItsGridAndEditorsItsWidth) {
    struct Case {
        const char* name;
        HWND (*create)(HWND, int, int, int, int, DWORD, int);
        BOOL unicode;
    };
    for (const Case& c : {Case{"ANSI", CreateGrid, FALSE}, Case{"Unicode", CreateGridW, TRUE}}) {
        RecordingParent parent;
        HWND grid = c.create(parent.hwnd(), 0, 0, 300, 200, 0, 1);
        ASSERT_NE(grid, nullptr) << c.name;
        ASSERT_TRUE(AddColumns(grid, {{100, GRID_CELL_TEXT, GRID_EDITOR_TEXT},
                                      {0, GRID_CELL_VALUE, GRID_EDITOR_NONE}}));
        EXPECT_EQ(IsWindowUnicode(grid), c.unicode) << c.name;
        ASSERT_EQ(Editors(grid).size(), 1u) << c.name;
        EXPECT_EQ(IsWindowUnicode(Editors(grid)[0]), c.unicode) << c.name;
    }
}

TEST(UnicodeGrid, EveryTextMessageRoundTripsUtf16) {
    struct Case {
        const char* message;
        std::function<HWND(HWND parent, const Units& text)> write;
        std::function<Units(HWND grid)> read;
    };
    const std::vector<Case> cases = {
        {"GRM_ADDCOLUMN title", [](HWND p, const Units& t) { return MakeWideGrid(p, t); },
         [](HWND g) {
             WCHAR title[1024] = L"untouched";
             Grid_GetColTitleW(g, 0, title);
             return Units(reinterpret_cast<const char16_t*>(title));
         }},
        {"GRM_SETCOLTITLE",
         [](HWND p, const Units& t) {
             HWND g = MakeWideGrid(p, u"old");
             Grid_SetColTitleW(g, 1, Wide(t));
             return g;
         },
         [](HWND g) {
             WCHAR title[1024] = L"untouched";
             Grid_GetColTitleW(g, 1, title);
             return Units(reinterpret_cast<const char16_t*>(title));
         }},
        {"GRM_ADDROW",
         [](HWND p, const Units& t) {
             HWND g = MakeWideGrid(p);
             AddWideRow(g, t);
             return g;
         },
         [](HWND g) { return CellOf(g, 0, 0); }},
        {"GRM_ADDROWS",
         [](HWND p, const Units& t) {
             HWND g = MakeWideGrid(p);
             const Units first = u"first";
             GridValue values[6] = {Text(first), 1, 3, Text(t), 2, 3};
             EXPECT_EQ(Grid_AddRowsW(g, 2, values), 0);
             return g;
         },
         [](HWND g) { return CellOf(g, 0, 1); }},
        {"GRM_SETCELL",
         [](HWND p, const Units& t) {
             HWND g = MakeWideGrid(p);
             AddWideRow(g, u"old text that is longer");
             Grid_SetCellTextW(g, 0, 0, Wide(t));
             return g;
         },
         [](HWND g) { return CellOf(g, 0, 0); }},
    };
    Units longText;
    for (int i = 0; i < 150; ++i) {
        longText += u"\u0436" + kPair;
    }
    for (const Case& c : cases) {
        for (const Units& text : {Units(), kMixed, kPair, longText}) {
            RecordingParent parent;
            HWND grid = c.write(parent.hwnd(), text);
            EXPECT_EQ(c.read(grid), text) << c.message << " with " << text.size() << " units";
        }
    }
}

TEST(UnicodeGrid, NotificationsPointAtWideTextsAndEditorCutsKeepPairsWhole) {
    struct Case {
        unsigned editLimit;
        Units cell;
        Units begun;  // GRN_BEGINEDIT's text: the cell cut to what the editor shows
    };
    const Units ab = u"ab";
    for (const Case& c : {Case{0, kMixed, kMixed}, Case{3, ab + kPair, ab},
                          Case{4, ab + kPair, ab + kPair}, Case{2, ab + kPair, ab}}) {
        RecordingParent parent;
        std::vector<Units> texts;
        parent.onNotify = [&texts](GridNotify& record) {
            if (record.code == GRN_BEGINEDIT || record.code == GRN_ENDEDIT ||
                record.code == GRN_CELLCHANGING) {
                texts.push_back(NotifiedText(record));
            }
        };
        HWND grid = MakeWideGrid(parent.hwnd(), u"", c.editLimit);
        AddWideRow(grid, c.cell);
        auto editor = reinterpret_cast<HWND>(SendMessageW(grid, GRM_BEGINEDIT, 0, 0));
        ASSERT_NE(editor, nullptr);
        WCHAR shown[600] = {};
        GetWindowTextW(editor, shown, 600);
        EXPECT_EQ(Units(reinterpret_cast<const char16_t*>(shown)), c.begun) << c.editLimit;
        SendMessageW(editor, WM_CHAR, VK_RETURN, 1);
        EXPECT_EQ(texts, (std::vector<Units>{c.begun, c.begun, c.begun})) << c.editLimit;
        EXPECT_EQ(CellOf(grid, 0, 0), c.begun) << c.editLimit;
    }
}

TEST(UnicodeGrid, CharactersTypedIntoTheEditorReachTheCell) {
    for (const Units& typed : {Units(u"\u0436"), Units(u"\u00e9") + kPair + u"\u03a9"}) {
        RecordingParent parent;
        std::vector<Units> ended;
        parent.onNotify = [&ended](GridNotify& record) {
            if (record.code == GRN_ENDEDIT) {
                ended.push_back(NotifiedText(record));
            }
        };
        HWND grid = MakeWideGrid(parent.hwnd());
        AddWideRow(grid, u"replaced");
        auto editor = reinterpret_cast<HWND>(SendMessageW(grid, GRM_BEGINEDIT, 0, 0));
        ASSERT_NE(editor, nullptr);
        for (char16_t unit : typed) {
            SendMessageW(editor, WM_CHAR, unit, 1);
        }
        SendMessageW(editor, WM_CHAR, VK_RETURN, 1);
        EXPECT_EQ(ended, std::vector<Units>{typed});
        EXPECT_EQ(CellOf(grid, 0, 0), typed);
    }
}

TEST(UnicodeGrid, TextKeysSortAsThePlatformsOrdinalComparisonIgnoringCase) {
    const std::vector<Units> pieces = {
        u"a",          u"A",      u"z",      u"Z",      u"_",      u"0",      u"\u00e9", u"\u00c9",
        u"\u00df",     u"\u00ff", u"\u0178", u"\u03b1", u"\u0391", u"\u03c2", u"\u03a3", u"\u0436",
        u"\u0416",     u"\u0451", u"\u0401", u"\u0131", u"\u0130", u"\uff41", u"\uff21", kPair,
        u"\U00010428",  // a small letter outside the plane; ordinal case-folding leaves it
        u"\U00010400"};
    std::mt19937 random(20261209);
    std::vector<Units> texts;
    for (int i = 0; i < 3000; ++i) {
        Units text;
        for (size_t n = random() % 7; n > 0; --n) {
            text += pieces[random() % pieces.size()];
        }
        texts.push_back(text);
    }
    RecordingParent parent;
    HWND grid = MakeWideGrid(parent.hwnd());
    std::vector<GridValue> values;
    for (const Units& text : texts) {
        values.insert(values.end(), {Text(text), 0, 3});
    }
    ASSERT_EQ(Grid_AddRowsW(grid, static_cast<UINT>(texts.size()), values.data()), 0);
    Grid_Sort(grid, 0, GRID_SORT_ASCENDING);
    Units before = CellOf(grid, 0, 0);
    int outOfOrder = 0;
    for (UINT row = 1; row < texts.size(); ++row) {
        const Units next = CellOf(grid, 0, row);
        if (CompareStringOrdinal(Wide(before), -1, Wide(next), -1, TRUE) == CSTR_GREATER_THAN) {
            ++outOfOrder;
        }
        before = next;
    }
    EXPECT_EQ(outOfOrder, 0);
}

TEST(UnicodeGrid, WideTextsPaintAsThemselvesNotAsQuestionMarks) {
    struct Case {
        const char* where;
        bool title;
    };
    const Units wide = u"\u0436\u03a9\u0436\u03a9";  // all "?" in the ANSI code page
    for (const Case& c : {Case{"cell", false}, Case{"title", true}}) {
        ParkPointer();
        RecordingParent parent;
        HWND shown = MakeWideGrid(parent.hwnd(), c.title ? wide : u"", 0, 0);
        HWND marks = MakeWideGrid(parent.hwnd(), c.title ? u"????" : u"", 0, 320);
        AddWideRow(shown, c.title ? u"" : wide);
        AddWideRow(marks, c.title ? u"" : u"????");
        for (HWND grid : {shown, marks}) {
            SetPalette(grid);
            InvalidateRect(grid, nullptr, TRUE);
            UpdateWindow(grid);
        }
        PumpMessages();
        auto pane = [&c](HWND grid) { return c.title ? HeaderPane(grid) : ListPane(grid); };
        const RECT area = {2, 1, 118, 16};
        EXPECT_NE(AreaPixels(Capture(pane(shown)), area), AreaPixels(Capture(pane(marks)), area))
            << c.where;
        // The same text in both shows the same pixels: the comparison can tell.
        Grid_SetColTitleW(marks, 0, Wide(wide));
        Grid_SetCellTextW(marks, 0, 0, Wide(wide));
        if (!c.title) {
            Grid_SetColTitleW(marks, 0, L"");
        }
        InvalidateRect(pane(marks), nullptr, TRUE);
        UpdateWindow(pane(marks));
        EXPECT_EQ(AreaPixels(Capture(pane(shown)), area), AreaPixels(Capture(pane(marks)), area))
            << c.where;
    }
}

TEST(UnicodeGrid, NumbersAndMasksPaintAsInAnAnsiGrid) {
    struct Case {
        const char* mask;
        const char16_t* wideMask;
    };
    for (const Case& c : {Case{nullptr, nullptr}, Case{"###-####", u"###-####"}}) {
        ParkPointer();
        RecordingParent parent;
        HWND wide = MakeWideGrid(parent.hwnd(), u"", 0, 0, c.wideMask);
        HWND ansi = CreateGrid(parent.hwnd(), 320, 0, 300, 200);
        ColumnDesc masked = Column(80, GRID_CELL_NUMBER);
        masked.mask = c.mask;
        ASSERT_TRUE(AddColumnDescs(
            ansi, {Column(120, GRID_CELL_TEXT), masked, Column(0, GRID_CELL_VALUE)}));
        AddWideRow(wide, u"", 5551234);
        GridValue values[3] = {0, 5551234, 3};
        Grid_AddRow(ansi, values);
        for (HWND grid : {wide, ansi}) {
            SetPalette(grid);
            InvalidateRect(ListPane(grid), nullptr, TRUE);
            UpdateWindow(ListPane(grid));
        }
        const RECT number = {121, 0, 199, 16};
        const std::vector<COLORREF> shown = AreaPixels(Capture(ListPane(wide)), number);
        EXPECT_EQ(shown, AreaPixels(Capture(ListPane(ansi)), number))
            << (c.mask != nullptr ? c.mask : "no mask");
        EXPECT_NE(shown, AreaPixels(Capture(ListPane(wide)), RECT{1, 0, 79, 16}))
            << "the number shows";
    }
}

// The folder prefix of a Unicode grid is wide text, read through the client's pointer at every
// paint, and the shell is asked about the wide path: under a folder named outside the ANSI code
// page a file and a folder show their own icons, and a prefix rewritten in place is followed.
TEST(UnicodeGrid, FileIconsComeFromTheWidePath) {
    ParkPointer();
    WCHAR temp[MAX_PATH] = L"";
    GetTempPathW(MAX_PATH, temp);
    const std::wstring root =
        std::wstring(temp) + L"vorlane-\x0436\x03a9-" + std::to_wstring(GetCurrentProcessId());
    const std::wstring first = root + L"\\a\\";
    const std::wstring second = root + L"\\b\\";
    for (const std::wstring& folder : {root, first, second, first + L"dir", second + L"file"}) {
        CreateDirectoryW(folder.c_str(), nullptr);
    }
    CloseHandle(CreateFileW((first + L"file").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    WCHAR prefix[MAX_PATH] = L"";
    first.copy(prefix, first.size());
    {
        RecordingParent parent;
        HWND grid = CreateGridW(parent.hwnd(), 0, 0, 300, 200);
        ColumnDescW name = {};
        name.width = 100;
        name.folderPrefix = prefix;
        ColumnDescW kind = {};
        kind.cellKind = GRID_CELL_VALUE;
        for (const ColumnDescW& desc : {name, kind}) {
            ASSERT_EQ(Grid_AddColumnW(grid, &desc), 0);
        }
        const Units file = u"file";
        const Units dir = u"dir";
        for (const Units* text : {&file, &dir}) {
            GridValue values[2] = {Text(*text), 3};
            Grid_AddRowW(grid, values);
        }
        SetPalette(grid);
        const RECT firstIcon = {1, 0, 17, 16};
        const RECT secondIcon = {1, 17, 17, 33};
        const Capture before(ListPane(grid));
        const std::vector<COLORREF> folderIcon = AreaPixels(before, secondIcon);
        EXPECT_NE(AreaPixels(before, firstIcon), folderIcon) << "a file and a folder";

        second.copy(prefix, second.size());  // where "file" is a folder
        InvalidateRect(ListPane(grid), nullptr, TRUE);
        UpdateWindow(ListPane(grid));
        EXPECT_EQ(AreaPixels(Capture(ListPane(grid)), firstIcon), folderIcon);
    }
    DeleteFileW((first + L"file").c_str());
    for (const std::wstring& folder : {first + L"dir", second + L"file", first, second, root}) {
        RemoveDirectoryW(folder.c_str());
    }
}

// The parent moves rows between an ANSI and a Unicode grid: a drag from either ends in a drop on
// a row of the other, reported with both grids named. The grids are the first two of the
// process now, so their list panes are the two drag sides.
TEST(UnicodeGrid, RowsDragBetweenAnAnsiAndAUnicodeGrid) {
    RecordingParent parent(760, 520);
    HWND ansi = CreateGrid(parent.hwnd(), 0, 0, 300, 306, 0, 1);
    HWND wide = CreateGridW(parent.hwnd(), 400, 0, 300, 306, 0, 2);
    ASSERT_TRUE(AddStandardColumns(ansi));
    ASSERT_TRUE(AddStandardColumns(wide));
    AddKindRows(ansi, {2, 2, 2});
    const Units name = u"\u0436" + kPair;
    for (int i = 0; i < 3; ++i) {
        GridValue values[6] = {Text(name), 0, 0, 0, 0, 2};
        Grid_AddRowW(wide, values);
    }
    PartnerSet partners = {};
    partners.dragWindow = parent.hwnd();
    Grid_SetPartners(ansi, &partners);
    Grid_SetDropDivider(ansi, 350);

    // A mouse message where the system would deliver it: to the capture, else the pane below.
    auto mouse = [&parent](UINT message, HWND grid, int row, WPARAM keys) {
        const LPARAM inPane = RowPoint(grid, row, 40);
        POINT point = {LOWORD(inPane), HIWORD(inPane)};
        MapWindowPoints(ListPane(grid), parent.hwnd(), &point, 1);
        PointerAt(parent.hwnd(), point);
        HWND target = GetCapture();
        if (target == nullptr) {
            POINT screen = point;
            ClientToScreen(parent.hwnd(), &screen);
            target = WindowFromPoint(screen);
        }
        MapWindowPoints(parent.hwnd(), target, &point, 1);
        SendMessageA(target, message, keys, MAKELPARAM(point.x, point.y));
    };
    struct Case {
        HWND from;
        HWND to;
    };
    for (const Case& c : {Case{ansi, wide}, Case{wide, ansi}}) {
        parent.Clear();
        mouse(WM_LBUTTONDOWN, c.from, 1, MK_LBUTTON);
        mouse(WM_MOUSEMOVE, c.from, 1, MK_LBUTTON);
        mouse(WM_MOUSEMOVE, c.to, 2, MK_LBUTTON);
        mouse(WM_MOUSEMOVE, c.to, 2, MK_LBUTTON);
        mouse(WM_LBUTTONUP, c.to, 2, 0);
        const std::vector<GridNotify> drops = parent.OfCode(GRN_DROP);
        ASSERT_EQ(drops.size(), 1u) << (c.from == ansi ? "from ANSI" : "from Unicode");
        EXPECT_EQ(drops[0].hwndFrom, c.from);
        EXPECT_EQ(drops[0].hwndGrid, c.to);
        EXPECT_EQ(drops[0].dropRow, 2u);
        EXPECT_EQ(GetCapture(), nullptr);
    }
    EXPECT_EQ(CellOf(wide, 0, 2), name) << "the rows are the parent's to move";
}

}  // namespace

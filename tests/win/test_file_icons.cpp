// File rows keep the shell's icon once looked up, and look it up again after each event that
// may change it: the row's name written, the rows cleared, the folder prefix's text rewritten
// behind the client's pointer, and GRM_REDRAW. The probe is a file that becomes a folder
// between two paints: a grid that asks the shell again shows the folder icon, also for a name
// whose type's icon is kept for every file of the type.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "harness.h"
#include "painting_helpers.h"

using namespace testing_support;

namespace {

constexpr GridValue kFileRow = 3;  // a file row: its icon comes from the shell
constexpr RECT kFirstIcon = {1, 0, 17, 16};
constexpr RECT kSecondIcon = {1, 17, 17, 33};

GridValue Text(const char* text) {
    return reinterpret_cast<GridValue>(text);
}

void MakeFile(const std::string& path) {
    RemoveDirectoryA(path.c_str());
    CloseHandle(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
}

void MakeFolder(const std::string& path) {
    DeleteFileA(path.c_str());
    CreateDirectoryA(path.c_str(), nullptr);
}

class FileIcons : public ::testing::Test {
  protected:
    void SetUp() override {
        ParkPointer();
        char temp[MAX_PATH] = "";
        GetTempPathA(sizeof temp, temp);
        root = std::string(temp) + "vorlane-icons-" + std::to_string(GetCurrentProcessId());
        first = root + "\\a\\";
        second = root + "\\b\\";
        for (const std::string& folder :
             {root, first, second, first + "dir", second + "item", second + "item.ini"}) {
            CreateDirectoryA(folder.c_str(), nullptr);
        }
        MakeFile(first + "file");
    }
    void TearDown() override {
        for (const char* name : {"file", "item", "item.ini"}) {
            DeleteFileA((first + name).c_str());
        }
        for (const std::string& folder :
             {first + "item", first + "item.ini", first + "dir", second + "item",
              second + "item.ini", first, second, root}) {
            RemoveDirectoryA(folder.c_str());
        }
    }
    // A grid of file rows named `names`, under the folder prefix `prefix` (read through the
    // pointer at every paint).
    HWND MakeGrid(const char* prefix, std::initializer_list<const char*> names) {
        HWND grid = CreateGrid(parent.hwnd(), 0, 0, 400, 200);
        ColumnDesc name = Column(100, GRID_CELL_TEXT);
        name.folderPrefix = prefix;
        EXPECT_TRUE(AddColumnDescs(grid, {name, Column(0, GRID_CELL_VALUE)}));
        for (const char* text : names) {
            AddRow(grid, {Text(text), kFileRow});
        }
        SetPalette(grid, palette);
        return grid;
    }
    std::vector<COLORREF> IconOfFirstRow(HWND grid) {
        return AreaPixels(Capture(ListPane(grid)), kFirstIcon);
    }

    RecordingParent parent;
    TestPalette palette;
    std::string root;
    std::string first;   // holds "file" (a file), "dir" (a folder) and the probes "item" and
                         // "item.ini"
    std::string second;  // holds "item" and "item.ini", folders
};

TEST_F(FileIcons, EachEventThatMayChangeAnIconAsksTheShellAgain) {
    HWND reference = MakeGrid(first.c_str(), {"file", "dir"});
    const Capture shown(ListPane(reference));
    const std::vector<COLORREF> fileIcon = AreaPixels(shown, kFirstIcon);
    const std::vector<COLORREF> folderIcon = AreaPixels(shown, kSecondIcon);
    ASSERT_NE(fileIcon, folderIcon) << "the probe needs files and folders to look different";
    DestroyWindow(reference);

    char prefix[MAX_PATH] = "";
    HWND grid = nullptr;
    const char* probe = nullptr;
    struct Case {
        const char* event;
        std::function<void()> happen;
        bool asksAgain;  // false: the icon kept from the first paint shows
    };
    const Case cases[] = {
        {"a plain repaint", [] {}, false},
        {"the name written, even unchanged", [&] { Grid_SetCellText(grid, 0, 0, probe); }, true},
        {"the rows cleared and the row added again",
         [&] {
             Grid_ClearRows(grid);
             AddRow(grid, {Text(probe), kFileRow});
         },
         true},
        {"the prefix's text rewritten behind the same pointer",
         [&] { std::strcpy(prefix, second.c_str()); }, true},
        {"GRM_REDRAW", [&] { Grid_Redraw(grid); }, true},
    };
    // A name with the extension of a type whose files all show one icon is a folder as well as
    // a name without one.
    for (const char* name : {"item", "item.ini"}) {
        probe = name;
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << probe << ": " << c.event);
            std::strcpy(prefix, first.c_str());
            MakeFile(first + probe);
            grid = MakeGrid(prefix, {probe});
            const std::vector<COLORREF> before = IconOfFirstRow(grid);
            ASSERT_NE(before, folderIcon);
            MakeFolder(first + probe);
            c.happen();
            EXPECT_EQ(IconOfFirstRow(grid), c.asksAgain ? folderIcon : before);
            DestroyWindow(grid);
        }
    }
}

// The icons drawn from the grid's own strip match the shell image list's drawing over the row
// background, pixel for pixel within rounding, for icons with soft edges and for a type's icon.
TEST_F(FileIcons, IconsLookAsTheImageListDrawsThem) {
    MakeFile(first + "note.txt");
    HWND grid = MakeGrid(first.c_str(), {"file", "dir", "note.txt"});
    const Capture shown(ListPane(grid));
    const RECT third = {1, 34, 17, 50};
    for (const auto& [name, area] : {std::pair<const char*, RECT>{"file", kFirstIcon},
                                     {"dir", kSecondIcon},
                                     {"note.txt", third}}) {
        SHFILEINFOA info = {};
        auto images = reinterpret_cast<HIMAGELIST>(SHGetFileInfoA(
            (first + name).c_str(), 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
        ASSERT_NE(images, nullptr) << name;
        HDC dc = CreateCompatibleDC(nullptr);
        HBITMAP bitmap = CreateBitmap(16, 16, 1, 32, nullptr);
        HGDIOBJ old = SelectObject(dc, bitmap);
        HBRUSH back = CreateSolidBrush(palette.rowBack);
        const RECT whole = {0, 0, 16, 16};
        FillRect(dc, &whole, back);
        ImageList_Draw(images, info.iIcon, dc, 0, 0, ILD_TRANSPARENT);
        const std::vector<COLORREF> painted = AreaPixels(shown, area);
        int differing = 0;
        for (int i = 0; i < 256; ++i) {
            const COLORREF expected = GetPixel(dc, i % 16, i / 16);
            const COLORREF actual = painted[static_cast<size_t>(i)];
            for (int shift = 0; shift < 24; shift += 8) {
                const int delta = static_cast<int>((expected >> shift) & 0xFF) -
                                  static_cast<int>((actual >> shift) & 0xFF);
                differing += delta > 2 || delta < -2;
            }
        }
        EXPECT_EQ(differing, 0) << name;
        SelectObject(dc, old);
        DeleteObject(back);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    DestroyWindow(grid);
    DeleteFileA((first + "note.txt").c_str());
}

}  // namespace

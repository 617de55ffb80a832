// File rows keep the shell's icon once looked up, and look it up again after each event that
// may change it: the row's name written, the rows cleared, the folder prefix's text rewritten
// behind the client's pointer, and GRM_REDRAW. The probe is a file that becomes a folder
// between two paints: a grid that asks the shell again shows the folder icon.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
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
        for (const std::string& folder : {root, first, second, first + "dir", second + "item"}) {
            CreateDirectoryA(folder.c_str(), nullptr);
        }
        MakeFile(first + "file");
    }
    void TearDown() override {
        DeleteFileA((first + "file").c_str());
        DeleteFileA((first + "item").c_str());
        for (const std::string& folder :
             {first + "item", first + "dir", second + "item", first, second, root}) {
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
    std::string first;   // holds "file" (a file), "dir" (a folder) and the probe "item"
    std::string second;  // holds "item", a folder
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
    struct Case {
        const char* event;
        std::function<void()> happen;
        bool asksAgain;  // false: the icon kept from the first paint shows
    };
    const Case cases[] = {
        {"a plain repaint", [] {}, false},
        {"the name written, even unchanged", [&] { Grid_SetCellText(grid, 0, 0, "item"); }, true},
        {"the rows cleared and the row added again",
         [&] {
             Grid_ClearRows(grid);
             AddRow(grid, {Text("item"), kFileRow});
         },
         true},
        {"the prefix's text rewritten behind the same pointer",
         [&] { std::strcpy(prefix, second.c_str()); }, true},
        {"GRM_REDRAW", [&] { Grid_Redraw(grid); }, true},
    };
    for (const Case& c : cases) {
        std::strcpy(prefix, first.c_str());
        MakeFile(first + "item");
        grid = MakeGrid(prefix, {"item"});
        ASSERT_EQ(IconOfFirstRow(grid), fileIcon) << c.event;
        MakeFolder(first + "item");
        c.happen();
        EXPECT_EQ(IconOfFirstRow(grid), c.asksAgain ? folderIcon : fileIcon) << c.event;
        DestroyWindow(grid);
    }
}

}  // namespace

// Out of memory, for real: the library has no hook for failing allocations, so this process
// reserves its own address space until no large region can be had, then asks the control for
// more than remains. A 32-bit process runs out of address space; a 64-bit one runs under an
// address-space limit set by its launcher (the test's VORLANE_ADDRESS_LIMIT_KB), which the
// reservations exhaust. A request that cannot get memory is refused and changes nothing; once
// the ballast is gone the same request succeeds.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "harness.h"

using namespace testing_support;

namespace {

constexpr SIZE_T kMegabyte = 1024 * 1024;
constexpr SIZE_T kLeftFree = 16 * kMegabyte;  // free regions smaller than this stay free
constexpr SIZE_T kHugeText = 48 * kMegabyte;  // more than any region left free
constexpr uintptr_t kGranularity = 0x10000;   // address space is reserved in 64 KiB units

// Whether a region of this size can be reserved now.
bool CanReserve(SIZE_T bytes) {
    void* block = VirtualAlloc(nullptr, bytes, MEM_RESERVE, PAGE_NOACCESS);
    if (block == nullptr) {
        return false;
    }
    VirtualFree(block, 0, MEM_RELEASE);
    return true;
}

// Reserves (without committing) every free region of kLeftFree or more while it lives, so that
// no allocation of that size can succeed; small allocations still find room.
class AddressSpaceBallast {
  public:
    AddressSpaceBallast() {
        blocks_.reserve(4096);
        for (bool found = true; found;) {
            found = false;
            MEMORY_BASIC_INFORMATION region;
            for (uintptr_t at = kGranularity;
                 VirtualQuery(reinterpret_cast<const void*>(at), &region, sizeof region) ==
                     sizeof region &&
                 blocks_.size() < blocks_.capacity();
                 at = reinterpret_cast<uintptr_t>(region.BaseAddress) + region.RegionSize) {
                const auto base = reinterpret_cast<uintptr_t>(region.BaseAddress);
                const uintptr_t first = (base + kGranularity - 1) & ~(kGranularity - 1);
                const uintptr_t end = (base + region.RegionSize) & ~(kGranularity - 1);
                if (region.State == MEM_FREE && end > first && end - first >= kLeftFree) {
                    void* block = VirtualAlloc(reinterpret_cast<void*>(first), end - first,
                                               MEM_RESERVE, PAGE_NOACCESS);
                    if (block != nullptr) {
                        blocks_.push_back(block);
                        reserved_ += end - first;
                        found = true;
                    }
                }
                if (region.RegionSize == 0) {
                    break;
                }
            }
        }
        // The system may place allocations where the walk above sees no free region (areas it
        // keeps for itself): take whatever it still hands out in large pieces too.
        for (SIZE_T piece = 256 * kMegabyte; piece >= kLeftFree; piece /= 2) {
            while (blocks_.size() < blocks_.capacity()) {
                void* block = VirtualAlloc(nullptr, piece, MEM_RESERVE, PAGE_NOACCESS);
                if (block == nullptr) {
                    break;
                }
                blocks_.push_back(block);
                reserved_ += piece;
            }
        }
    }
    ~AddressSpaceBallast() {
        for (void* block : blocks_) {
            VirtualFree(block, 0, MEM_RELEASE);
        }
    }
    AddressSpaceBallast(const AddressSpaceBallast&) = delete;
    AddressSpaceBallast& operator=(const AddressSpaceBallast&) = delete;

    SIZE_T reserved() const { return reserved_; }

  private:
    std::vector<void*> blocks_;
    SIZE_T reserved_ = 0;
};

class OutOfMemory : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(AddStandardColumns(grid));
        for (int row = 0; row < 3; ++row) {
            const std::string name = "row" + std::to_string(row);
            ASSERT_EQ(AddStandardRow(grid, name.c_str(), "note", row, row * 10, row * 100, 2), row);
        }
    }
    // Long texts are compared by length and first characters, so that a failure stays short.
    std::string CellText(UINT column, UINT row) {
        std::vector<char> text(kHugeText + 16, '\0');
        Grid_GetCell(grid, column, row, text.data());
        const size_t length = std::strlen(text.data());
        return length > 64 ? std::to_string(length) + " characters" : std::string(text.data());
    }
    INT32 CellValue(UINT column, UINT row) {
        INT32 value = -1;
        Grid_GetCell(grid, column, row, &value);
        return value;
    }
    void ExpectRowsAsAdded() {
        for (UINT row = 0; row < 3; ++row) {
            EXPECT_EQ(CellText(0, row), "row" + std::to_string(row));
            EXPECT_EQ(CellText(1, row), "note");
            EXPECT_EQ(CellValue(2, row), static_cast<INT32>(row));
            EXPECT_EQ(CellValue(3, row), static_cast<INT32>(row * 10));
            EXPECT_EQ(CellValue(5, row), 2);
        }
    }

    RecordingParent parent;
    HWND grid = CreateGrid(parent.hwnd(), 0, 0, 400, 200);
    const std::string huge = std::string(kHugeText, 'h');
};

TEST_F(OutOfMemory, AnAddedRowThatCannotGetMemoryIsRefusedAndChangesNothing) {
    int added = 0;
    LRESULT count = 0;
    LRESULT items = 0;
    bool roomLeft = true;
    SIZE_T reserved = 0;
    {
        AddressSpaceBallast ballast;
        reserved = ballast.reserved();
        roomLeft = CanReserve(kHugeText);
        added = AddStandardRow(grid, huge.c_str(), "more", 7, 7, 7, 2);
        count = SendMessageA(grid, LB_GETCOUNT, 0, 0);
        items = SendMessageA(ListPane(grid), LB_GETCOUNT, 0, 0);
    }
    std::printf("ballast %lu MB\n", static_cast<unsigned long>(reserved / kMegabyte));
    ASSERT_FALSE(roomLeft) << "the ballast left room for the text";
    EXPECT_EQ(added, -1);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(items, 3);
    ExpectRowsAsAdded();

    // With the memory back the same row is stored whole.
    EXPECT_EQ(AddStandardRow(grid, huge.c_str(), "more", 7, 7, 7, 2), 3);
    EXPECT_EQ(CellText(0, 3), std::to_string(kHugeText) + " characters");
    EXPECT_EQ(CellValue(4, 3), 7);
}

TEST_F(OutOfMemory, ABatchOfRowsThatCannotAllGetMemoryIsRefusedWhole) {
    // The first rows alone would fit: only the last one's text is too large.
    std::vector<GridValue> rows;
    for (int row = 0; row < 3; ++row) {
        const char* name = row == 2 ? huge.c_str() : "fits";
        rows.insert(rows.end(), {reinterpret_cast<GridValue>(name),
                                 reinterpret_cast<GridValue>("more"), row, row, row, 2});
    }
    int added = 0;
    LRESULT count = 0;
    LRESULT items = 0;
    bool roomLeft = true;
    {
        AddressSpaceBallast ballast;
        roomLeft = CanReserve(kHugeText);
        added = Grid_AddRows(grid, 3, rows.data());
        count = SendMessageA(grid, LB_GETCOUNT, 0, 0);
        items = SendMessageA(ListPane(grid), LB_GETCOUNT, 0, 0);
    }
    ASSERT_FALSE(roomLeft) << "the ballast left room for the text";
    EXPECT_EQ(added, -1);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(items, 3);
    ExpectRowsAsAdded();

    EXPECT_EQ(Grid_AddRows(grid, 3, rows.data()), 3);
    EXPECT_EQ(CellText(0, 3), "fits");
    EXPECT_EQ(CellText(0, 5), std::to_string(kHugeText) + " characters");
}

TEST_F(OutOfMemory, ACellTextThatCannotGetMemoryLeavesTheCellAndReportsNoChange) {
    {
        AddressSpaceBallast ballast;
        Grid_SetCellText(grid, 0, 1, huge.c_str());
    }
    ExpectRowsAsAdded();
    // The parent was asked, but is not told of a change that did not happen.
    EXPECT_EQ(parent.Codes(), (std::vector<UINT>{GRN_CELLCHANGING}));

    parent.Clear();
    Grid_SetCellText(grid, 0, 1, huge.c_str());
    EXPECT_EQ(parent.Codes(), (std::vector<UINT>{GRN_CELLCHANGING, GRN_CELLCHANGED}));
    EXPECT_EQ(CellText(0, 1), std::to_string(kHugeText) + " characters");
}

TEST_F(OutOfMemory, AColumnOrTitleThatCannotGetMemoryIsRefused) {
    HWND empty = CreateGrid(parent.hwnd(), 0, 0, 300, 100, 0, 2);
    ASSERT_TRUE(AddColumns(empty, {{50, GRID_CELL_TEXT, GRID_EDITOR_TEXT, "first"},
                                   {0, GRID_CELL_VALUE, GRID_EDITOR_NONE}}));
    ColumnDesc desc = {};
    desc.width = 70;
    desc.title = huge.c_str();
    desc.editorKind = GRID_EDITOR_TEXT;
    LRESULT refused = 0;
    {
        AddressSpaceBallast ballast;
        refused = Grid_AddColumn(empty, &desc);
        Grid_SetColTitle(empty, 0, huge.c_str());
    }
    EXPECT_EQ(refused, 1);
    EXPECT_EQ(Grid_GetTotalWidth(empty), 50u);
    EXPECT_EQ(Editors(empty).size(), 1u);
    char title[64] = "";
    Grid_GetColTitle(empty, 0, title);
    EXPECT_STREQ(title, "first");

    EXPECT_EQ(Grid_AddColumn(empty, &desc), 0);
    EXPECT_EQ(Grid_GetTotalWidth(empty), 120u);
}

}  // namespace

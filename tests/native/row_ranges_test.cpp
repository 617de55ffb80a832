// The owner-data selection and fetched rows: the range set against a plain set of rows under
// random operations, and the fetched cells read back as the store reads its own.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <set>
#include <vector>

#include "store/row_page.h"
#include "store/row_ranges.h"

namespace vorlane {
namespace {

void ExpectSame(const RowRanges& ranges, const std::set<uint32_t>& model, uint32_t rows) {
    ASSERT_EQ(ranges.Count(), model.size());
    for (uint32_t row = 0; row < rows + 2; ++row) {
        ASSERT_EQ(ranges.Contains(row), model.count(row) == 1) << "row " << row;
    }
    std::vector<uint32_t> written(model.size() + 1, 0xEEEE);
    ASSERT_EQ(ranges.Write(written.data(), static_cast<uint32_t>(model.size())), model.size());
    EXPECT_EQ(std::vector<uint32_t>(model.begin(), model.end()),
              std::vector<uint32_t>(written.begin(), written.end() - 1));
    EXPECT_EQ(written.back(), 0xEEEEu);  // nothing past the room
    const auto& list = ranges.ranges();
    for (size_t i = 1; i < list.size(); ++i) {
        ASSERT_GT(list[i].first, list[i - 1].last + 1) << "ranges must not touch";
    }
}

TEST(RowRanges, MatchesAPlainSetUnderRandomOperations) {
    constexpr uint32_t kRows = 64;
    std::mt19937 random(7);
    RowRanges ranges;
    std::set<uint32_t> model;
    for (int step = 0; step < 4000; ++step) {
        const uint32_t a = random() % kRows;
        const uint32_t b = random() % kRows;
        switch (random() % 8) {
            case 0:
                ranges.Clear();
                model.clear();
                break;
            case 1:
                ranges.Invert(b);
                for (uint32_t row = 0; row < kRows; ++row) {
                    if (row >= b || model.count(row) != 0) {
                        model.erase(row);
                    } else {
                        model.insert(row);
                    }
                }
                break;
            case 2:
                ranges.Truncate(b);
                model.erase(model.lower_bound(b), model.end());
                break;
            default: {
                const bool on = random() % 2 == 0;
                ASSERT_TRUE(ranges.Set(a, b, on));
                for (uint32_t row = a; row <= b; ++row) {
                    on ? (void)model.insert(row) : (void)model.erase(row);
                }
            }
        }
        ExpectSame(ranges, model, kRows);
    }
}

TEST(RowRanges, AHundredMillionRowsAreOneRange) {
    RowRanges ranges;
    ranges.Set(0, 99'999'999, true);
    ranges.Set(50'000'000, 50'000'000, false);
    EXPECT_EQ(ranges.Count(), 99'999'999u);
    EXPECT_EQ(ranges.ranges().size(), 2u);
    ranges.Invert(100'000'000);
    EXPECT_EQ(ranges.Count(), 1u);
    EXPECT_TRUE(ranges.Contains(50'000'000));
    ranges.Set(0, UINT32_MAX, true);
    EXPECT_EQ(ranges.Count(), uint64_t{UINT32_MAX} + 1);
}

TEST(RowPage, ReadsFetchedCellsAsTheStoreDoes) {
    struct Case {
        const char* name;
        uint32_t destinationUnits;
        bool read;
        std::u16string expected;
    };
    const std::u16string text = u"ab\U0001F600c";  // a, b, a surrogate pair, c
    const Case cases[] = {
        {"whole", 16, true, text},
        {"cut after the pair", 5, true, u"ab\U0001F600"},
        {"cut inside the pair drops it", 4, true, u"ab"},
        {"room for the NUL only", 1, true, u""},
        {"no room", 0, false, u"untouched"},
    };
    RowPage page(TextWidth::Utf16);
    ASSERT_TRUE(page.Add(70'000, 3));
    page.SetText(70'000, 0, text.c_str(), 255);
    page.SetValue(70'000, 2, 0x00010203);
    for (const Case& c : cases) {
        std::u16string out = u"untouched";
        out.resize(16, u'\0');
        EXPECT_EQ(page.Read(70'000, 0, out.data(), c.destinationUnits), c.read) << c.name;
        EXPECT_EQ(std::u16string(out.c_str()), c.expected) << c.name;
    }
    uint32_t value = 0;
    EXPECT_TRUE(page.Read(70'000, 2, &value, 2));
    EXPECT_EQ(value, 0x00010203u);
    EXPECT_EQ(page.KindCell(70'000), 0x00010203u);
    EXPECT_FALSE(page.Read(70'000, 3, &value, 2));  // past the row's cells
    EXPECT_FALSE(page.Read(1, 0, &value, 2));       // a row never fetched
    page.Keep(0, 69'999);
    EXPECT_FALSE(page.Holds(70'000));
}

}  // namespace
}  // namespace vorlane

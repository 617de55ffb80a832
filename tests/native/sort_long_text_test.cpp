// Text keys that reach past the first eight bytes, which the sort compares as one number before
// it looks at the rest: texts that agree there and differ (or differ only in letter case) after,
// texts ending just before, at or after the eighth byte, and bytes above ASCII on either side.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "sort_reference.h"
#include "sort_test_grid.h"
#include "store/row_sort.h"

namespace vorlane::sorttest {
namespace {

std::string RandomCase(std::string text, std::mt19937& rng) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z' && (rng() & 1)) {
            c = static_cast<char>(c - 0x20);
        } else if (c >= 'A' && c <= 'Z' && (rng() & 1)) {
            c = static_cast<char>(c + 0x20);
        }
    }
    return text;
}

// A stem near the eight-byte boundary and a short tail, each letter in either case.
std::string LongishText(std::mt19937& rng) {
    static const char* const kStems[] = {"",         "a",        "abcdefg",     "abcdefgh",
                                         "abcdefgi", "abcdefg_", "abcdefg\x80", "abcdefghij",
                                         "abcdefgz", "zzzzzzzz", "abcdefgh\xff"};
    static const char* const kTails[] = {"", "a", "m", "_", "\x80", "ab", "ba", "zz", "\xff"};
    std::string text = kStems[rng() % std::size(kStems)];
    text += kTails[rng() % std::size(kTails)];
    return RandomCase(text, rng);
}

TEST(SortLongTexts, MatchTheReferenceWhereTextsAgreeInTheirFirstEightBytes) {
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        std::mt19937 rng(seed);
        const size_t n = 20 + rng() % 300;
        SortTestGrid grid(2);
        for (size_t i = 0; i < n; ++i) {
            grid.AddRow({0, grid.AddText(LongishText(rng))});
        }
        for (const bool descending : {false, true}) {
            const SortSource source = grid.Source(1, true);
            std::vector<uint32_t> expected = grid.Rows();
            ReferenceSort(source, descending).Sort(expected.data(), 0, static_cast<int>(n) - 1);
            std::vector<uint32_t> actual = grid.Rows();
            ASSERT_TRUE(SortRowOffsets(actual.data(), n, source, descending));
            ASSERT_EQ(actual, expected) << "seed " << seed << (descending ? " descending" : "");
        }
    }
}

TEST(SortLongTexts, DistinctLongTextsSortByTheBytesAfterTheEighth) {
    SortTestGrid grid(1);
    const uint32_t b = grid.AddRow({grid.AddText("commonPREFIX-b")});
    const uint32_t a = grid.AddRow({grid.AddText("COMMONprefix-A")});
    const uint32_t shortest = grid.AddRow({grid.AddText("commonpr")});
    const uint32_t c = grid.AddRow({grid.AddText("commonprefix-c")});
    std::vector<uint32_t> rows = grid.Rows();
    ASSERT_TRUE(SortRowOffsets(rows.data(), rows.size(), grid.Source(0, true), false));
    EXPECT_EQ(rows, (std::vector<uint32_t>{shortest, a, b, c}));
}

}  // namespace
}  // namespace vorlane::sorttest

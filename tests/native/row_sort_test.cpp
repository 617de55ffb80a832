// Key comparison, bad input and scratch failure of the row sort. Orders of distinct keys are
// written out by hand here, independently of the reference sort.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "sort_test_grid.h"
#include "store/row_sort.h"
#include "store/sort_scratch.h"
#include "wide_text.h"

namespace vorlane::sorttest {
namespace {

// Rows with one text key each (column 0); returns the texts in the sorted order of the rows.
std::vector<std::string> SortTexts(const std::vector<std::string>& texts, bool descending) {
    SortTestGrid grid(1);
    std::vector<std::string> byOffset;
    for (const std::string& text : texts) {
        grid.AddRow({grid.AddText(text)});
    }
    std::vector<uint32_t> rows = grid.Rows();
    EXPECT_TRUE(SortRowOffsets(rows.data(), rows.size(), grid.Source(0, true), descending));
    std::vector<std::string> sorted;
    for (uint32_t offset : rows) {
        sorted.push_back(texts[offset / 4]);
    }
    return sorted;
}

// The same for wide texts, folded through `fold`.
std::vector<std::u16string> SortWideTexts(const std::vector<std::u16string>& texts, bool descending,
                                          const uint16_t* fold) {
    SortTestGrid grid(1);
    for (const std::u16string& text : texts) {
        grid.AddRow({grid.AddWideText(text)});
    }
    std::vector<uint32_t> rows = grid.Rows();
    EXPECT_TRUE(SortRowOffsets(rows.data(), rows.size(),
                               grid.Source(0, true, TextWidth::Utf16, fold), descending));
    std::vector<std::u16string> sorted;
    for (uint32_t offset : rows) {
        sorted.push_back(texts[offset / 4]);
    }
    return sorted;
}

std::vector<int32_t> SortNumbers(const std::vector<int32_t>& numbers, bool descending) {
    SortTestGrid grid(2);
    for (int32_t number : numbers) {
        grid.AddRow({7, static_cast<uint32_t>(number)});
    }
    std::vector<uint32_t> rows = grid.Rows();
    EXPECT_TRUE(SortRowOffsets(rows.data(), rows.size(), grid.Source(1, false), descending));
    std::vector<int32_t> sorted;
    for (uint32_t offset : rows) {
        sorted.push_back(numbers[offset / 8]);
    }
    return sorted;
}

TEST(RowSortKeys, TextsFoldOnlyLettersAndCompareBytesUnsigned) {
    // '_' (0x5F) lies above every folded letter; bytes from 0x80 lie above ASCII; a prefix and
    // the empty text come first.
    const std::vector<std::string> ascending = {"",     "a", "AB",   "abc",  "Zebra",
                                                "_abc", "{", "\x7f", "\x80", "\xff"};
    const std::vector<std::string> shuffled = {"_abc", "\xff", "Zebra", "",     "\x80",
                                               "abc",  "a",    "{",     "\x7f", "AB"};
    EXPECT_EQ(SortTexts(shuffled, false), ascending);
    EXPECT_EQ(SortTexts(shuffled, true),
              std::vector<std::string>(ascending.rbegin(), ascending.rend()));
}

TEST(RowSortKeys, TextsDifferingOnlyInLetterCaseAreEqualKeys) {
    // Two equal keys trade places and three rotate left by one, in either direction; distinct
    // keys would keep the order given here.
    EXPECT_EQ(SortTexts({"ABC", "abc"}, false), (std::vector<std::string>{"abc", "ABC"}));
    EXPECT_EQ(SortTexts({"ABC", "abc"}, true), (std::vector<std::string>{"abc", "ABC"}));
    EXPECT_EQ(SortTexts({"x_Y", "X_y", "x_y"}, false),
              (std::vector<std::string>{"X_y", "x_y", "x_Y"}));
    // Bytes next to the letter ranges are not folded: '`' (0x60) stays above '@' (0x40) and
    // '{' (0x7B) above '[' (0x5B); as equal keys they would trade places.
    EXPECT_EQ(SortTexts({"@", "`"}, false), (std::vector<std::string>{"@", "`"}));
    EXPECT_EQ(SortTexts({"[", "{"}, false), (std::vector<std::string>{"[", "{"}));
}

TEST(RowSortKeys, WideTextsFoldThroughTheTableAndCompareUnitsUnsigned) {
    using Texts = std::vector<std::u16string>;
    const uint16_t* fold = widetext::TestFoldTable();
    // Folded first units ascend: the empty text, A, Z, '_', E acute, alpha, Cyrillic a and be
    // (not in the table), a surrogate pair (below U+FFFF as units, though not as a code point).
    const Texts ascending = {
        u"",       u"a",      u"AB",     u"abc",        u"Zebra", u"_abc", u"\u00E9t\u00E9",
        u"\u03B1", u"\u0430", u"\u0431", u"\U0001F600", u"\uFFFF"};
    const Texts shuffled = {u"\u0431", u"_abc", u"\uFFFF", u"Zebra",      u"",   u"\u0430",
                            u"abc",    u"a",    u"\u03B1", u"\U0001F600", u"AB", u"\u00E9t\u00E9"};
    const struct {
        const char* name;
        const uint16_t* fold;
        Texts given;
        Texts sorted;
    } cases[] = {
        {"distinct keys", fold, shuffled, ascending},
        // Two equal keys trade places; as distinct keys they would stay.
        {"equal after folding",
         fold,
         {u"\u00C9T\u00C9", u"\u00E9t\u00E9"},
         {u"\u00E9t\u00E9", u"\u00C9T\u00C9"}},
        {"beyond ASCII only through the table",
         nullptr,
         {u"\u00C9", u"\u00E9"},
         {u"\u00C9", u"\u00E9"}},
        {"a-z without a table", nullptr, {u"ABC", u"abc"}, {u"abc", u"ABC"}},
        {"past the first four and eight units",
         fold,
         {u"commonPREFIX-b", u"COMMONprefix-A", u"commonpr", u"commonprefix-c", u"comm", u"commo"},
         {u"comm", u"commo", u"commonpr", u"COMMONprefix-A", u"commonPREFIX-b", u"commonprefix-c"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SortWideTexts(c.given, false, c.fold), c.sorted) << c.name;
    }
    EXPECT_EQ(SortWideTexts(shuffled, true, fold), Texts(ascending.rbegin(), ascending.rend()));

    // Slots off a unit boundary, past the pool or into a tail no NUL unit ends read as "".
    SortTestGrid grid(1);
    const uint32_t b = grid.AddRow({grid.AddWideText(u"b")});
    const uint32_t a = grid.AddRow({grid.AddWideText(u"a")});
    const uint32_t odd = grid.AddRow({grid.AddWideText(u"c") + 1});
    const uint32_t farOut = grid.AddRow({0x7FFFFFF0u});
    std::vector<char>& pool = grid.Pool();
    const uint32_t tailOffset = static_cast<uint32_t>(pool.size());
    pool.insert(pool.end(), {'d', '\0'});  // "d" with no NUL unit after it
    const uint32_t unterminated = grid.AddRow({tailOffset});
    for (const uint32_t unreadable : {odd, farOut, unterminated}) {
        std::vector<uint32_t> rows = {b, unreadable, a};
        ASSERT_TRUE(SortRowOffsets(rows.data(), rows.size(),
                                   grid.Source(0, true, TextWidth::Utf16, fold), false));
        EXPECT_EQ(rows, (std::vector<uint32_t>{unreadable, a, b}));
    }
}

TEST(RowSortKeys, NumbersCompareAsSigned32Bit) {
    EXPECT_EQ(SortNumbers({-5, 3, INT32_MAX, -1}, false),
              (std::vector<int32_t>{-5, -1, 3, INT32_MAX}));
    EXPECT_EQ(SortNumbers({INT32_MAX, INT32_MIN, 0, -1, 1}, false),
              (std::vector<int32_t>{INT32_MIN, -1, 0, 1, INT32_MAX}));
    EXPECT_EQ(SortNumbers({INT32_MIN, 0, INT32_MAX}, true),
              (std::vector<int32_t>{INT32_MAX, 0, INT32_MIN}));
}

TEST(RowSortKeys, UnreadableKeysReadAsZeroOrEmpty) {
    SortTestGrid grid(2);
    const uint32_t five = grid.AddRow({0, 5});
    const uint32_t minusThree = grid.AddRow({0, static_cast<uint32_t>(-3)});
    const uint32_t pastTable = 0xFFFFFFF0u;  // no such row: its key reads as 0
    std::vector<uint32_t> rows = {five, pastTable, minusThree};
    ASSERT_TRUE(SortRowOffsets(rows.data(), rows.size(), grid.Source(1, false), false));
    EXPECT_EQ(rows, (std::vector<uint32_t>{minusThree, pastTable, five}));

    // Text slots pointing past the pool, or into a tail that no NUL ends, read as "".
    SortTestGrid texts(1);
    const uint32_t b = texts.AddRow({texts.AddText("b")});
    const uint32_t a = texts.AddRow({texts.AddText("a")});
    const uint32_t farOut = texts.AddRow({0x7FFFFFFFu});
    std::vector<char>& pool = texts.Pool();
    const uint32_t tailOffset = static_cast<uint32_t>(pool.size());
    pool.push_back('c');  // "c" with no NUL after it: the pool ends first
    const uint32_t unterminated = texts.AddRow({tailOffset});
    pool.shrink_to_fit();
    for (const uint32_t unreadable : {farOut, unterminated}) {
        std::vector<uint32_t> textRows = {b, unreadable, a};
        ASSERT_TRUE(SortRowOffsets(textRows.data(), textRows.size(), texts.Source(0, true), false));
        EXPECT_EQ(textRows, (std::vector<uint32_t>{unreadable, a, b}));
    }
}

TEST(RowSortKeys, MissingTableOrArrayGetsDefinedAnswers) {
    SortSource noTable;  // every key reads as 0: all equal, rotated left by one
    std::vector<uint32_t> rows = {8, 4, 0};
    ASSERT_TRUE(SortRowOffsets(rows.data(), rows.size(), noTable, false));
    EXPECT_EQ(rows, (std::vector<uint32_t>{4, 0, 8}));

    EXPECT_FALSE(SortRowOffsets(nullptr, 2, noTable, false));
    EXPECT_TRUE(SortRowOffsets(nullptr, 0, noTable, false));
    uint32_t one = 12;
    EXPECT_TRUE(SortRowOffsets(&one, 1, noTable, false));
    EXPECT_EQ(one, 12u);
    EXPECT_FALSE(SortRowOffsets(rows.data(), kMaxSortRows + size_t{1}, noTable, false));

    // The order as positions: the same rotation; null arrays and too many rows are refused.
    std::vector<uint32_t> positions(3, 99);
    const std::vector<uint32_t> offsets = {8, 4, 0};
    ASSERT_TRUE(SortRowPositions(offsets.data(), 3, noTable, false, positions.data()));
    EXPECT_EQ(positions, (std::vector<uint32_t>{1, 2, 0}));
    ASSERT_TRUE(SortRowPositions(offsets.data(), 1, noTable, false, positions.data()));
    EXPECT_EQ(positions[0], 0u);
    EXPECT_FALSE(SortRowPositions(nullptr, 2, noTable, false, positions.data()));
    EXPECT_FALSE(SortRowPositions(offsets.data(), 2, noTable, false, nullptr));
    EXPECT_FALSE(SortRowPositions(offsets.data(), kMaxSortRows + size_t{1}, noTable, false,
                                  positions.data()));
}

// Every scratch request of a sort, made to fail in turn, leaves the offsets as they were.
void ExpectEveryScratchFailureChangesNothing(const RankSortTuning& tuning) {
    SortTestGrid grid(2);
    for (uint32_t i = 0; i < 500; ++i) {
        grid.AddRow({0, (i * 7919u) % 37u + (i % 2 == 0 ? 0u : 1000u)});
    }
    const SortSource source = grid.Source(1, false);
    std::vector<uint32_t> sorted = grid.Rows();
    const uint32_t before = SortScratchFaults::RequestCount();
    ASSERT_TRUE(SortRowOffsets(sorted.data(), sorted.size(), source, false, tuning));
    const uint32_t requests = SortScratchFaults::RequestCount() - before;
    ASSERT_GE(requests, 3u);
    ASSERT_NE(sorted, grid.Rows());
    for (uint32_t nth = 1; nth <= requests; ++nth) {
        std::vector<uint32_t> rows = grid.Rows();
        SortScratchFaults::FailNthRequest(nth);
        EXPECT_FALSE(SortRowOffsets(rows.data(), rows.size(), source, false, tuning)) << nth;
        EXPECT_EQ(rows, grid.Rows()) << nth;
    }
    SortScratchFaults::FailNthRequest(0);
    std::vector<uint32_t> again = grid.Rows();
    ASSERT_TRUE(SortRowOffsets(again.data(), again.size(), source, false, tuning));
    EXPECT_EQ(again, sorted);
}

TEST(RowSortScratch, FailedScratchRequestsLeaveOffsetsUntouched) {
    ExpectEveryScratchFailureChangesNothing(RankSortTuning{});
    RankSortTuning tree;
    tree.lopsidedBudget = 0;
    tree.fewSpread = 0;
    tree.useRunShapes = false;
    tree.useDistinctRanges = false;
    ExpectEveryScratchFailureChangesNothing(tree);
}

}  // namespace
}  // namespace vorlane::sorttest

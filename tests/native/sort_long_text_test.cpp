// Text keys that reach past the first eight bytes, or eight units in two words of four, which
// the sort compares as numbers before it looks at the next ones (and past those): texts that agree
// there and differ (or differ only in letter case) after, texts ending just before, at or after a
// boundary, and bytes above ASCII (units beyond it, surrogates included) on either side.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "sort_reference.h"
#include "sort_test_grid.h"
#include "store/row_sort.h"
#include "wide_text.h"

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
    static const char* const kStems[] = {"", "a", "abcdefg", "abcdefgh", "abcdefgi", "abcdefg_",
                                         "abcdefg\x80", "abcdefghij", "abcdefgz", "zzzzzzzz",
                                         "abcdefgh\xff",
                                         // agreeing past a second and a third eight bytes
                                         "abcdefghijklmnop", "abcdefghijklmnoq",
                                         "abcdefghijklmnopqrstuvwx", "abcdefghijklmnopqrstuvwy"};
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

// A stem near the four-unit boundary between prefix words or the eight-unit end of the prefix,
// and a short tail, each letter in either case.
std::u16string LongishWideText(std::mt19937& rng) {
    static const char16_t* const kStems[] = {
        u"", u"a", u"abc", u"abcd", u"abce", u"abc\u00E9", u"abc\u00C9", u"abcdef", u"abcdefg",
        u"abcdefgh", u"abcdefgz", u"abcdefg\u00E9", u"abcdefghi", u"abc\U0001F600", u"abcd\xFFFF",
        u"\u03B1\u03B2\u03B3\u03B4\u03B1\u03B2\u03B3",
        // agreeing past a second eight units
        u"abcdefghiabcdefg", u"abcdefghiabcdefz"};
    static const char16_t* const kTails[] = {u"",       u"a",          u"\u00E9", u"\u0430",
                                             u"\u0410", u"\U0001F600", u"zz",     u"\xFFFF"};
    static const std::u16string kSmall = u"abcdefghiz\u00E9\u03B1\u03B2\u03B3\u03B4\u0430";
    static const std::u16string kCapitals = u"ABCDEFGHIZ\u00C9\u0391\u0392\u0393\u0394\u0410";
    std::u16string text = kStems[rng() % std::size(kStems)];
    text += kTails[rng() % std::size(kTails)];
    for (char16_t& c : text) {
        const size_t small = kSmall.find(c);
        if (small != std::u16string::npos && (rng() & 1)) {
            c = kCapitals[small];
        }
    }
    return text;
}

TEST(SortLongTexts, WideTextsMatchTheReferenceWhereTheyAgreeInTheirFirstFourOrEightUnits) {
    for (const uint16_t* fold :
         {widetext::TestFoldTable(), static_cast<const uint16_t*>(nullptr)}) {
        for (uint32_t seed = 1; seed <= 40; ++seed) {
            std::mt19937 rng(seed);
            const size_t n = 20 + rng() % 300;
            SortTestGrid grid(2);
            for (size_t i = 0; i < n; ++i) {
                grid.AddRow({0, grid.AddWideText(LongishWideText(rng))});
            }
            for (const bool descending : {false, true}) {
                const SortSource source = grid.Source(1, true, TextWidth::Utf16, fold);
                std::vector<uint32_t> expected = grid.Rows();
                ReferenceSort(source, descending).Sort(expected.data(), 0, static_cast<int>(n) - 1);
                std::vector<uint32_t> actual = grid.Rows();
                ASSERT_TRUE(SortRowOffsets(actual.data(), n, source, descending));
                ASSERT_EQ(actual, expected) << "seed " << seed << (descending ? " descending" : "")
                                            << (fold == nullptr ? " without a table" : "");
            }
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

// A typed prefix matches a text exactly when the text's first units compare equal to it as the
// sort compares texts: checked against the sort's own comparison on every pair of a small
// alphabet's texts, in both widths.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store/sort_keys.h"
#include "wide_text.h"

namespace vorlane {
namespace {

// Every text of up to three units drawn from `alphabet`, the empty one included.
std::vector<std::u16string> AllTexts(const std::u16string& alphabet) {
    std::vector<std::u16string> texts = {u""};
    for (size_t start = 0; texts[start].size() < 3; ++start) {
        for (char16_t unit : alphabet) {
            texts.push_back(texts[start] + unit);
        }
    }
    return texts;
}

std::string Bytes(const std::u16string& units) {
    return std::string(units.begin(), units.end());
}

TEST(TextPrefix, MatchesExactlyWhereTheSortFindsTheTextsFirstUnitsEqual) {
    const uint16_t* fold = widetext::TestFoldTable();
    // Letters of both cases, a digit, a byte above 0x7F and, for wide texts, e acute and E
    // acute (which only the folding table makes equal).
    const std::vector<std::u16string> byteTexts = AllTexts(u"aAb1\u00e9");
    const std::vector<std::u16string> wideTexts = AllTexts(u"aAb\u00e9\u00c9");
    size_t byteMatches = 0;
    size_t wideMatches = 0;
    for (const auto& text : byteTexts) {
        for (const auto& prefix : byteTexts) {
            const std::string t = Bytes(text);
            const std::string p = Bytes(prefix);
            const std::string head = t.substr(0, p.size());
            const bool expected =
                t.size() >= p.size() &&
                CompareTextKeys(reinterpret_cast<const unsigned char*>(head.c_str()),
                                reinterpret_cast<const unsigned char*>(p.c_str())) == 0;
            const bool found =
                StartsWithTextKey(reinterpret_cast<const unsigned char*>(t.c_str()),
                                  reinterpret_cast<const unsigned char*>(p.c_str()), p.size());
            ASSERT_EQ(found, expected) << t << " / " << p;
            byteMatches += found ? 1 : 0;
        }
    }
    for (const auto& text : wideTexts) {
        for (const auto& prefix : wideTexts) {
            const std::u16string head = text.substr(0, prefix.size());
            const bool expected = text.size() >= prefix.size() &&
                                  CompareWideTextKeys(head.c_str(), prefix.c_str(), fold) == 0;
            ASSERT_EQ(StartsWithWideTextKey(text.c_str(), prefix.c_str(), prefix.size(), fold),
                      expected);
            wideMatches += expected ? 1 : 0;
        }
    }
    // Case folds: "A" begins "ab", and with the table, "\u00c9" begins "\u00e9a".
    EXPECT_TRUE(StartsWithTextKey(reinterpret_cast<const unsigned char*>("ab"),
                                  reinterpret_cast<const unsigned char*>("A"), 1));
    EXPECT_TRUE(StartsWithWideTextKey(u"\u00e9a", u"\u00c9", 1, fold));
    EXPECT_FALSE(StartsWithWideTextKey(u"\u00e9a", u"\u00c9", 1, nullptr));
    EXPECT_GT(byteMatches, byteTexts.size());  // more than the empty prefix's matches
    EXPECT_GT(wideMatches, wideTexts.size());
}

}  // namespace
}  // namespace vorlane

// The fast row sort must give exactly the order of the step-by-step quicksort, ties included,
// on every input shape and with every internal shortcut switched on or off.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "key_patterns.h"
#include "sort_reference.h"
#include "sort_test_grid.h"
#include "store/rank_partition.h"
#include "store/row_sort.h"
#include "wide_text.h"

namespace vorlane::sorttest {
namespace {

using Shape = testing_support::Pattern;

const Shape kShapes[] = {Shape::Random,       Shape::FewDistinct,   Shape::TwoValues,
                         Shape::Sorted,       Shape::Reversed,      Shape::AllEqual,
                         Shape::NearlySorted, Shape::OrganPipe,     Shape::Sawtooth,
                         Shape::Extremes,     Shape::MostlyDistinct};

// Key levels 0..levels-1 laid out in the given shape; the caller maps levels to keys.
std::vector<int64_t> MakeLevels(Shape shape, size_t n, std::mt19937& rng) {
    std::vector<int64_t> levels(n);
    const int64_t wide = 1 + static_cast<int64_t>(n) / 2;  // about two rows per key
    auto random = [&](int64_t count) {
        return static_cast<int64_t>(std::uniform_int_distribution<int64_t>(0, count - 1)(rng));
    };
    switch (shape) {
        case Shape::Random:
            for (auto& v : levels) {
                v = random(std::max<int64_t>(1, 4 * static_cast<int64_t>(n)));
            }
            break;
        case Shape::FewDistinct:
            for (auto& v : levels) {
                v = random(5);
            }
            break;
        case Shape::TwoValues:
            for (auto& v : levels) {
                v = random(2);
            }
            break;
        case Shape::Sorted:
        case Shape::Reversed:
            for (auto& v : levels) {
                v = random(wide);
            }
            std::sort(levels.begin(), levels.end());
            if (shape == Shape::Reversed) {
                std::reverse(levels.begin(), levels.end());
            }
            break;
        case Shape::AllEqual: std::fill(levels.begin(), levels.end(), 3); break;
        case Shape::NearlySorted:
            for (size_t i = 0; i < n; ++i) {
                levels[i] = static_cast<int64_t>(i / 2);
            }
            for (size_t k = 0; k < n / 20 + 1 && n > 1; ++k) {
                std::swap(levels[random(static_cast<int64_t>(n))],
                          levels[random(static_cast<int64_t>(n))]);
            }
            break;
        case Shape::OrganPipe:
            for (size_t i = 0; i < n; ++i) {
                levels[i] = static_cast<int64_t>(std::min(i, n - 1 - i) / 2);
            }
            break;
        case Shape::Sawtooth:
            for (size_t i = 0; i < n; ++i) {
                levels[i] = static_cast<int64_t>(i % 7);
            }
            break;
        case Shape::Extremes:
            for (auto& v : levels) {
                v = random(5);
            }
            break;
        case Shape::MostlyDistinct:
            // A shuffled run of distinct keys with a few of them doubled, as random full-range
            // keys are: long ranges stay free of equal keys.
            for (size_t i = 0; i < n; ++i) {
                levels[i] = static_cast<int64_t>(i);
            }
            std::shuffle(levels.begin(), levels.end(), rng);
            for (int k = 0; k < 3 && n > 1; ++k) {
                levels[random(static_cast<int64_t>(n))] = levels[random(static_cast<int64_t>(n))];
            }
            break;
    }
    return levels;
}

int32_t LevelToNumber(Shape shape, int64_t level) {
    if (shape == Shape::Extremes) {
        static const int32_t extremes[] = {INT32_MIN, -1, 0, 1, INT32_MAX};
        return extremes[level];
    }
    // Spread around zero so that negative and positive keys mix.
    return static_cast<int32_t>(level * 977 - 50000);
}

// Texts in the same order as their levels: six base-7 digits, most significant first, from an
// alphabet in ascending folded order, with trailing lowest digits dropped (so level 0 is the
// empty text and shorter texts are prefixes that sort first). Letters come in either case, so
// equal keys differ in bytes; '_' sits above the letters and 0x80, 0xFF above ASCII.
std::string LevelToText(int64_t level, std::mt19937& rng) {
    static const char kDigits[] = {'0', 'a', 'M', 'z', '_', '\x80', '\xff'};
    std::string text(6, '0');
    for (int k = 5; k >= 0; --k) {
        text[k] = kDigits[level % 7];
        level /= 7;
    }
    while (!text.empty() && text.back() == '0') {
        text.pop_back();
    }
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z' && (rng() & 1)) {
            c = static_cast<char>(c + 0x20);
        } else if (c >= 'a' && c <= 'z' && (rng() & 1)) {
            c = static_cast<char>(c - 0x20);
        }
    }
    return text;
}

// Wide texts in the same order as their levels, built as LevelToText builds them in base 8 from
// units in ascending folded order: letters folding beyond ASCII in either case, a lone high
// surrogate and the largest unit.
std::u16string LevelToWideText(int64_t level, std::mt19937& rng) {
    static const char16_t kDigits[] = {u'0',      u'a',      u'_',   u'\u00E9',
                                       u'\u03B1', u'\u0430', 0xD83D, 0xFFFF};
    static const std::u16string kSmall = u"a\u00E9\u03B1\u0430";
    static const std::u16string kCapitals = u"A\u00C9\u0391\u0410";
    std::u16string text(6, u'0');
    for (int k = 5; k >= 0; --k) {
        text[k] = kDigits[level % 8];
        level /= 8;
    }
    while (!text.empty() && text.back() == u'0') {
        text.pop_back();
    }
    for (char16_t& c : text) {
        const size_t small = kSmall.find(c);
        if (small != std::u16string::npos && (rng() & 1)) {
            c = kCapitals[small];
        }
    }
    return text;
}

enum class KeyKind { Number, Bytes, Wide };

struct Tuned {
    const char* name;
    RankSortTuning tuning;
};

std::vector<Tuned> Tunings() {
    std::vector<Tuned> all;
    all.push_back({"default", RankSortTuning{}});
    RankSortTuning tree;
    tree.smallRange = 1;
    tree.fewSpread = 0;
    tree.lopsidedBudget = 0;
    tree.useRunShapes = false;
    tree.useDistinctRanges = false;
    all.push_back({"tree only", tree});
    RankSortTuning few = tree;
    few.fewSpread = UINT32_MAX;
    all.push_back({"value counts only", few});
    RankSortTuning shapes = tree;
    shapes.lopsidedBudget = 1 << 20;
    shapes.useRunShapes = true;
    shapes.useDistinctRanges = true;
    shapes.sharedCheckLimit = SIZE_MAX;
    all.push_back({"plain scans with shapes", shapes});
    RankSortTuning mixed;
    mixed.smallRange = 3;
    mixed.fewSpread = 4;
    mixed.lopsidedBudget = 1;
    mixed.sharedCheckLimit = 2;
    all.push_back({"early tree, narrow counts", mixed});
    return all;
}

// Builds a grid whose column 1 holds numbers, column 2 texts and column 3 wide texts for the
// given levels, and checks every key kind in both directions against the reference, for every
// tuning.
void CheckAgainstReference(Shape shape, size_t n, uint32_t seed) {
    std::mt19937 rng(seed);
    std::mt19937 wideRng(~seed);
    const std::vector<int64_t> levels = MakeLevels(shape, n, rng);
    SortTestGrid grid(4);
    for (int64_t level : levels) {
        const uint32_t text = grid.AddText(LevelToText(level, rng));
        const bool noText = level == 0 && (rng() & 1);
        const uint32_t wide = grid.AddWideText(LevelToWideText(level, wideRng));
        grid.AddRow({0, static_cast<uint32_t>(LevelToNumber(shape, level)), noText ? 0u : text,
                     noText ? 0u : wide});
    }
    static const std::vector<Tuned> tunings = Tunings();
    for (const KeyKind key : {KeyKind::Number, KeyKind::Bytes, KeyKind::Wide}) {
        for (const bool descending : {false, true}) {
            const SortSource source =
                key == KeyKind::Number ? grid.Source(1, false)
                : key == KeyKind::Bytes
                    ? grid.Source(2, true)
                    : grid.Source(3, true, TextWidth::Utf16, widetext::TestFoldTable());
            std::vector<uint32_t> expected = grid.Rows();
            ReferenceSort reference(source, descending);
            reference.Sort(expected.data(), 0, static_cast<int>(n) - 1);
            ASSERT_TRUE(reference.MetWhereExpected());
            for (const Tuned& tuned : tunings) {
                std::vector<uint32_t> actual = grid.Rows();
                ASSERT_TRUE(SortRowOffsets(actual.data(), n, source, descending, tuned.tuning));
                ASSERT_EQ(actual, expected)
                    << "shape " << static_cast<int>(shape) << " n " << n << " seed " << seed
                    << " key kind " << static_cast<int>(key) << (descending ? " descending" : "")
                    << " tuning " << tuned.name;
            }
        }
    }
}

TEST(SortOrder, MatchesReferenceOnEveryShapeForShortLists) {
    uint32_t seed = 1;
    for (Shape shape : kShapes) {
        for (size_t n = 0; n <= 40; ++n) {
            CheckAgainstReference(shape, n, seed++);
        }
    }
}

TEST(SortOrder, MatchesReferenceOnEveryShapeForLongLists) {
    std::mt19937 sizes(20240611);
    uint32_t seed = 1000;
    for (Shape shape : kShapes) {
        CheckAgainstReference(shape, 1500 + sizes() % 201, seed++);
        CheckAgainstReference(shape, 41 + sizes() % 600, seed++);
    }
}

TEST(SortOrder, MatchesReferenceOnRandomLevelMixes) {
    // Random key counts between all-equal and all-distinct, where shortcuts and plain
    // partitions hand ranges to one another.
    std::mt19937 rng(77);
    for (int round = 0; round < 120; ++round) {
        const size_t n = 2 + rng() % 300;
        const size_t keys = 1 + rng() % n;
        SortTestGrid grid(2);
        for (size_t i = 0; i < n; ++i) {
            grid.AddRow({0, static_cast<uint32_t>(rng() % keys)});
        }
        for (const bool descending : {false, true}) {
            const SortSource source = grid.Source(1, false);
            std::vector<uint32_t> expected = grid.Rows();
            ReferenceSort(source, descending).Sort(expected.data(), 0, static_cast<int>(n) - 1);
            for (const Tuned& tuned : Tunings()) {
                std::vector<uint32_t> actual = grid.Rows();
                ASSERT_TRUE(SortRowOffsets(actual.data(), n, source, descending, tuned.tuning));
                ASSERT_EQ(actual, expected) << "round " << round << " tuning " << tuned.name;
            }
        }
    }
}

// A partition a block at a time must leave every item where the scans item by item leave it:
// sizes around the block boundaries, pivots from the smallest code to the largest, and spreads
// from all equal to all distinct, so that either side's blocks run out first.
TEST(SortOrder, BlockPartitionMatchesTheScans) {
    std::mt19937 rng(31);
    for (const size_t n : {2, 3, 200, 256, 257, 258, 385, 386, 512, 640, 1000, 4099}) {
        for (const uint32_t spread : {1u, 2u, 3u, 17u, 1000u, 1u << 30}) {
            for (int round = 0; round < 8; ++round) {
                std::vector<uint64_t> items(n);
                for (size_t k = 0; k < n; ++k) {
                    items[k] = MakeSortItem(static_cast<uint32_t>(rng() % spread),
                                            static_cast<uint32_t>(k));
                }
                // Pivots at the ends of the range make the most lopsided splits.
                const uint32_t lowest = RankCode(*std::min_element(items.begin(), items.end()));
                const uint32_t highest = RankCode(*std::max_element(items.begin(), items.end()));
                const uint32_t pivots[] = {lowest, highest, RankCode(items[0])};
                items[0] = MakeSortItem(pivots[round % 3], 0);
                std::vector<uint64_t> byScans = items;
                const size_t expected = FinishScans(byScans.data(), 0, 0, n, 1, n);
                const size_t actual = PartitionByBlocks(items.data(), 0, n);
                ASSERT_EQ(actual, expected) << "n " << n << " spread " << spread;
                ASSERT_EQ(items, byScans) << "n " << n << " spread " << spread;
            }
        }
    }
}

TEST(SortOrder, LongListsOfQuadraticShapesSortQuickly) {
    // The step-by-step procedure needs about n^2/2 comparisons on these: some 450 million here,
    // a minute under the sanitizers. The fast sort needs well under a second.
    const size_t n = 30000;
    std::mt19937 rng(9);
    for (Shape shape : {Shape::Sorted, Shape::Reversed, Shape::AllEqual, Shape::TwoValues,
                        Shape::NearlySorted, Shape::OrganPipe}) {
        const std::vector<int64_t> levels = MakeLevels(shape, n, rng);
        SortTestGrid grid(1);
        for (int64_t level : levels) {
            grid.AddRow({static_cast<uint32_t>(level)});
        }
        for (const bool descending : {false, true}) {
            std::vector<uint32_t> rows = grid.Rows();
            const auto start = std::chrono::steady_clock::now();
            ASSERT_TRUE(SortRowOffsets(rows.data(), n, grid.Source(0, false), descending));
            const double seconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            EXPECT_LT(seconds, 5.0) << "shape " << static_cast<int>(shape);
            const bool inOrder =
                std::is_sorted(rows.begin(), rows.end(), [&](uint32_t x, uint32_t y) {
                    return descending ? levels[x / 4] > levels[y / 4]
                                      : levels[x / 4] < levels[y / 4];
                });
            EXPECT_TRUE(inOrder) << "shape " << static_cast<int>(shape);
            std::sort(rows.begin(), rows.end());
            EXPECT_EQ(rows, grid.Rows());
        }
    }
}

}  // namespace
}  // namespace vorlane::sorttest

// Stores of a Unicode grid: cell texts and labels held as UTF-16 units, 2-byte aligned in their
// pools, counted and cut in units, and never cut inside a surrogate pair.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store/grid_store.h"
#include "store_checks.h"
#include "wide_text.h"

namespace vorlane {
namespace {

constexpr uint32_t kStep = GrowBlock::kStep;

intptr_t Text(const char16_t* text) {
    return reinterpret_cast<intptr_t>(text);
}

// Name (text, titled), Size (number, masked) and Kind (plain value).
void AddNameSizeKind(GridStore& store) {
    ColumnDescriptor name;
    name.width = 100;
    name.title = u"Nom \U0001F4C1";
    ColumnDescriptor size;
    size.cellKind = kCellNumber;
    size.mask = u"\u00A7###";
    ColumnDescriptor kind;
    kind.cellKind = 2;
    store.AddColumn(name);
    store.AddColumn(size);
    store.AddColumn(kind);
}

std::u16string TextAt(const GridStore& store, uint32_t rowOffset) {
    char16_t buffer[64];
    EXPECT_TRUE(store.ReadCell(rowOffset, 0, buffer, 64));
    return buffer;
}

TEST(WideStringPool, StringsStartAfterOneZeroUnitAtEvenOffsets) {
    StringPool pool(TextWidth::Utf16);
    EXPECT_EQ(std::u16string(pool.WideStringAt(0)), u"") << "absent pool";
    EXPECT_EQ(pool.AppendString(u"h\u00E9llo"), 2u);
    EXPECT_EQ(pool.AppendString(u"x"), 14u);
    EXPECT_EQ(pool.AppendString(nullptr), 18u) << "null is stored as the empty text";
    EXPECT_EQ(pool.used(), 20u);
    EXPECT_EQ(pool.StoredSize(u"abc"), 8u);
    EXPECT_EQ(std::u16string(pool.WideStringAt(2)), u"h\u00E9llo");
    EXPECT_EQ(std::u16string(pool.WideStringAt(14)), u"x");
    EXPECT_EQ(std::u16string(pool.WideStringAt(3)), u"") << "no string starts inside a unit";
    EXPECT_EQ(std::u16string(pool.WideStringAt(20)), u"") << "beyond used";
    EXPECT_STREQ(pool.StringAt(2), "") << "a wide pool has no byte strings";
    StringPool bytes;
    bytes.AppendString("abc");
    EXPECT_EQ(std::u16string(bytes.WideStringAt(1)), u"") << "nor a byte pool wide ones";

    // A text from the pool itself survives the growth its copy causes.
    const std::u16string filler((kStep - pool.used()) / 2 - 4, u'f');
    const uint32_t offset = *pool.AppendString(filler.c_str());
    const std::optional<uint32_t> copy = pool.AppendString(pool.WideStringAt(offset));
    ASSERT_TRUE(copy);
    EXPECT_EQ(pool.capacity(), 2 * kStep);
    EXPECT_EQ(*copy % 2, 0u);
    EXPECT_EQ(std::u16string(pool.WideStringAt(*copy)), filler);
    testing::ExpectPoolInvariants(pool);
}

TEST(WideStringPool, CutsCountUnitsAndNeverSplitAPair) {
    const std::u16string pair = u"ab\U0001F600cd";  // a, b, a surrogate pair, c, d
    const struct {
        std::u16string text;
        uint32_t units;  // destination size
        std::u16string read;
    } cases[] = {
        {u"abcdef", 4, u"abc"},
        {pair, 3, u"ab"},
        {pair, 4, u"ab"},  // the pair's high half would stand last: it goes too
        {pair, 5, u"ab\U0001F600"},
        {pair, 7, pair},
        {u"\U0001F600", 2, u""},
        {u"ab\xD83D", 4, u"ab\xD83D"},  // a lone high surrogate that ends the text is no cut
        {u"abc", 1, u""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(&c - cases) + ": " + std::to_string(c.units) + " units");
        StringPool pool(TextWidth::Utf16);
        GridStore store(TextWidth::Utf16);
        ColumnDescriptor name;
        name.title = c.text.c_str();
        store.AddColumn(name);
        store.AddColumn(ColumnDescriptor{});
        const intptr_t row[] = {Text(c.text.c_str()), 0};
        ASSERT_TRUE(store.AppendRow(row));
        // Pool, cell and title reads all cut alike, writing nothing past the units given.
        for (int path = 0; path < 3; ++path) {
            std::u16string buffer(16, u'?');
            if (path == 0) {
                EXPECT_EQ(
                    pool.ReadString(*pool.AppendString(c.text.c_str()), buffer.data(), c.units),
                    c.read.size());
            } else if (path == 1) {
                ASSERT_TRUE(store.ReadCell(0, 0, buffer.data(), c.units));
            } else {
                ASSERT_TRUE(store.columns().GetTitle(0, buffer.data(), c.units));
            }
            EXPECT_EQ(std::u16string(buffer.c_str()), c.read) << "path " << path;
            EXPECT_EQ(buffer.substr(c.read.size() + 1), std::u16string(15 - c.read.size(), u'?'))
                << "path " << path;
        }
    }
    char16_t untouched = u'!';
    StringPool pool(TextWidth::Utf16);
    EXPECT_EQ(pool.ReadString(*pool.AppendString(u"abc"), &untouched, 0), 0u);
    EXPECT_EQ(untouched, u'!');
}

TEST(WideGridStore, RowsCellsAndLabelsHoldUnits) {
    GridStore store(TextWidth::Utf16);
    AddNameSizeKind(store);
    EXPECT_EQ(store.textWidth(), TextWidth::Utf16);
    const intptr_t first[] = {Text(u"r\u00E9sum\u00E9"), 42, 1};
    const intptr_t batch[] = {0, 7, 0, Text(u"\u03B1\u03B2"), 8, 2};
    EXPECT_EQ(store.AppendRow(first), 0u);
    EXPECT_EQ(store.AppendRows(batch, 2), 12u);
    EXPECT_EQ(store.RowCount(), 3u);
    EXPECT_EQ(store.FilledRowCount(), 2u);
    EXPECT_EQ(store.pool().used(), 2u + 14u + 2u + 6u) << "résumé, the empty text, αβ";
    EXPECT_EQ(TextAt(store, 0), u"r\u00E9sum\u00E9");
    EXPECT_EQ(TextAt(store, 24), u"\u03B1\u03B2");

    // A value needs four bytes: two units.
    uint32_t value = 0xAAAA;
    EXPECT_FALSE(store.ReadCell(0, 1, &value, 1));
    EXPECT_EQ(value, 0xAAAAu);
    EXPECT_TRUE(store.ReadCell(0, 1, &value, 2));
    EXPECT_EQ(value, 42u);

    // Rewrites measure in units: a shorter text stays, a longer one moves, null clears.
    const uint32_t slot = store.table().ReadSlot(0);
    ASSERT_TRUE(store.WriteCell(0, 0, u"cv"));
    EXPECT_EQ(store.table().ReadSlot(0), slot);
    ASSERT_TRUE(store.WriteCell(0, 0, u"curriculum vit\u00E6"));
    EXPECT_EQ(store.table().ReadSlot(0), store.pool().used() - 32u);
    EXPECT_EQ(TextAt(store, 0), u"curriculum vit\u00E6");
    ASSERT_TRUE(store.WriteCell(0, 0, nullptr));
    EXPECT_EQ(store.table().ReadSlot(0), 0u);
    testing::ExpectPoolInvariants(store.pool());

    // Labels are wide too, and served only to readers of their width.
    char16_t title[16];
    ASSERT_TRUE(store.columns().GetTitle(0, title, 16));
    EXPECT_EQ(std::u16string(title), u"Nom \U0001F4C1");
    ASSERT_TRUE(store.SetColumnTitle(0, u"Name"));
    ASSERT_TRUE(store.columns().GetTitle(0, title, 16));
    EXPECT_EQ(std::u16string(title), u"Name");
    ASSERT_NE(store.columns().WideMaskText(1), nullptr);
    EXPECT_EQ(std::u16string(store.columns().WideMaskText(1)), u"\u00A7###");
    EXPECT_EQ(store.columns().MaskText(1), nullptr);
    EXPECT_EQ(store.columns().WideMaskText(0), nullptr);
    testing::ExpectPoolInvariants(store.columns().labels());
    ColumnSet bytes;
    ColumnDescriptor masked;
    masked.mask = "###";
    bytes.Add(masked);
    EXPECT_EQ(bytes.WideMaskText(0), nullptr);

    ASSERT_TRUE(store.ClearRows());
    EXPECT_EQ(store.AppendRow(first), 0u);
    EXPECT_EQ(store.pool().used(), 16u) << "the new pool starts after one zero unit again";
}

TEST(WideGridStore, FoldTableIsCheckedAndReachesTheSortSource) {
    GridStore store(TextWidth::Utf16);
    AddNameSizeKind(store);
    const uint16_t* fold = widetext::TestFoldTable();
    std::vector<uint16_t> foldsXToZero(fold, fold + 0x10000);
    foldsXToZero[u'x'] = 0;
    std::vector<uint16_t> foldsZeroToA(fold, fold + 0x10000);
    foldsZeroToA[0] = u'A';
    ASSERT_TRUE(store.SetFoldTable(fold));
    EXPECT_FALSE(store.SetFoldTable(foldsXToZero.data()));
    EXPECT_FALSE(store.SetFoldTable(foldsZeroToA.data()));

    const SortSource text = store.KeySource(0);
    EXPECT_TRUE(text.textKeys);
    EXPECT_EQ(text.textWidth, TextWidth::Utf16);
    EXPECT_EQ(text.fold, fold) << "a refused table leaves the one before";
    EXPECT_EQ(text.pool, store.PoolBytes());
    EXPECT_EQ(text.keyColumn, 0u);
    EXPECT_FALSE(store.KeySource(1).textKeys);
    ASSERT_TRUE(store.SetFoldTable(nullptr));
    EXPECT_EQ(store.KeySource(0).fold, nullptr);
    EXPECT_EQ(GridStore().KeySource(0).textWidth, TextWidth::Bytes);
}

}  // namespace
}  // namespace vorlane

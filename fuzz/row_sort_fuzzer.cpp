// The fast row sort against the literal quicksort on arbitrary keys: both must leave the rows
// in the same order, ties included. Text keys are sorted once as bytes and once as wide texts.
#include <cstring>
#include <string>
#include <vector>

#include "../tests/native/sort_reference.h"
#include "../tests/native/sort_test_grid.h"
#include "../tests/native/wide_text.h"
#include "fuzz_input.h"
#include "store/row_sort.h"

using vorlane::fuzz::FuzzInput;

namespace {

// Sorts the grid's rows by column 1 both ways and stops the run when they differ.
void CompareSorts(const vorlane::sorttest::SortTestGrid& grid, const vorlane::SortSource& source,
                  bool descending) {
    std::vector<uint32_t> fast = grid.Rows();
    std::vector<uint32_t> literal = grid.Rows();
    if (!vorlane::SortRowOffsets(fast.data(), fast.size(), source, descending)) {
        return;
    }
    vorlane::sorttest::ReferenceSort reference(source, descending);
    if (!literal.empty()) {
        reference.Sort(literal.data(), 0, static_cast<int>(literal.size()) - 1);
    }
    vorlane::fuzz::Check(fast == literal);
}

// The byte text as a wide key: ASCII stays, and each byte above it stands for a unit beyond
// ASCII (letters the test table folds, a surrogate pair or half, the largest unit) or for the
// unit of its own value.
std::u16string WideKey(const std::string& text) {
    static const char16_t* const kUnits[] = {u"\u00E9", u"\u00C9",     u"\u03B1", u"\u0391",
                                             u"\u0430", u"\u0410",     u"\xD83D", u"\xDE00",
                                             u"\xFFFF", u"\U0001F600", u"\u0100", u"\u8000"};
    std::u16string key;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            key.push_back(byte);
        } else if (byte % 2 == 0) {
            key += kUnits[(byte / 2) % std::size(kUnits)];
        } else {
            key.push_back(static_cast<char16_t>(byte << 8 | byte));
        }
    }
    return key;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    const bool textKeys = in.Byte() % 2 == 1;
    const uint8_t direction = in.Byte();
    const bool descending = direction % 2 == 1;
    const uint32_t distinct = 1 + in.Below(40);
    const uint32_t rows = in.Below(300);
    vorlane::sorttest::SortTestGrid grid(2);
    vorlane::sorttest::SortTestGrid wide(2);
    std::vector<uint32_t> texts;
    std::vector<uint32_t> wideTexts;
    if (textKeys) {
        for (uint32_t i = 0; i < distinct; ++i) {
            const std::string text = in.Text(6);
            texts.push_back(grid.AddText(text));
            wideTexts.push_back(wide.AddWideText(WideKey(text)));
        }
    }
    for (uint32_t r = 0; r < rows; ++r) {
        const uint32_t pick = in.Below(distinct);
        grid.AddRow({0, textKeys ? texts[pick] : pick * 0x9E3779B9u});
        if (textKeys) {
            wide.AddRow({0, wideTexts[pick]});
        }
    }
    CompareSorts(grid, grid.Source(1, textKeys), descending);
    if (!textKeys) {
        return 0;
    }
    // The same rows with wide keys, folded through the test table or, without one, only a-z.
    const uint16_t* fold = direction & 2 ? nullptr : vorlane::widetext::TestFoldTable();
    CompareSorts(wide, wide.Source(1, true, vorlane::TextWidth::Utf16, fold), descending);
    return 0;
}

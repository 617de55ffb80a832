// The fast row sort against the literal quicksort on arbitrary keys: both must leave the rows
// in the same order, ties included.
#include <cstring>
#include <vector>

#include "../tests/native/sort_reference.h"
#include "../tests/native/sort_test_grid.h"
#include "fuzz_input.h"
#include "store/row_sort.h"

using vorlane::fuzz::FuzzInput;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    const bool textKeys = in.Byte() % 2 == 1;
    const bool descending = in.Byte() % 2 == 1;
    const uint32_t distinct = 1 + in.Below(40);
    const uint32_t rows = in.Below(300);
    vorlane::sorttest::SortTestGrid grid(2);
    std::vector<uint32_t> texts;
    if (textKeys) {
        for (uint32_t i = 0; i < distinct; ++i) {
            texts.push_back(grid.AddText(in.Text(6)));
        }
    }
    for (uint32_t r = 0; r < rows; ++r) {
        uint32_t key = textKeys ? texts[in.Below(distinct)] : in.Below(distinct) * 0x9E3779B9u;
        grid.AddRow({0, key});
    }
    vorlane::SortSource source = grid.Source(1, textKeys);
    std::vector<uint32_t> fast = grid.Rows();
    std::vector<uint32_t> literal = grid.Rows();
    if (!vorlane::SortRowOffsets(fast.data(), fast.size(), source, descending)) {
        return 0;
    }
    vorlane::sorttest::ReferenceSort reference(source, descending);
    if (!literal.empty()) {
        reference.Sort(literal.data(), 0, static_cast<int>(literal.size()) - 1);
    }
    if (fast != literal) {
        __builtin_trap();
    }
    return 0;
}

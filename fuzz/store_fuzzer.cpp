// Random sequences of column, row and cell operations against the data store, checked against
// a plain model: every cell reads back the last value written, counts follow the appends, and
// nothing is read or written outside the blocks (AddressSanitizer). Each input runs twice: on a
// store of bytes and on a store of UTF-16 units.
#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "fuzz_input.h"
#include "store/grid_store.h"

using vorlane::ColumnDescriptor;
using vorlane::GridStore;
using vorlane::TextWidth;
using vorlane::fuzz::Check;
using vorlane::fuzz::FuzzInput;

namespace {

template <class Unit>
using Text = std::basic_string<Unit>;

template <class Unit>
struct ModelCell {
    bool text = false;
    Text<Unit> value;     // text cells
    uint32_t number = 0;  // other cells
};

template <class Unit>
Text<Unit> NextText(FuzzInput& in, size_t maxLength) {
    if constexpr (sizeof(Unit) == 1) {
        return in.Text(maxLength);
    } else {
        return in.WideText(maxLength);
    }
}

// What a read into `units` units gives: the text cut to leave room for the NUL, less a high
// surrogate the cut would leave last.
template <class Unit>
Text<Unit> Cut(const Text<Unit>& text, uint32_t units) {
    Text<Unit> kept = text.substr(0, units - 1);
    if constexpr (sizeof(Unit) == 2) {
        if (kept.size() < text.size() && !kept.empty() && kept.back() >= 0xD800 &&
            kept.back() <= 0xDBFF) {
            kept.pop_back();
        }
    }
    return kept;
}

template <class Unit>
void Run(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    GridStore store(sizeof(Unit) == 1 ? TextWidth::Bytes : TextWidth::Utf16);
    std::vector<int32_t> kinds;                                      // cellKind per column
    std::vector<uint32_t> rows;                                      // row offsets in order
    std::map<std::pair<uint32_t, uint32_t>, ModelCell<Unit>> cells;  // (row index, column)
    uint32_t filled = 0;

    while (!in.Empty()) {
        switch (in.Below(6)) {
            case 0: {  // add a column
                ColumnDescriptor column;
                column.width = static_cast<int32_t>(in.Word());
                column.cellKind = static_cast<int32_t>(in.Below(3));
                Text<Unit> title = NextText<Unit>(in, 40);
                column.title = in.Byte() % 2 ? title.c_str() : nullptr;
                column.editorKind = static_cast<int32_t>(in.Below(3));
                bool added = store.AddColumn(column).has_value();
                Check(added == (!store.HasRows() && kinds.size() < vorlane::kMaxColumns));
                if (added)
                    kinds.push_back(column.cellKind);
                break;
            }
            case 1: {  // append a row
                std::vector<Text<Unit>> texts(kinds.size());
                std::vector<intptr_t> values(kinds.size());
                for (size_t c = 0; c < kinds.size(); ++c) {
                    if (kinds[c] == 0) {
                        texts[c] = NextText<Unit>(in, 300);
                        values[c] =
                            in.Byte() % 4 == 0 ? 0 : reinterpret_cast<intptr_t>(texts[c].c_str());
                    } else {
                        values[c] = static_cast<intptr_t>(static_cast<int32_t>(in.Word()));
                    }
                }
                bool useNull = kinds.empty() || in.Byte() % 16 == 0;
                auto offset = store.AppendRow(useNull ? nullptr : values.data());
                Check(offset.has_value() == !kinds.empty());
                if (!offset)
                    break;
                uint32_t row = static_cast<uint32_t>(rows.size());
                rows.push_back(*offset);
                if (!useNull && values[0] != 0)
                    ++filled;
                for (size_t c = 0; c < kinds.size(); ++c) {
                    ModelCell<Unit>& cell = cells[{row, static_cast<uint32_t>(c)}];
                    cell.text = kinds[c] == 0;
                    cell.value = useNull || values[c] == 0 ? Text<Unit>() : texts[c];
                    cell.number = useNull ? 0 : static_cast<uint32_t>(values[c]);
                }
                break;
            }
            case 2: {  // write a cell
                if (rows.empty() || kinds.empty())
                    break;
                uint32_t row = in.Below(static_cast<uint32_t>(rows.size()));
                uint32_t column = in.Below(static_cast<uint32_t>(kinds.size()));
                ModelCell<Unit>& cell = cells[{row, column}];
                if (kinds[column] == 0) {
                    Text<Unit> text = NextText<Unit>(in, 300);
                    bool remove = in.Byte() % 8 == 0;
                    Check(store.WriteCell(rows[row], column, remove ? nullptr : text.c_str()));
                    cell.value = remove ? Text<Unit>() : text;
                } else {
                    uint32_t number = in.Word();
                    Check(store.WriteCell(rows[row], column, &number));
                    cell.number = number;
                }
                break;
            }
            case 3: {  // read every cell of a row, into a buffer of a random size in units
                if (rows.empty())
                    break;
                uint32_t row = in.Below(static_cast<uint32_t>(rows.size()));
                uint32_t capacity = 4 + in.Below(400);
                std::vector<Unit> buffer(capacity);
                for (uint32_t c = 0; c < kinds.size(); ++c) {
                    const ModelCell<Unit>& cell = cells[{row, c}];
                    Check(store.ReadCell(rows[row], c, buffer.data(), capacity));
                    if (cell.text) {
                        Check(Text<Unit>(buffer.data()) == Cut(cell.value, capacity));
                    } else {
                        uint32_t number;
                        std::memcpy(&number, buffer.data(), 4);
                        Check(number == cell.number);
                    }
                }
                break;
            }
            case 4: {  // names that are no cell
                Unit buffer[8] = {'k', 'e', 'e', 'p'};
                uint32_t offset = in.Word();
                uint32_t column = in.Word();
                bool real = store.IsRowOffset(offset) && column < kinds.size();
                if (!real) {
                    Check(!store.ReadCell(offset, column, buffer, 8));
                    Check(Text<Unit>(buffer) == Text<Unit>({'k', 'e', 'e', 'p'}));
                    uint32_t value = 1;
                    Check(!store.WriteCell(offset, column, &value));
                }
                break;
            }
            case 5: {  // clear the rows
                if (in.Byte() % 4 != 0)
                    break;
                store.ClearRows();
                rows.clear();
                cells.clear();
                filled = 0;
                break;
            }
        }
        Check(store.RowCount() == rows.size());
        Check(store.FilledRowCount() == filled);
        Check(store.table().used() <= store.table().capacity());
        Check(store.pool().used() <= store.pool().capacity());
        Check(store.pool().used() % sizeof(Unit) == 0);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Run<char>(data, size);
    Run<char16_t>(data, size);
    return 0;
}

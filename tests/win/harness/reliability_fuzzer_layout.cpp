// The fuzzer's actions on where the columns stand and show: the display order, hidden columns,
// fitting widths to the texts, the titles' sort arrows and hit testing, each with hostile
// parameters (null pointers, columns past the last and the kind column, huge counts and rooms,
// arrays with duplicates or missing columns, points anywhere) and checked where the answer is
// defined.
#include <algorithm>
#include <cstring>
#include <numeric>

#include "reliability_fuzzer.h"
#include "vorlane.h"

namespace testing_support {

namespace {

// A column number as wide as WPARAM goes: mostly one the step chose, sometimes the hostile
// edges, and on 64-bit now and then a value whose low 32 bits name a real column.
uint64_t WideColumn(Rng& rng, uint32_t column) {
    if (rng.Chance(10)) {
        return HostileValue(rng);
    }
    if (sizeof(WPARAM) == 8 && rng.Chance(10)) {
        return rng.Chance(50) ? ~uint64_t{0} : (uint64_t{1} << 32) | column;
    }
    return column;
}

}  // namespace

std::vector<UINT> MessageFuzzer::ReadOrder(uint64_t room) {
    const uint32_t count = model_.ColumnCount() - 1;
    const auto written = static_cast<size_t>(std::min<uint64_t>(room, count));
    std::vector<char> buffer(written * sizeof(UINT) + kGuardBytes, kGuard);
    const LRESULT answer =
        Send(grid_, GRM_GETCOLORDER, static_cast<WPARAM>(room),
             rng_.Chance(5) && written == 0 ? 0 : reinterpret_cast<LPARAM>(buffer.data()));
    if (static_cast<uint64_t>(answer) != count || !GuardIntact(buffer, written * sizeof(UINT))) {
        Fail("GRM_GETCOLORDER with room " + std::to_string(room) + " answered " +
             std::to_string(answer) + " or wrote past its room");
        return {};
    }
    std::vector<UINT> order(written);
    std::memcpy(order.data(), buffer.data(), written * sizeof(UINT));
    if (!std::equal(order.begin(), order.end(), model_.order.begin())) {
        Fail("GRM_GETCOLORDER is not the display order that was set");
    }
    return order;
}

void MessageFuzzer::ColumnOrder() {
    const uint32_t count = model_.ColumnCount() - 1;  // every column but the kind column
    if (rng_.Chance(35)) {
        const uint64_t room = rng_.Chance(70)   ? rng_.Below(count + 3)
                              : rng_.Chance(50) ? HostileValue(rng_)
                                                : WideColumn(rng_, count);
        if (rng_.Chance(10)) {
            if (static_cast<uint32_t>(Send(grid_, GRM_GETCOLORDER, static_cast<WPARAM>(room), 0)) !=
                count) {
                Fail("GRM_GETCOLORDER without a buffer did not answer the count");
            }
            return;
        }
        ReadOrder(room);
        return;
    }
    std::vector<UINT> order(count);
    std::iota(order.begin(), order.end(), 0u);
    for (uint32_t i = count; i > 1; --i) {
        std::swap(order[i - 1], order[rng_.Below(i)]);
    }
    switch (rng_.Below(10)) {
        case 0:  // a column twice, another missing
            order[rng_.Below(count)] = order[rng_.Below(count)];
            break;
        case 1:  // the kind column or one past the last in place of a column
            order[rng_.Below(count)] = rng_.Chance(50) ? count : HostileValue(rng_) | count;
            break;
        case 2: order.pop_back(); break;        // one column short
        case 3: order.push_back(count); break;  // the kind column added at the end
        default: break;
    }
    const bool null = rng_.Chance(5);
    uint64_t told = order.size();
    if (rng_.Chance(8)) {  // never more than the array holds, but huge past 32 bits
        static const uint64_t kWide = sizeof(WPARAM) == 8 ? uint64_t{1} << 32 : 0;
        const uint64_t choices[] = {uint64_t{HostileValue(rng_)} | 0x8000u, kWide | told,
                                    told == 0 ? 0 : told - 1};
        told = rng_.Pick(choices);
    }
    // Taken only when the count read names every column but the kind column once each.
    bool valid = !null && told == count;
    std::vector<bool> seen(count, false);
    for (uint32_t i = 0; valid && i < count; ++i) {
        valid = order[i] < count && !seen[order[i]];
        seen[order[i] % count] = true;
    }
    const LRESULT answer = Send(grid_, GRM_SETCOLORDER, static_cast<WPARAM>(told),
                                null ? 0 : reinterpret_cast<LPARAM>(order.data()));
    if (answer != (valid ? 1 : 0)) {
        Fail("GRM_SETCOLORDER answered " + std::to_string(answer) + " for " +
             (valid ? "a permutation" : "a wrong array"));
        return;
    }
    if (valid) {
        std::copy_n(order.begin(), count, model_.order.begin());
    }
    ReadOrder(count);
}

void MessageFuzzer::ColumnHidden() {
    const uint32_t count = model_.ColumnCount();
    const uint64_t column = WideColumn(rng_, rng_.Chance(10) ? count - 1 : AnyColumn());
    if (rng_.Chance(60)) {
        const bool hide = rng_.Chance(50);
        const LPARAM value =
            hide ? static_cast<LPARAM>(rng_.Chance(50) ? 1 : HostileValue(rng_) | 1) : 0;
        const LRESULT answer = Send(grid_, GRM_SETCOLHIDDEN, static_cast<WPARAM>(column), value);
        const bool taken = column + 1 < count && column < count;
        if (answer != (taken ? 1 : 0)) {
            Fail("GRM_SETCOLHIDDEN of column " + std::to_string(column) + " answered " +
                 std::to_string(answer));
            return;
        }
        if (taken) {
            model_.columns[column].hidden = hide;
        }
    }
    const LRESULT hidden = Send(grid_, GRM_GETCOLHIDDEN, static_cast<WPARAM>(column), 0);
    const LRESULT expected = column + 1 == count ? 1
                             : column < count    ? (model_.columns[column].hidden ? 1 : 0)
                                                 : 0;
    if (hidden != expected) {
        Fail("GRM_GETCOLHIDDEN of column " + std::to_string(column) + " answered " +
             std::to_string(hidden));
    }
}

void MessageFuzzer::AutoSizeColumn() {
    const uint32_t count = model_.ColumnCount();
    uint64_t column = WideColumn(rng_, rng_.Chance(10) ? count - 1 : AnyColumn());
    if (rng_.Chance(20)) {
        column = GRID_ALL_COLUMNS;
    }
    const LPARAM fit = rng_.Chance(80) ? static_cast<LPARAM>(rng_.Below(2))
                                       : static_cast<LPARAM>(HostileValue(rng_));
    std::vector<int32_t> before;
    for (const ModelColumn& each : model_.columns) {
        before.push_back(each.width);
    }
    const auto width =
        static_cast<int32_t>(Send(grid_, GRM_AUTOSIZECOLUMN, static_cast<WPARAM>(column), fit));
    ReadWidths();
    if (failed_) {
        return;
    }
    int32_t expected = 0;
    bool changes = true;
    if (column >= GRID_ALL_COLUMNS) {
        changes = false;  // until a shown column is found; the answer is the last one's width
        for (uint32_t position = 0; position + 1 < count; ++position) {
            if (!model_.columns[model_.order[position]].hidden) {
                expected = model_.columns[model_.order[position]].width;
                changes = true;
            }
        }
    } else if (column + 1 < count) {
        expected = model_.columns[column].width;
    } else {
        changes = false;
    }
    bool unchanged = true;
    for (uint32_t i = 0; i < count; ++i) {
        unchanged = unchanged && before[i] == model_.columns[i].width;
    }
    if (width != expected || (!changes && !unchanged)) {
        Fail("GRM_AUTOSIZECOLUMN of column " + std::to_string(column) + " answered " +
             std::to_string(width) + ", the width is " + std::to_string(expected) +
             (unchanged ? "" : " and widths changed"));
    }
}

void MessageFuzzer::SortArrow() {
    const uint32_t count = model_.ColumnCount();
    const uint64_t column = WideColumn(rng_, rng_.Chance(10) ? count - 1 : AnyColumn());
    const uint32_t arrow = rng_.Chance(75) ? rng_.Below(4) : HostileValue(rng_);
    const LRESULT state = Send(grid_, GRM_GETSORTSTATE, 0, 0);
    const LRESULT answer = Send(grid_, GRM_SETSORTARROW, static_cast<WPARAM>(column),
                                static_cast<LPARAM>(static_cast<int32_t>(arrow)));
    const LRESULT expected = column + 1 < count && column < count && arrow <= 2 ? 0 : 1;
    if (answer != expected || Send(grid_, GRM_GETSORTSTATE, 0, 0) != state) {
        Fail("GRM_SETSORTARROW of column " + std::to_string(column) + ", arrow " +
             std::to_string(arrow) + " answered " + std::to_string(answer) +
             " or changed the sort state");
    }
}

void MessageFuzzer::HitTest() {
    if (rng_.Chance(10)) {
        if (Send(grid_, GRM_HITTEST, rng_.Bits32(), 0) != GRID_HT_NOWHERE) {
            Fail("GRM_HITTEST without a record did not answer nowhere");
        }
        return;
    }
    RECT client;
    GetClientRect(grid_, &client);
    POINT point = {rng_.Between(-40, client.right + 40), rng_.Between(-40, client.bottom + 40)};
    if (rng_.Chance(15)) {
        point = {static_cast<LONG>(static_cast<int32_t>(HostileValue(rng_))),
                 static_cast<LONG>(static_cast<int32_t>(HostileValue(rng_)))};
    }
    GridHitTest hit = {point, 0xAAAAu, 0xBBBBu, 0xCCCCu};
    const LRESULT area = Send(grid_, GRM_HITTEST, rng_.Bits32(), reinterpret_cast<LPARAM>(&hit));
    const uint32_t count = model_.ColumnCount();
    const bool shown = hit.column < count - 1 && !model_.columns[hit.column].hidden;
    const bool noColumn = hit.column == 0xFFFFFFFFu;
    const bool noRow = hit.row == 0xFFFFFFFFu;
    bool right =
        static_cast<uint64_t>(area) == hit.area && hit.point.x == point.x && hit.point.y == point.y;
    switch (hit.area) {
        case GRID_HT_NOWHERE: right = right && noColumn && noRow; break;
        case GRID_HT_TITLE:
        case GRID_HT_COLUMNEDGE: right = right && shown && noRow; break;
        case GRID_HT_CELL: right = right && shown && hit.row < model_.RowCount(); break;
        case GRID_HT_BELOWROWS: right = right && (noColumn || shown) && noRow; break;
        default: right = false; break;
    }
    if (!PtInRect(&client, point)) {
        right = right && hit.area == GRID_HT_NOWHERE;
    }
    if (!right) {
        Fail("GRM_HITTEST at " + std::to_string(point.x) + ", " + std::to_string(point.y) +
             " answered area " + std::to_string(area) + " column " + std::to_string(hit.column) +
             " row " + std::to_string(hit.row));
    }
}

}  // namespace testing_support

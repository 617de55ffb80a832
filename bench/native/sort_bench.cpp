// Row sort speed against std::sort over the same keys, for number and text keys in five input
// patterns. Each iteration sorts a fresh copy of the row offsets both ways; the benchmark's own
// time is the row sort's, and the counters give both means and their ratio (row sort / std::sort).
// A summary table is printed at the end.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "key_patterns.h"
#include "store/row_sort.h"

namespace {

using vorlane::CompareTextKeys;
using vorlane::SortSource;

using testing_support::kMeasuredPatterns;
using testing_support::Pattern;
using testing_support::PatternName;

constexpr uint32_t kColumns = 6;  // a grid row: text, number, three more, kind
constexpr uint32_t kTextColumn = 0;
constexpr uint32_t kNumberColumn = 1;
constexpr int kFewKeys = 16;

// A cell table and string pool filled like a grid's, with the rows' offsets in display order.
struct BenchGrid {
    std::vector<uint8_t> table;
    std::vector<char> pool{'\0'};
    std::vector<uint32_t> rows;

    void PutSlot(uint32_t value) {
        uint8_t bytes[4];
        std::memcpy(bytes, &value, 4);
        table.insert(table.end(), bytes, bytes + 4);
    }
    uint32_t PutText(const std::string& text) {
        const uint32_t offset = static_cast<uint32_t>(pool.size());
        pool.insert(pool.end(), text.begin(), text.end());
        pool.push_back('\0');
        return offset;
    }
};

std::string RowName(size_t i) {
    char name[32];
    std::snprintf(name, sizeof name, "Row %09zu", i);
    return name;
}

BenchGrid MakeGrid(Pattern pattern, size_t n) {
    BenchGrid grid;
    grid.table.reserve(n * kColumns * 4);
    std::mt19937 rng(12345);
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (size_t i = 0; i < n; ++i) {
        const size_t rank = pattern == Pattern::Reversed ? n - 1 - i : i;
        int32_t number = 0;
        std::string text;
        switch (pattern) {
            case Pattern::Random:
                number = static_cast<int32_t>(rng());
                for (int k = 0; k < 10; ++k) {
                    text.push_back(kLetters[rng() % 62]);
                }
                break;
            case Pattern::Sorted:
            case Pattern::Reversed:
                number = static_cast<int32_t>(rank * 3) - static_cast<int32_t>(n);
                text = RowName(rank);
                break;
            case Pattern::AllEqual:
                number = 42;
                text = "Same text";
                break;
            case Pattern::FewDistinct: {
                const int key = static_cast<int>(rng() % kFewKeys);
                number = key * 1000 - 5000;
                text = "Group " + std::string(1, static_cast<char>('A' + key));
                break;
            }
            default: break;
        }
        grid.rows.push_back(static_cast<uint32_t>(grid.table.size()));
        grid.PutSlot(grid.PutText(text));
        grid.PutSlot(static_cast<uint32_t>(number));
        for (uint32_t c = 2; c < kColumns; ++c) {
            grid.PutSlot(c == kColumns - 1 ? 4 : 0);
        }
    }
    return grid;
}

// std::sort of the same row offsets, reading the same keys with the same comparison.
void StdSortRows(std::vector<uint32_t>& rows, const SortSource& source) {
    const uint8_t* keys = source.table + 4 * source.keyColumn;
    if (source.textKeys) {
        const auto* pool = reinterpret_cast<const unsigned char*>(source.pool);
        std::sort(rows.begin(), rows.end(), [&](uint32_t x, uint32_t y) {
            uint32_t sx;
            uint32_t sy;
            std::memcpy(&sx, keys + x, 4);
            std::memcpy(&sy, keys + y, 4);
            return CompareTextKeys(pool + sx, pool + sy) < 0;
        });
    } else {
        std::sort(rows.begin(), rows.end(), [&](uint32_t x, uint32_t y) {
            int32_t kx;
            int32_t ky;
            std::memcpy(&kx, keys + x, 4);
            std::memcpy(&ky, keys + y, 4);
            return kx < ky;
        });
    }
}

struct Summary {
    std::string keys;
    std::string pattern;
    size_t rows;
    double oursMs;
    double stdMs;
};
std::vector<Summary> summaries;

void BM_RowSort(benchmark::State& state, bool textKeys, Pattern pattern) {
    const size_t n = static_cast<size_t>(state.range(0));
    const BenchGrid grid = MakeGrid(pattern, n);
    SortSource source;
    source.table = grid.table.data();
    source.tableSize = grid.table.size();
    source.pool = grid.pool.data();
    source.poolSize = grid.pool.size();
    source.keyColumn = textKeys ? kTextColumn : kNumberColumn;
    source.textKeys = textKeys;

    using Clock = std::chrono::steady_clock;
    double oursTotal = 0;
    double stdTotal = 0;
    std::vector<uint32_t> rows;
    for (auto _ : state) {
        rows = grid.rows;
        const auto stdStart = Clock::now();
        StdSortRows(rows, source);
        stdTotal += std::chrono::duration<double>(Clock::now() - stdStart).count();
        benchmark::DoNotOptimize(rows.data());

        rows = grid.rows;
        const auto oursStart = Clock::now();
        if (!vorlane::SortRowOffsets(rows.data(), rows.size(), source, false)) {
            state.SkipWithError("row sort refused");
            return;
        }
        const double ours = std::chrono::duration<double>(Clock::now() - oursStart).count();
        benchmark::DoNotOptimize(rows.data());
        oursTotal += ours;
        state.SetIterationTime(ours);
    }
    const double iterations = static_cast<double>(state.iterations());
    const double oursMs = 1e3 * oursTotal / iterations;
    const double stdMs = 1e3 * stdTotal / iterations;
    state.counters["ours_ms"] = oursMs;
    state.counters["std_sort_ms"] = stdMs;
    state.counters["ratio"] = oursMs / stdMs;
    summaries.push_back({textKeys ? "text" : "number", PatternName(pattern), n, oursMs, stdMs});
}

void RegisterAll() {
    for (const bool textKeys : {false, true}) {
        for (const Pattern pattern : kMeasuredPatterns) {
            const std::string name =
                std::string("RowSort/") + (textKeys ? "text/" : "number/") + PatternName(pattern);
            for (const int64_t rows : {int64_t{100000}, int64_t{1000000}}) {
                benchmark::RegisterBenchmark(name.c_str(), BM_RowSort, textKeys, pattern)
                    ->Arg(rows)
                    ->Iterations(rows == 100000 ? 15 : 3)
                    ->UseManualTime()
                    ->Unit(benchmark::kMillisecond);
            }
        }
    }
}

void PrintSummary() {
    std::printf("\n%-7s %-13s %9s %11s %13s %7s\n", "keys", "pattern", "rows", "ours ms",
                "std::sort ms", "ratio");
    for (const Summary& s : summaries) {
        std::printf("%-7s %-13s %9zu %11.2f %13.2f %7.2f\n", s.keys.c_str(), s.pattern.c_str(),
                    s.rows, s.oursMs, s.stdMs, s.oursMs / s.stdMs);
    }
}

}  // namespace

int main(int argc, char** argv) {
    RegisterAll();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    PrintSummary();
    return 0;
}

// Store throughput: appending rows (the time per row at two sizes shows whether growth stays
// linear) and the number text routines beside the standard library's conversions.
#include <benchmark/benchmark.h>

#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "store/grid_store.h"
#include "store/number_text.h"

namespace {

using vorlane::ColumnDescriptor;
using vorlane::GridStore;

// Six columns: name and type texts, then size, date, attributes and the kind column.
void AddSixColumns(GridStore& store) {
    for (int32_t kind : {vorlane::kCellText, vorlane::kCellText, vorlane::kCellNumber,
                         vorlane::kCellNumber, vorlane::kCellNumber, 2}) {
        ColumnDescriptor column;
        column.width = 80;
        column.cellKind = kind;
        store.AddColumn(column);
    }
}

void BM_AppendRows(benchmark::State& state) {
    const uint32_t rows = static_cast<uint32_t>(state.range(0));
    std::vector<std::string> names;
    for (int i = 0; i < 4096; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "document_%05d.txt", i);
        names.emplace_back(name);
    }
    static const char* const kTypes[] = {"Text", "Folder", "Image", "Archive"};
    uint64_t storedBytes = 0;
    uint64_t heldBytes = 0;
    uint64_t trimmedBytes = 0;
    for (auto _ : state) {
        auto store = std::make_unique<GridStore>();
        AddSixColumns(*store);
        for (uint32_t row = 0; row < rows; ++row) {
            const intptr_t values[6] = {reinterpret_cast<intptr_t>(names[row & 4095].c_str()),
                                        reinterpret_cast<intptr_t>(kTypes[row & 3]),
                                        static_cast<intptr_t>(row * 37),
                                        static_cast<intptr_t>(20240101 + (row & 1023)),
                                        static_cast<intptr_t>(row & 7),
                                        static_cast<intptr_t>(9)};
            if (!store->AppendRow(values)) {
                state.SkipWithError("append refused");
                break;
            }
        }
        state.PauseTiming();
        storedBytes = uint64_t{store->table().used()} + store->pool().used();
        heldBytes = store->table().reserved() + store->pool().reserved();
        store->TrimMemory();  // what a paint after the fill leaves held
        trimmedBytes = store->table().reserved() + store->pool().reserved();
        store.reset();
        state.ResumeTiming();
    }
    state.counters["time_per_row"] =
        benchmark::Counter(static_cast<double>(rows) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["bytes_per_row"] = static_cast<double>(storedBytes) / rows;
    state.counters["held_per_stored"] = static_cast<double>(heldBytes) / storedBytes;
    state.counters["trimmed_per_stored"] = static_cast<double>(trimmedBytes) / storedBytes;
}
BENCHMARK(BM_AppendRows)->Arg(100000)->Arg(500000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// Values of every magnitude, as cells hold them.
std::vector<uint32_t> SampleValues() {
    std::mt19937 random(42);
    std::vector<uint32_t> values(4096);
    for (uint32_t& value : values) {
        value = random() >> (random() % 32);
    }
    return values;
}

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration duration) {
    return std::chrono::duration<double>(duration).count();
}

void SetComparison(benchmark::State& state, double ours, double standard, size_t calls) {
    double perCall = static_cast<double>(calls) * static_cast<double>(state.iterations());
    state.counters["ours_ns"] = ours / perCall * 1e9;
    state.counters["std_ns"] = standard / perCall * 1e9;
    state.counters["ratio"] = ours / standard;
}

void BM_FormatNumberVsToChars(benchmark::State& state) {
    const std::vector<uint32_t> values = SampleValues();
    double ours = 0;
    double standard = 0;
    for (auto _ : state) {
        char text[vorlane::kNumberTextSize];
        Clock::time_point start = Clock::now();
        for (uint32_t value : values) {
            vorlane::FormatNumber(value, text, 10, 10, 1, 0, 1);
            benchmark::DoNotOptimize(text);
            benchmark::ClobberMemory();
        }
        Clock::time_point middle = Clock::now();
        for (uint32_t value : values) {
            std::to_chars_result done = std::to_chars(text, text + sizeof text - 1, value);
            *done.ptr = '\0';
            benchmark::DoNotOptimize(text);
            benchmark::ClobberMemory();
        }
        Clock::time_point end = Clock::now();
        ours += Seconds(middle - start);
        standard += Seconds(end - middle);
        state.SetIterationTime(Seconds(end - start));
    }
    SetComparison(state, ours, standard, values.size());
}
BENCHMARK(BM_FormatNumberVsToChars)->UseManualTime();

void BM_ParseNumberVsFromChars(benchmark::State& state) {
    // Digits only, as the number editor hands them over once the separators are removed.
    std::vector<std::string> texts;
    for (uint32_t value : SampleValues()) {
        texts.push_back(std::to_string(value));
    }
    double ours = 0;
    double standard = 0;
    for (auto _ : state) {
        char scratch[16];
        Clock::time_point start = Clock::now();
        for (const std::string& text : texts) {
            // ParseNumber overwrites its buffer: both loops copy the text first.
            std::memcpy(scratch, text.c_str(), text.size() + 1);
            int32_t result = 0;
            vorlane::ParseNumber(scratch, &result, 10);
            benchmark::DoNotOptimize(result);
        }
        Clock::time_point middle = Clock::now();
        for (const std::string& text : texts) {
            std::memcpy(scratch, text.c_str(), text.size() + 1);
            uint32_t result = 0;
            std::from_chars(scratch, scratch + text.size(), result);
            benchmark::DoNotOptimize(result);
        }
        Clock::time_point end = Clock::now();
        ours += Seconds(middle - start);
        standard += Seconds(end - middle);
        state.SetIterationTime(Seconds(end - start));
    }
    SetComparison(state, ours, standard, texts.size());
}
BENCHMARK(BM_ParseNumberVsFromChars)->UseManualTime();

}  // namespace

BENCHMARK_MAIN();

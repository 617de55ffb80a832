// Orders in which the sort tests and the benchmarks lay out a key column. The first five, in
// this order, are the ones the benchmarks measure (a pattern's value seeds their random rows);
// the rest are shapes that only the sort tests try.
#pragma once

namespace testing_support {

enum class Pattern {
    Random,          // keys drawn at random
    Sorted,          // ascending
    Reversed,        // descending
    AllEqual,        // one key throughout
    FewDistinct,     // a handful of keys, drawn at random
    TwoValues,       // two keys, drawn at random
    NearlySorted,    // ascending with a few pairs swapped
    OrganPipe,       // rising to the middle, then falling
    Sawtooth,        // short ascending runs, again and again
    Extremes,        // a handful of keys at the ends of the key range
    MostlyDistinct,  // distinct keys shuffled, a few of them doubled
};

// The patterns the benchmarks measure, in the order of their tables.
inline constexpr Pattern kMeasuredPatterns[] = {Pattern::Random, Pattern::Sorted, Pattern::Reversed,
                                                Pattern::AllEqual, Pattern::FewDistinct};

inline const char* PatternName(Pattern pattern) {
    switch (pattern) {
        case Pattern::Random: return "random";
        case Pattern::Sorted: return "sorted";
        case Pattern::Reversed: return "reversed";
        case Pattern::AllEqual: return "all equal";
        case Pattern::FewDistinct: return "few distinct";
        case Pattern::TwoValues: return "two values";
        case Pattern::NearlySorted: return "nearly sorted";
        case Pattern::OrganPipe: return "organ pipe";
        case Pattern::Sawtooth: return "sawtooth";
        case Pattern::Extremes: return "extremes";
        case Pattern::MostlyDistinct: return "mostly distinct";
    }
    return "?";
}

}  // namespace testing_support

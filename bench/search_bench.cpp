#include <benchmark/benchmark.h>

#include "create/fingering_search.hpp"
#include "music/chord_types.hpp"

namespace fretwise {
namespace {

constexpr int kFrets = 20;
constexpr int kHighestPosition = kFrets - 8;

// Every search the window can start with 20 frets: each root, type and neck position, with
// the all strings option off and on.
void BM_SearchSweep(benchmark::State& state) {
    int searches = 0;
    for (auto _ : state) {
        searches = 0;
        for (const bool allStrings : {false, true}) {
            for (int root = 0; root < kRootCount; ++root) {
                for (int type = 0; type < kChordTypeCount; ++type) {
                    for (int position = 0; position <= kHighestPosition; ++position) {
                        benchmark::DoNotOptimize(
                            FindFingerings({root, type, position, kFrets, allStrings}));
                        ++searches;
                    }
                }
            }
        }
    }
    state.counters["searches"] = searches;
}
BENCHMARK(BM_SearchSweep)->Unit(benchmark::kMillisecond);

// The search with the most combinations: "Eleventh" on root index 2 at position 6.
void BM_SearchWorst(benchmark::State& state) {
    std::int32_t combinations = 0;
    for (auto _ : state) {
        const SearchResult result = FindFingerings({2, 17, 6, kFrets, false});
        combinations = result.combinations;
        benchmark::DoNotOptimize(result);
    }
    state.counters["combinations"] = combinations;
}
BENCHMARK(BM_SearchWorst)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace fretwise

#include <benchmark/benchmark.h>

#include "core/create/fingering_search.hpp"
#include "core/music/chord_types.hpp"

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

// Runs one search over and over and reports its combinations and candidates.
void RunSearch(benchmark::State& state, const SearchRequest& request) {
    SearchResult result;
    for (auto _ : state) {
        result = FindFingerings(request);
        benchmark::DoNotOptimize(result);
    }
    state.counters["combinations"] = result.combinations;
    state.counters["candidates"] = static_cast<double>(result.candidates.size());
}

// The guitarist order with resting treble strings, on its two hardest searches: the most
// combinations ("Eleventh", root index 0, position 4) and the most shapes to score and order
// ("Seventh Suspended Ninth", root index 0, position 1).
void BM_GuitaristSearch(benchmark::State& state) {
    const int root = static_cast<int>(state.range(0));
    const int type = static_cast<int>(state.range(1));
    const int position = static_cast<int>(state.range(2));
    RunSearch(state, {root, type, position, kFrets, false, CreateOrder::Guitarist, true,
                      BassChoice::Root});
}
BENCHMARK(BM_GuitaristSearch)->Args({0, 17, 4})->Args({0, 24, 1})->Unit(benchmark::kMicrosecond);

// The whole neck, frets 1 to 15, on the chord with the most candidates there: "Seventh
// Suspended Ninth" on root index 0 with resting treble strings (1,017 in the classic order), in
// the classic order (0) and the guitarist order (1).
void BM_WholeNeckSearch(benchmark::State& state) {
    SearchRequest request{
        0, 24, 0, kFrets, false, static_cast<CreateOrder>(state.range(0)), true, BassChoice::Root};
    request.wholeNeck = true;
    RunSearch(state, request);
}
BENCHMARK(BM_WholeNeckSearch)->ArgName("guitarist")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The full vocabulary's hardest searches in view, with resting treble strings: "Eleventh" on
// root index 7 at position 9 in the classic order (0), and "Ninth Added Sixth" on root index 0
// at position 1 in the guitarist order (1), where its many playable shapes are scored.
void BM_FullVocabularySearchWorst(benchmark::State& state) {
    const bool guitarist = state.range(0) != 0;
    SearchRequest request{guitarist ? 0 : 7,
                          guitarist ? 58 : 17,
                          guitarist ? 1 : 9,
                          kFrets,
                          false,
                          guitarist ? CreateOrder::Guitarist : CreateOrder::Classic,
                          true,
                          BassChoice::Root};
    request.vocabulary = Vocabulary::Full;
    RunSearch(state, request);
}
BENCHMARK(BM_FullVocabularySearchWorst)
    ->ArgName("guitarist")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace fretwise

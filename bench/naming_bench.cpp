#include <benchmark/benchmark.h>

#include "core/analysis/assign_fingering.hpp"
#include "core/analysis/chord_analysis.hpp"

namespace fretwise {
namespace {

constexpr int kHighestFret = 7;
constexpr int kChoices = kHighestFret + 2;  // not played, open, frets 1-7
constexpr int kShapes = kChoices * kChoices * kChoices * kChoices * kChoices * kChoices;

// Names and fingers every shape with each string not played, open or on frets 1 to 7,
// as the window does after every click, in the vocabulary. The names go into one result, as a
// window keeps its last names between refreshes.
void NameAndFingerAllShapes(benchmark::State& state, Vocabulary vocabulary) {
    ChordAnalysis names;
    for (auto _ : state) {
        for (int code = 0; code < kShapes; ++code) {
            Fingering shape;
            int rest = code;
            for (int s = 0; s < kStringCount; ++s) {
                shape.Fret[s] = static_cast<std::int16_t>(rest % kChoices - 1);
                rest /= kChoices;
            }
            const Fingering fingered = AssignFingering(ShapeFretsToNotes(shape), 20);
            AnalyseChordInto(fingered, Accidentals::Sharps, names, vocabulary);
            benchmark::DoNotOptimize(fingered);
            benchmark::DoNotOptimize(names);
        }
    }
    state.SetItemsProcessed(state.iterations() * kShapes);
    state.counters["per_shape"] = benchmark::Counter(
        kShapes, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_NameAndFingerAllShapes(benchmark::State& state) {
    NameAndFingerAllShapes(state, Vocabulary::Classic);
}
BENCHMARK(BM_NameAndFingerAllShapes)->Unit(benchmark::kMillisecond);

// The same in the full vocabulary: within twice the classic time.
void BM_NameAndFingerAllShapesFull(benchmark::State& state) {
    NameAndFingerAllShapes(state, Vocabulary::Full);
}
BENCHMARK(BM_NameAndFingerAllShapesFull)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace fretwise

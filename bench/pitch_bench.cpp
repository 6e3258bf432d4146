#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "tuner/pitch_tracker.hpp"

namespace {

// One 2048-sample block of a low E string at 48 kHz, as the tuner's microphone delivers it:
// every analysis the block completes, level gate and median included.
void BM_PitchBlock(benchmark::State& state) {
    constexpr int kRate = 48000;
    std::vector<float> block(2048);
    for (std::size_t i = 0; i < block.size(); ++i) {
        const double phase = 2.0 * std::numbers::pi * 82.41 * double(i) / kRate;
        block[i] = float(0.2 * std::sin(phase) + 0.4 * std::sin(2.0 * phase));
    }
    fretwise::PitchTracker tracker(kRate);
    for (auto _ : state) {
        tracker.Feed(block);
        benchmark::DoNotOptimize(tracker.Current());
    }
}
BENCHMARK(BM_PitchBlock)->Unit(benchmark::kMicrosecond);

}  // namespace

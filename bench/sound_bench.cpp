#include <benchmark/benchmark.h>

#include "core/sound/synthesis.hpp"

namespace {

// One strummed chord of six distinct notes, as the strum button renders it.
void BM_SynthStrum(benchmark::State& state) {
    const std::vector<double> sixStrings = {19, 14, 10, 5, 0, -5};
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            fretwise::RenderChordWav(sixStrings, fretwise::StrumMode::Strummed));
    }
}
BENCHMARK(BM_SynthStrum)->Unit(benchmark::kMillisecond);

}  // namespace

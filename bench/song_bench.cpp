#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <string_view>

#include "core/song/song_plan.hpp"

namespace fretwise {
namespace {

// A song of 200 lyric lines with 40 chord names: 10 roots, each with four kinds of chord,
// four chords a line, the names coming round again and again as songs repeat them.
std::string LongSong() {
    constexpr std::array<std::string_view, 10> kRoots = {"C", "D", "E",  "F",  "G",
                                                         "A", "B", "Bb", "Eb", "F#"};
    constexpr std::array<std::string_view, 4> kKinds = {"", "m", "7", "maj7"};
    std::string song = "{title: Long}\n{key: C}\n{time: 4/4}\n";
    for (int line = 0; line < 200; ++line) {
        for (int k = 0; k < 4; ++k) {
            const int chord = (line * 3 + k * 7) % 40;
            song += "[";
            song += kRoots[static_cast<std::size_t>(chord % 10)];
            song += kKinds[static_cast<std::size_t>(chord / 10)];
            song += "]la la ";
        }
        song += '\n';
    }
    return song;
}

// Reading the song, moving it a tone up and choosing a shape for every chord.
void BM_ReadTransposeAndChooseShapes(benchmark::State& state) {
    const std::string text = LongSong();
    std::size_t chords = 0;
    for (auto _ : state) {
        const SongReading reading = ReadSongText(text);
        const SongPlan plan = PlanSong(*reading.file, 0, 2, {}, {});
        chords = plan.arranged.chords.size();
        benchmark::DoNotOptimize(plan);
    }
    state.counters["chords"] = static_cast<double>(chords);
}
BENCHMARK(BM_ReadTransposeAndChooseShapes)->Unit(benchmark::kMillisecond);

// The capo that makes the same song easiest, capo 0 to 7.
void BM_SuggestCapo(benchmark::State& state) {
    const SongReading reading = ReadSongText(LongSong());
    for (auto _ : state) {
        const CapoSuggestion suggestion = SuggestCapo(*reading.file, 0, 0, {});
        benchmark::DoNotOptimize(suggestion);
    }
}
BENCHMARK(BM_SuggestCapo)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace fretwise

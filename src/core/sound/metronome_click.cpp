#include "core/sound/metronome_click.hpp"

#include <cmath>
#include <numbers>

#include "core/sound/wav_writer.hpp"

namespace fretwise {

namespace {

constexpr std::uint32_t kSampleRate = 8000;
constexpr std::uint32_t kSamples = kSampleRate / 25;  // 40 ms, an even count: no pad byte
constexpr double kAccentHertz = 1760.0;
constexpr double kBeatHertz = 1320.0;
constexpr double kAccentLoudness = 120.0;  // of the 127 an 8-bit sample swings
constexpr double kBeatLoudness = 80.0;
constexpr double kDecayPerSecond = 120.0;

}  // namespace

std::vector<std::uint8_t> MetronomeClickWav(bool accented) {
    std::vector<std::uint8_t> wav =
        WavHeader({kWavPcm, 1, static_cast<int>(kSampleRate), 8}, kSamples, false);
    const double hertz = accented ? kAccentHertz : kBeatHertz;
    const double loudness = accented ? kAccentLoudness : kBeatLoudness;
    for (std::uint32_t k = 0; k < kSamples; ++k) {
        const double t = static_cast<double>(k) / kSampleRate;
        const double sample = loudness * std::exp(-kDecayPerSecond * t) *
                              std::sin(2.0 * std::numbers::pi * hertz * t);
        wav.push_back(static_cast<std::uint8_t>(std::lround(128.0 + sample)));
    }
    return wav;
}

}  // namespace fretwise

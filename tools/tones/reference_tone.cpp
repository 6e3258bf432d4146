#include "reference_tone.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <span>

#include "core/music/sounding_pitch.hpp"
#include "core/sound/reference_tones.hpp"
#include "core/sound/wav_writer.hpp"

namespace fretwise::tones {

namespace {

constexpr std::array<double, 5> kHarmonicStrength = {1.0, 0.45, 0.25, 0.12, 0.06};

}  // namespace

std::vector<ToneSpec> ReferenceTones() {
    std::vector<ToneSpec> tones;
    for (const auto& list : {std::span<const ReferenceTone>(kStringTones),
                             std::span<const ReferenceTone>(kConcertTones)}) {
        for (const ReferenceTone& tone : list) {
            tones.push_back({std::string(tone.file), tone.pitch.Frequency(kConcertA)});
        }
    }
    return tones;
}

LoopPlan PlanLoop(double frequency, double minSeconds, double maxSeconds) {
    LoopPlan best{0, 0};
    double bestError = 0.0;
    const int fewest = static_cast<int>(std::ceil(frequency * minSeconds));
    const int most = static_cast<int>(std::floor(frequency * maxSeconds));
    for (int cycles = fewest; cycles <= most; ++cycles) {
        const LoopPlan plan{static_cast<int>(std::lround(cycles * kSampleRate / frequency)),
                            cycles};
        const double error = std::abs(CentsFrom(frequency, plan.Frequency()));
        if (best.samples == 0 || error < bestError) {
            best = plan;
            bestError = error;
        }
    }
    return best;
}

std::vector<std::int16_t> RenderLoop(const LoopPlan& plan) {
    std::vector<double> wave(static_cast<std::size_t>(plan.samples));
    for (int n = 0; n < plan.samples; ++n) {
        double value = 0.0;
        for (std::size_t h = 0; h < kHarmonicStrength.size(); ++h) {
            // Whole periods in the loop: the phase is computed exactly from integers.
            const long long turns = static_cast<long long>(plan.cycles) *
                                    static_cast<long long>(h + 1) * n % plan.samples;
            value += kHarmonicStrength[h] *
                     std::sin(2.0 * std::numbers::pi * static_cast<double>(turns) / plan.samples);
        }
        wave[static_cast<std::size_t>(n)] = value;
    }
    double peak = 0.0;
    for (double v : wave) {
        peak = std::max(peak, std::abs(v));
    }
    const double scale = 0.5 * 32767.0 / peak;
    std::vector<std::int16_t> samples;
    samples.reserve(wave.size());
    for (double v : wave) {
        samples.push_back(static_cast<std::int16_t>(std::lround(v * scale)));
    }
    return samples;
}

std::string WavFile(const std::vector<std::int16_t>& samples) {
    const WavFormat format{kWavPcm, 1, kSampleRate, 16};
    std::vector<std::uint8_t> out =
        WavHeader(format, static_cast<std::uint32_t>(samples.size()), false);
    for (std::int16_t s : samples) {
        AppendLittleEndian(out, static_cast<std::uint16_t>(s), 2);
    }
    return {out.begin(), out.end()};
}

}  // namespace fretwise::tones

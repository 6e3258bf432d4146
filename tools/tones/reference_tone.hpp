#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace fretwise::tones {

constexpr int kSampleRate = 44100;

// One of the tuner's recorded reference tones.
struct ToneSpec {
    std::string fileName;  // in the "WAVs" folder
    double frequency;      // Hz
};

// The nine tones: the six open strings at their real pitch, then concert A, B flat and C.
std::vector<ToneSpec> ReferenceTones();

// A loop of `samples` samples holding exactly `cycles` periods of the fundamental, so every
// harmonic also completes a whole number of periods and the loop point has no click.
struct LoopPlan {
    int samples;
    int cycles;
    double Frequency() const { return static_cast<double>(cycles) * kSampleRate / samples; }
};

// The loop between minSeconds and maxSeconds whose pitch is closest to the frequency.
LoopPlan PlanLoop(double frequency, double minSeconds, double maxSeconds);

// An organ-like tone: the fundamental and four harmonics of falling strength, peaking at
// half of full scale, one sample per element.
std::vector<std::int16_t> RenderLoop(const LoopPlan& plan);

// A 16-bit mono PCM WAV file at 44.1 kHz.
std::string WavFile(const std::vector<std::int16_t>& samples);

}  // namespace fretwise::tones

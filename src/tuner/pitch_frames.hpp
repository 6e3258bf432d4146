#pragma once

#include <optional>
#include <span>
#include <vector>

#include "core/sound/wav_samples.hpp"
#include "tuner/pitch_tracker.hpp"

namespace fretwise {

constexpr double kFrameSeconds = 0.05;

// The pitch held at the end of a 50 ms frame of a recording.
struct PitchFrame {
    double time = 0.0;  // the frame's start, in seconds
    PitchReading reading;
};

// The recording listened to as the tuner listens, frame by frame; only the frames with a
// pitch. The sample rate must be one the tracker takes.
std::vector<PitchFrame> PitchFrames(const MonoSound& sound);

// The median frequency of the frames, nullopt for none.
std::optional<double> MedianFrequency(std::span<const PitchFrame> frames);

}  // namespace fretwise

#include "tuner/pitch_frames.hpp"

#include <algorithm>
#include <cmath>

namespace fretwise {

std::vector<PitchFrame> PitchFrames(const MonoSound& sound) {
    PitchTracker tracker(sound.sampleRate);
    std::vector<PitchFrame> frames;
    const std::span<const float> samples(sound.samples);
    std::size_t start = 0;
    for (int frame = 0; start < samples.size(); ++frame) {
        // Each frame ends at the sample nearest its time, so the frames never drift.
        const auto end =
            std::min(samples.size(),
                     std::size_t(std::lround((frame + 1) * kFrameSeconds * sound.sampleRate)));
        tracker.Feed(samples.subspan(start, end - start));
        if (const std::optional<PitchReading> reading = tracker.Current()) {
            frames.push_back({frame * kFrameSeconds, *reading});
        }
        start = end;
    }
    return frames;
}

std::optional<double> MedianFrequency(std::span<const PitchFrame> frames) {
    if (frames.empty()) {
        return std::nullopt;
    }
    std::vector<double> frequencies;
    for (const PitchFrame& frame : frames) {
        frequencies.push_back(frame.reading.frequency);
    }
    std::sort(frequencies.begin(), frequencies.end());
    const std::size_t middle = frequencies.size() / 2;
    return frequencies.size() % 2 == 1 ? frequencies[middle]
                                       : (frequencies[middle - 1] + frequencies[middle]) / 2.0;
}

}  // namespace fretwise

#pragma once

#include <array>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace fretwise {

// What the tracker hears: a frequency and how sure the detector is of it (0 to 1).
struct PitchReading {
    double frequency = 0.0;  // Hz
    double confidence = 0.0;
};

// Listens to mono sound in blocks of any length and reports the pitch being played, with
// aubio's YIN detector underneath. A steady pitch is reported only when it is loud enough
// (a level gate), clear enough (a confidence threshold) and held: the reading is the median
// of the clear readings among the last few analyses, so silence and noise give no pitch and
// the note never jumps on a single stray analysis.
class PitchTracker {
  public:
    static constexpr int kLowestRate = 8000;
    static constexpr int kHighestRate = 192000;
    // Quieter analyses are silence: -55 dB below a full-scale sine's level.
    static constexpr double kGateDecibels = -55.0;
    static constexpr double kMinConfidence = 0.85;
    // The range of a guitar in any tuning, with room for a string far off.
    static constexpr double kLowestFrequency = 55.0;
    static constexpr double kHighestFrequency = 1500.0;
    // The median runs over this many analyses; at least kClearNeeded of them must be clear.
    static constexpr int kMedianLength = 5;
    static constexpr int kClearNeeded = 3;

    // sampleRate must lie within kLowestRate to kHighestRate.
    explicit PitchTracker(int sampleRate);
    ~PitchTracker();
    PitchTracker(const PitchTracker&) = delete;
    PitchTracker& operator=(const PitchTracker&) = delete;

    static bool IsSupportedRate(int sampleRate) {
        return sampleRate >= kLowestRate && sampleRate <= kHighestRate;
    }

    int SampleRate() const { return sampleRate_; }
    // Samples analysed at once (about 40 ms, a power of two) and samples between analyses.
    int WindowSize() const { return windowSize_; }
    int HopSize() const { return windowSize_ / 4; }

    // Takes the next samples (-1 to 1) and analyses every hop they complete.
    void Feed(std::span<const float> samples);
    // The pitch held over the last analyses, or nullopt for no pitch.
    std::optional<PitchReading> Current() const;
    // Forgets everything heard, as after a pause in the sound.
    void Reset();

  private:
    void AnalyseHop();
    std::optional<PitchReading> Analysis() const;

    struct Detector;
    int sampleRate_;
    int windowSize_;
    std::unique_ptr<Detector> detector_;
    std::vector<float> hop_;
    std::size_t filled_ = 0;
    std::array<std::optional<PitchReading>, kMedianLength> recent_{};
    std::size_t next_ = 0;
};

}  // namespace fretwise

#include "core/sound/synthesis.hpp"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>

#include "core/music/sounding_pitch.hpp"
#include "core/sound/wav_headers.hpp"

namespace fretwise {

namespace {

// Nearest integer, halves to the even neighbour, whatever the floating-point rounding mode.
double RoundHalfEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0)) {
        return below + 1.0;
    }
    return below;
}

// Every finite note gives a value in 0..255; the clamp only guards against absurd note
// numbers whose phase step overflows.
std::uint8_t ToSample(double value) {
    if (std::isnan(value)) {
        return 128;
    }
    return static_cast<std::uint8_t>(std::clamp(RoundHalfEven(value), 0.0, 255.0));
}

// The tail of a sound falls in a straight line from the last synthesised sample to the zero
// line 128, which the final byte reaches exactly.
void FadeOut(std::vector<std::uint8_t>& wav, std::int32_t lastSynthesised, std::int32_t length) {
    const std::int32_t last = wav[static_cast<std::size_t>(lastSynthesised - 1)];
    const std::int32_t lastPosition = static_cast<std::int32_t>(wav.size());
    for (std::int32_t p = lastSynthesised + 1; p <= lastPosition; ++p) {
        const std::int32_t product = (last - 128) * (lastPosition - p);
        wav[static_cast<std::size_t>(p - 1)] =
            ToSample(static_cast<double>(product) / static_cast<double>(length) + 128.0);
    }
}

constexpr std::int32_t kChordFirstSample = 69;
constexpr std::int32_t kChordLastSample = 21000;
constexpr std::int32_t kChordFadeLength = 1058;
constexpr std::int32_t kNoteFirstSample = 59;
constexpr std::int32_t kNoteLastSample = 9032;
constexpr std::int32_t kNoteFadeLength = 1000;

// exp((70 - p) * 0.0001) for every synthesised chord position: the decay of the whole
// unsigned value, the same for every chord.
const std::vector<double>& ChordDecay() {
    static const std::vector<double> decay = [] {
        std::vector<double> d;
        for (std::int32_t p = kChordFirstSample; p <= kChordLastSample; ++p) {
            d.push_back(std::exp((70 - p) * 0.0001));
        }
        return d;
    }();
    return decay;
}

// sin(step * p) for consecutive positions p, by rotating the pair (sin, cos) one step at a
// time from the library's values at the first position. Over a run of 64 positions and for
// phases below 2^20 the result stays within 3e-10 of the library's sine of the rounded
// step * p (mostly the rounding of step * p itself).
class SineRun {
  public:
    explicit SineRun(double step)
        : step_(step), sinStep_(std::sin(step)), cosStep_(std::cos(step)) {}

    void Restart(std::int32_t p) {
        sin_ = std::sin(step_ * p);
        cos_ = std::cos(step_ * p);
    }
    double Sin() const { return sin_; }
    void Advance() {
        const double s = sin_ * cosStep_ + cos_ * sinStep_;
        cos_ = cos_ * cosStep_ - sin_ * sinStep_;
        sin_ = s;
    }

  private:
    double step_, sinStep_, cosStep_;
    double sin_ = 0.0, cos_ = 1.0;
};

// floor((S + c) * A) for each position of a chord, S being the sum of the sines of the
// notes that sound there. S is first estimated with SineRun; only when the estimate lies so
// close to a whole number that the estimate's error could move the floor is S computed with
// the library's sine, so the result is always the one of the library's sine, at a fraction
// of the cost.
class ChordLevels {
  public:
    static constexpr std::int32_t kRunLength = 64;

    ChordLevels(std::vector<double> steps, StrumMode strum)
        : steps_(std::move(steps)),
          strum_(strum),
          count_(static_cast<int>(steps_.size())),
          amplitude_(127.99999 / count_),
          estimable_(std::all_of(steps_.begin(), steps_.end(), [](double step) {
              return std::isfinite(step) && std::abs(step) * kChordLastSample < kLargestEstimated;
          })) {
        for (double step : steps_) {
            runs_.emplace_back(step);
        }
    }

    // Calls emit(p, level) for p = first ... last.
    template <class Emit>
    void Render(std::int32_t first, std::int32_t last, Emit emit) const {
        if (!estimable_) {
            for (std::int32_t p = first; p <= last; ++p) {
                emit(p, std::floor(Level(ExactSum(p))));
            }
            return;
        }
        for (SineRun& run : runs_) {
            run.Restart(first);
        }
        for (std::int32_t p = first; p <= last; ++p) {
            double estimate = runs_[0].Sin();
            for (int k = 1; k < count_; ++k) {
                if (Sounds(k, p)) {
                    estimate += runs_[static_cast<std::size_t>(k)].Sin();
                }
            }
            double level = Level(estimate);
            if (std::abs(level - std::round(level)) < kFloorMargin) {
                level = Level(ExactSum(p));
            }
            emit(p, std::floor(level));
            for (SineRun& run : runs_) {
                run.Advance();
            }
        }
    }

  private:
    // Beyond this phase the rounding of step * p grows too coarse for the estimate.
    static constexpr double kLargestEstimated = 1048576.0;
    // Far above the estimate's error: six notes, 3e-10 each, scaled by at most 128.
    static constexpr double kFloorMargin = 1e-5;

    // Entry 0 sounds from the first sample; the others when the strum has reached them.
    bool Sounds(int k, std::int32_t p) const {
        return strum_ == StrumMode::Block ||
               StrumGate(p, static_cast<std::uint8_t>(std::min(k, 255))) != 0.0;
    }
    double Level(double sum) const { return (sum + count_) * amplitude_; }

    // A note that has not entered adds sin * 0.0, which leaves the sum unchanged.
    double ExactSum(std::int32_t p) const {
        double sum = std::sin(steps_[0] * p);
        for (int k = 1; k < count_; ++k) {
            if (Sounds(k, p)) {
                sum += std::sin(steps_[static_cast<std::size_t>(k)] * p);
            }
        }
        return sum;
    }

    std::vector<double> steps_;
    StrumMode strum_;
    int count_;
    double amplitude_;
    bool estimable_;
    mutable std::vector<SineRun> runs_;
};

}  // namespace

// The step is 2πf / 8000 for f = 220 × 2^(note / 12): the 2 is folded into the 440.
double PhaseStep(double note) {
    return EqualTemperament(note, 440.0) * 3.14159 / 8000.0;
}

std::vector<double> ChordNotesToPlay(const Fingering& shape, const OpenStrings& strings) {
    std::vector<double> notes;
    for (int s = 0; s < kStringCount; ++s) {
        if (shape.Note[s] >= 0) {
            notes.push_back(strings.SoundingPitchOf(s, shape.Note[s]).SoundNote());
        }
    }
    return notes;
}

void RemoveDuplicateNotes(std::vector<double>& notes) {
    std::vector<double> kept;
    for (std::size_t i = 0; i < notes.size(); ++i) {
        if (std::find(notes.begin() + static_cast<std::ptrdiff_t>(i) + 1, notes.end(), notes[i]) ==
            notes.end()) {
            kept.push_back(notes[i]);
        }
    }
    notes = std::move(kept);
}

double StrumGate(std::int32_t position, std::uint8_t entry) {
    const std::int32_t bound = 69 + 500 * std::int32_t{entry};
    if (bound > std::numeric_limits<std::int16_t>::max()) {
        return 0.0;
    }
    return position > bound ? 1.0 : 0.0;
}

std::vector<std::uint8_t> RenderChordWav(const std::vector<double>& notes, StrumMode strum) {
    std::vector<double> distinct = notes;
    RemoveDuplicateNotes(distinct);
    if (distinct.empty()) {
        return {};
    }
    std::vector<double> steps;
    for (double note : distinct) {
        steps.push_back(PhaseStep(note));
    }
    const ChordLevels levels(std::move(steps), strum);
    const auto& decay = ChordDecay();

    const auto& header = TheWavHeaders().ChordWavHeader;
    std::vector<std::uint8_t> wav(kChordWavSize);
    std::copy(header.begin(), header.end(), wav.begin());
    for (std::int32_t start = kChordFirstSample; start <= kChordLastSample;
         start += ChordLevels::kRunLength) {
        const std::int32_t end = std::min(start + ChordLevels::kRunLength - 1, kChordLastSample);
        levels.Render(start, end, [&](std::int32_t p, double level) {
            wav[static_cast<std::size_t>(p - 1)] =
                ToSample(level * decay[static_cast<std::size_t>(p - kChordFirstSample)]);
        });
    }
    FadeOut(wav, kChordLastSample, kChordFadeLength);
    return wav;
}

std::vector<std::uint8_t> RenderNoteWav(double note) {
    const double step = PhaseStep(note);
    const auto& header = TheWavHeaders().NoteWavHeader;
    std::vector<std::uint8_t> wav(kNoteWavSize);
    std::copy(header.begin(), header.end(), wav.begin());
    for (std::int32_t p = kNoteFirstSample; p <= kNoteLastSample; ++p) {
        const double decay = std::exp((59 - p) * 0.0005);
        wav[static_cast<std::size_t>(p - 1)] =
            ToSample(std::floor((std::sin(step * p) + 1.0) * 127.99999) * decay);
    }
    FadeOut(wav, kNoteLastSample, kNoteFadeLength);
    return wav;
}

}  // namespace fretwise

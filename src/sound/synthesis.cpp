#include "sound/synthesis.hpp"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>

#include "sound/wav_headers.hpp"

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

}  // namespace

double PhaseStep(double note) {
    const double power = std::pow(2.0, note / 12.0);
    return power * 440.0 * 3.14159 / 8000.0;
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
    const int count = static_cast<int>(steps.size());
    const double amplitude = 127.99999 / count;

    const auto& header = TheWavHeaders().ChordWavHeader;
    std::vector<std::uint8_t> wav(kChordWavSize);
    std::copy(header.begin(), header.end(), wav.begin());
    for (std::int32_t p = kChordFirstSample; p <= kChordLastSample; ++p) {
        double sum = std::sin(steps[0] * p);
        for (int k = 1; k < count; ++k) {
            if (strum == StrumMode::Block) {
                sum += std::sin(steps[k] * p);
            } else {
                // A note that has not entered adds nothing, so its sine is not needed.
                const auto entry = static_cast<std::uint8_t>(std::min(k, 255));
                const double gate = StrumGate(p, entry);
                if (gate != 0.0) {
                    sum += std::sin(steps[k] * p) * gate;
                }
            }
        }
        const double decay = std::exp((70 - p) * 0.0001);
        wav[static_cast<std::size_t>(p - 1)] =
            ToSample(std::floor((sum + count) * amplitude) * decay);
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

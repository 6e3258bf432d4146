#include "core/music/sounding_pitch.hpp"

#include <cctype>
#include <cmath>

namespace fretwise {

namespace {

std::optional<int> SemitoneAboveC(char letter) {
    switch (std::toupper(static_cast<unsigned char>(letter))) {
        case 'C':
            return 0;
        case 'D':
            return 2;
        case 'E':
            return 4;
        case 'F':
            return 5;
        case 'G':
            return 7;
        case 'A':
            return 9;
        case 'B':
            return 11;
        default:
            return std::nullopt;
    }
}

}  // namespace

double EqualTemperament(double semitones, double reference) {
    const double power = std::pow(2.0, semitones / 12.0);
    return power * reference;
}

double CentsFrom(double reference, double frequency) {
    return 1200.0 * std::log2(frequency / reference);
}

std::string SoundingPitch::ScientificName(Accidentals mode) const {
    return std::string(NoteName(PitchNumber(), mode)) + std::to_string(Octave());
}

double SoundingPitch::Frequency(double referenceA) const {
    return EqualTemperament(midi - kMidiA4, referenceA);
}

std::optional<SoundingPitch> ReadScientificName(std::string_view text) {
    if (text.empty()) {
        return std::nullopt;
    }
    const std::optional<int> letter = SemitoneAboveC(text.front());
    if (!letter) {
        return std::nullopt;
    }
    std::size_t at = 1;
    int semitone = *letter;
    if (at < text.size() && (text[at] == '#' || text[at] == 'b')) {
        semitone += text[at] == '#' ? 1 : -1;
        ++at;
    }
    if (at == text.size() || text.size() - at > 1 ||
        !std::isdigit(static_cast<unsigned char>(text[at]))) {
        return std::nullopt;
    }
    const int octave = text[at] - '0';
    return SoundingPitch{12 * (octave + 1) + semitone};
}

SoundingPitch NearestPitch(double frequency, double referenceA) {
    return {kMidiA4 + static_cast<int>(std::lround(CentsFrom(referenceA, frequency) / 100.0))};
}

}  // namespace fretwise

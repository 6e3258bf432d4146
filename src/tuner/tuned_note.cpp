#include "tuner/tuned_note.hpp"

#include <cstdlib>

namespace fretwise {

namespace {

std::optional<int> StringOf(SoundingPitch note, const StringPitches& strings) {
    for (int s = 0; s < kStringCount; ++s) {
        if (strings[std::size_t(s)] == note) {
            return s;
        }
    }
    return std::nullopt;
}

}  // namespace

std::string_view TunerModeName(TunerMode mode) {
    return kTunerModeNames[mode == TunerMode::Chromatic ? 1 : 0];
}

std::optional<TunerMode> TunerModeNamed(std::string_view name) {
    for (const TunerMode mode : {TunerMode::Strings, TunerMode::Chromatic}) {
        if (name == TunerModeName(mode)) {
            return mode;
        }
    }
    return std::nullopt;
}

TunedNote NearestNote(double frequency, double referenceA, const StringPitches& strings) {
    const SoundingPitch note = NearestPitch(frequency, referenceA);
    return {note, CentsFrom(note.Frequency(referenceA), frequency), StringOf(note, strings)};
}

TunedNote NearestString(double frequency, double referenceA, const StringPitches& strings) {
    TunedNote nearest;
    for (int s = 0; s < kStringCount; ++s) {
        const SoundingPitch note = strings[std::size_t(s)];
        const double cents = CentsFrom(note.Frequency(referenceA), frequency);
        if (!nearest.string || std::abs(cents) < std::abs(nearest.cents)) {
            nearest = {note, cents, s};
        }
    }
    return nearest;
}

TunedNote NameFrequency(double frequency, double referenceA, TunerMode mode,
                        const StringPitches& strings) {
    return mode == TunerMode::Strings ? NearestString(frequency, referenceA, strings)
                                      : NearestNote(frequency, referenceA, strings);
}

}  // namespace fretwise

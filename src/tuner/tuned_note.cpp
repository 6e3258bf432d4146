#include "tuner/tuned_note.hpp"

#include <cmath>
#include <cstdlib>

#include "core/music/pitch.hpp"

namespace fretwise {

namespace {

// Sound note 0 is the open A string, which sounds A2 (sound notes are written an octave
// above a guitar's real pitch).
constexpr int kNoteOfSoundNoteZero = 45;

std::optional<int> StringOf(int note, const StringNotes& strings) {
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

StringNotes OpenStringNotes(const Tuning& tuning) {
    StringNotes notes{};
    for (std::size_t s = 0; s < notes.size(); ++s) {
        notes[s] = kNoteOfSoundNoteZero + kOpenSoundNote[s] + tuning.offsets[s];
    }
    return notes;
}

double NoteFrequency(int note, double referenceA) {
    return referenceA * std::exp2((note - kNoteA4) / 12.0);
}

double CentsFrom(double target, double frequency) {
    return 1200.0 * std::log2(frequency / target);
}

TunedNote NearestNote(double frequency, double referenceA, const StringNotes& strings) {
    const int note =
        kNoteA4 + static_cast<int>(std::lround(CentsFrom(referenceA, frequency) / 100.0));
    return {note, CentsFrom(NoteFrequency(note, referenceA), frequency), StringOf(note, strings)};
}

TunedNote NearestString(double frequency, double referenceA, const StringNotes& strings) {
    TunedNote nearest;
    for (int s = 0; s < kStringCount; ++s) {
        const int note = strings[std::size_t(s)];
        const double cents = CentsFrom(NoteFrequency(note, referenceA), frequency);
        if (!nearest.string || std::abs(cents) < std::abs(nearest.cents)) {
            nearest = {note, cents, s};
        }
    }
    return nearest;
}

TunedNote NameFrequency(double frequency, double referenceA, TunerMode mode,
                        const StringNotes& strings) {
    return mode == TunerMode::Strings ? NearestString(frequency, referenceA, strings)
                                      : NearestNote(frequency, referenceA, strings);
}

std::string NoteText(int note) {
    // Pitch number 1 is A; octaves are counted from C.
    const int fromA = note - kNoteA4;
    const int pitch = ((fromA % 12) + 12) % 12 + 1;
    const int octave = (note >= 0 ? note : note - 11) / 12 - 1;
    return std::string(NoteName(pitch, Accidentals::Sharps)) + std::to_string(octave);
}

}  // namespace fretwise

#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>

#include "core/music/pitch.hpp"

namespace fretwise {

// MIDI numbers count semitones with their octave: 69 is A4, the concert A.
constexpr int kMidiA4 = 69;

// The concert A in hertz: the tuner's default reference and the pitch the recorded reference
// tones are tuned to.
constexpr double kConcertA = 440.0;

// The synthesiser's note numbers count from A2, the open A string, which is MIDI 45; it
// renders them one octave above, in the register guitar music is written in.
constexpr int kMidiOfSoundNoteZero = 45;

// The frequency that lies `semitones` equal-tempered semitones above `reference` hertz:
// 2^(semitones / 12) × reference, the power taken first. Every frequency of the program comes
// from here; the synthesiser's exact bytes depend on this order of operations.
double EqualTemperament(double semitones, double reference);

// Hundredths of an equal-tempered semitone from a reference frequency up to another.
double CentsFrom(double reference, double frequency);

// A pitch as it sounds, with its octave.
struct SoundingPitch {
    int midi = kMidiA4;

    // The pitch number of its note without octave, 1 = A ... 12 = G#/Ab; every conversion
    // from a sounding pitch to the pitch numbers of the chord files is this one.
    constexpr Pitch PitchNumber() const {
        return static_cast<Pitch>(((midi - kMidiA4) % 12 + 12) % 12 + 1);
    }
    // The pitch class, G#/Ab = 0, A = 1, ... G = 11.
    constexpr int PitchClass() const { return PitchNumber() % 12; }
    // The octave of its scientific name, counted from C: C4 is middle C, B3 the note below.
    constexpr int Octave() const { return (midi >= 0 ? midi : midi - 11) / 12 - 1; }
    // The scientific name: "E2" for the open low E string, "Bb3".
    std::string ScientificName(Accidentals mode) const;
    // Its frequency in equal temperament when A4 sounds at referenceA hertz.
    double Frequency(double referenceA = kConcertA) const;
    // The note number the synthesiser renders it by.
    constexpr int SoundNote() const { return midi - kMidiOfSoundNoteZero; }

    constexpr SoundingPitch Transposed(int semitones) const { return {midi + semitones}; }
    constexpr int SemitonesFrom(SoundingPitch other) const { return midi - other.midi; }

    auto operator<=>(const SoundingPitch&) const = default;
};

// A scientific name such as "E2", "F#3", "bb2" (the letter in either case, one digit for the
// octave), or nullopt.
std::optional<SoundingPitch> ReadScientificName(std::string_view text);

// The equal-tempered pitch nearest to a frequency when A4 sounds at referenceA hertz.
SoundingPitch NearestPitch(double frequency, double referenceA);

}  // namespace fretwise

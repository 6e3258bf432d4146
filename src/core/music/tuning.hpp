#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/music/fingering.hpp"
#include "core/music/pitch.hpp"

namespace fretwise {

// How far a string may be tuned from its standard note, in semitones, so that neighbouring
// strings never cross.
constexpr int kLowestTuningOffset = -5;
constexpr int kHighestTuningOffset = 4;

// A capo clamps every string at one of these frets; 0 is no capo.
constexpr std::int16_t kMaxCapo = 7;

// Six open-string notes, each given as semitones from the string's standard note.
struct Tuning {
    PerString offsets{};  // index = string, 0 = high E

    bool IsStandard() const { return offsets == PerString{}; }
    bool operator==(const Tuning&) const = default;
};

// "high E", "B", "G", "D", "A" or "low E".
std::string_view StringName(int string);

// A tuning with a name in the window and an id on the command line.
struct TuningPreset {
    std::string_view id;    // "drop-d"
    std::string_view name;  // "Drop D"
    Tuning tuning{};
};

// Standard first, then the other common tunings.
std::span<const TuningPreset> TuningPresets();

// The preset of this tuning, or null for a custom tuning.
const TuningPreset* PresetOf(const Tuning& tuning);

// What the open strings sound: the tuning raised by the capo. Frets are counted from the
// capo, so fret 0 is the string sounding at the capo. The default is standard, no capo.
struct OpenStrings {
    Tuning tuning{};
    std::int16_t capo = 0;

    bool IsStandard() const { return tuning.IsStandard() && capo == 0; }
    bool operator==(const OpenStrings&) const = default;

    // The pitch number of the open string: the standard one plus the offset, one octave up
    // when that falls below 1 (so -1 keeps meaning "not played"), plus the capo.
    Pitch OpenPitch(int string) const;
    PerString OpenPitches() const;
    // What the open string sounds, and what the string sounds at a pitch number: the one
    // place where a pitch number, which has no octave, becomes a sounding pitch.
    SoundingPitch OpenStringPitch(int string) const;
    StringPitches OpenStringPitches() const;
    SoundingPitch SoundingPitchOf(int string, Pitch note) const;
    // The names of the notes the open strings sound, high E string first.
    std::array<std::string_view, kStringCount> OpenNoteNames(Accidentals mode) const;
};

// Six scientific pitches, low string first, separated by commas: "D2,A2,D3,G3,B3,E4".
std::string TuningText(const Tuning& tuning, Accidentals mode);

// The tuning of a preset id or of six scientific pitches, or why it is none: the message
// names the piece of text that is wrong.
struct TuningReading {
    std::optional<Tuning> tuning;
    std::string error;
};
TuningReading ReadTuning(std::string_view text);

// The offset of string s tuned to a scientific pitch, or nullopt with the reason in error:
// "'C2': the low E string takes B1-G#2".
std::optional<std::int16_t> OffsetOfString(int string, std::string_view note, std::string& error);

// The names of the range of notes string s may be tuned to, "B1-G#2" for the low E string.
std::string TuningRangeText(int string, Accidentals mode);

}  // namespace fretwise

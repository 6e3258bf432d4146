#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/music/fingering.hpp"
#include "core/music/sounding_pitch.hpp"

namespace fretwise {

// The frequency of A4 the tuner judges by, and the range a band may tune to.
constexpr double kDefaultReferenceA = kConcertA;
constexpr double kLowestReferenceA = 430.0;
constexpr double kHighestReferenceA = 450.0;

constexpr bool IsReferenceA(double hz) {
    return hz >= kLowestReferenceA && hz <= kHighestReferenceA;
}

// What a heard pitch is compared with: the open strings of the tuning, or any note.
enum class TunerMode { Strings, Chromatic };

// The modes' names in the window and in the settings file, in the order of TunerMode.
constexpr std::array<std::string_view, 2> kTunerModeNames{"Strings", "Chromatic"};
std::string_view TunerModeName(TunerMode mode);
std::optional<TunerMode> TunerModeNamed(std::string_view name);

// The tuner's listening choices, kept between runs.
struct ListenChoices {
    int referenceA = static_cast<int>(kDefaultReferenceA);
    TunerMode mode = TunerMode::Strings;

    bool operator==(const ListenChoices&) const = default;
};

// A heard frequency named: its note, how far off it is and the string it belongs to.
struct TunedNote {
    SoundingPitch note;
    double cents = 0.0;         // above the note (sharp) when positive
    std::optional<int> string;  // the open string sounding this note, if any
    bool operator==(const TunedNote&) const = default;

    // The note in sharps with its octave: "E2", "A#4".
    std::string NoteText() const { return note.ScientificName(Accidentals::Sharps); }
};

// The nearest note of the chromatic scale; string is the open string of that note, if one.
TunedNote NearestNote(double frequency, double referenceA, const StringPitches& strings);
// The nearest open string, however far off.
TunedNote NearestString(double frequency, double referenceA, const StringPitches& strings);
TunedNote NameFrequency(double frequency, double referenceA, TunerMode mode,
                        const StringPitches& strings);

}  // namespace fretwise

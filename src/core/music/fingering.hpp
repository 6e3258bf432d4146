#pragma once

#include <array>
#include <cstdint>

#include "core/music/pitch.hpp"
#include "core/music/sounding_pitch.hpp"

namespace fretwise {

constexpr int kStringCount = 6;

// String 0 is the high E string (drawn at the right), string 5 the low E string.
using PerString = std::array<std::int16_t, kStringCount>;

// What each string sounds, index = string.
using StringPitches = std::array<SoundingPitch, kStringCount>;

// Standard tuning as the open strings sound: E4 B3 G3 D3 A2 E2.
constexpr StringPitches kStandardStrings = {{{64}, {59}, {55}, {50}, {45}, {40}}};

// Standard tuning as the pitch numbers of the open strings: 8, 3, 11, 6, 1, 8.
constexpr PerString kOpenPitch = [] {
    PerString pitches{};
    for (std::size_t s = 0; s < pitches.size(); ++s) {
        pitches[s] = kStandardStrings[s].PitchNumber();
    }
    return pitches;
}();

// Frets: 0 is the open string, n the n-th fret from the nut, -1 a string not played.
constexpr std::int16_t kMuted = -1;

// The highest fret of a guitar neck; the fretboard shows at most 20 of them.
constexpr std::int16_t kHighestFret = 24;

// A fret a string can be held at: 0 (open) to kHighestFret. Chord files and settings with
// any other fret than these and -1 hold no chord a guitar can play.
constexpr bool IsOnNeck(int fret) {
    return fret >= 0 && fret <= kHighestFret;
}

// One chord as finger positions on the fretboard. Fret and Note describe the same
// positions twice; ShapeFretsToNotes and ShapeNotesToFrets bring one in line with the other.
// A record with every field zero is the blank shape: six open strings.
struct Fingering {
    PerString Fret{};
    PerString Finger{};  // finger number on each string; below 1 means no finger
    float Ease = 0.0f;   // playability score, higher is easier
    bool Playable = false;
    PerString Note{};  // pitch number each string sounds, -1 for a string not played
    std::int16_t BarreFrom = 0;
    std::int16_t BarreTo = 0;
    std::int16_t BarreFret = 0;

    // A barre is present only when it spans strings and lies on a fret.
    bool HasBarre() const { return BarreTo > BarreFrom && BarreFret >= 1; }

    bool operator==(const Fingering&) const = default;
};

struct OpenStrings;

// A copy whose Note is recomputed from Fret; everything else unchanged. Without open strings,
// in standard tuning with no capo (music/tuning.hpp).
Fingering ShapeFretsToNotes(const Fingering& shape);
Fingering ShapeFretsToNotes(const Fingering& shape, const OpenStrings& strings);

// A copy whose Fret is recomputed from Note; everything else unchanged.
Fingering ShapeNotesToFrets(const Fingering& shape);
Fingering ShapeNotesToFrets(const Fingering& shape, const OpenStrings& strings);

}  // namespace fretwise

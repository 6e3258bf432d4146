#pragma once

#include <array>
#include <string_view>

#include "core/music/fingering.hpp"
#include "core/music/sounding_pitch.hpp"

namespace fretwise {

// A recorded tone the tuner loops: its file in the "WAVs" folder and the pitch it holds, in
// tune with the concert A.
struct ReferenceTone {
    std::string_view file;
    SoundingPitch pitch;
};

// The open strings of standard tuning, high E string first.
inline constexpr std::array<ReferenceTone, kStringCount> kStringTones{{
    {"e-h.wav", kStandardStrings[0]},
    {"b.wav", kStandardStrings[1]},
    {"g.wav", kStandardStrings[2]},
    {"d.wav", kStandardStrings[3]},
    {"a.wav", kStandardStrings[4]},
    {"e-l.wav", kStandardStrings[5]},
}};

// Concert A, B flat and C, for tuning to a band.
inline constexpr std::array<ReferenceTone, 3> kConcertTones{{
    {"a-c.wav", {kMidiA4}},
    {"bb-c.wav", {kMidiA4 + 1}},
    {"c-c.wav", {kMidiA4 + 3}},
}};

}  // namespace fretwise

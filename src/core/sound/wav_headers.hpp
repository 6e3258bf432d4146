#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace fretwise {

// A chord sound: 22,000 samples (2.75 s) after a 58-byte header.
constexpr std::size_t kChordWavSize = 22058;
// A single note: 9,973 samples and a pad byte after a 58-byte header.
constexpr std::size_t kNoteWavSize = 10032;
constexpr std::size_t kWavHeaderSize = 58;
// The chord header is followed by ten fixed lead-in samples.
constexpr std::size_t kChordLeadInSize = 10;

// The fixed leading bytes of the two kinds of sound file: 8000 Hz, 8-bit unsigned mono PCM
// with an 18-byte format chunk and a fact chunk.
struct WavHeaders {
    std::array<std::uint8_t, kWavHeaderSize + kChordLeadInSize> ChordWavHeader;
    std::array<std::uint8_t, kWavHeaderSize> NoteWavHeader;
};

WavHeaders InitWavHeaders();

// Built once on first use.
const WavHeaders& TheWavHeaders();

}  // namespace fretwise

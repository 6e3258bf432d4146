#pragma once

#include <cstdint>
#include <vector>

namespace fretwise {

// The metronome's tick as a WAV file (8000 Hz, 8-bit unsigned mono PCM, 40 ms): a short
// decaying tone, higher and louder on the accented first beat of a bar.
std::vector<std::uint8_t> MetronomeClickWav(bool accented);

}  // namespace fretwise

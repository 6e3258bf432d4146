#pragma once

#include <cstdint>
#include <vector>

#include "core/sound/wav_format.hpp"

namespace fretwise {

// The leading bytes of a PCM WAV file up to its samples: the RIFF header, the format chunk
// and the header of the data chunk; with a fact chunk, the format chunk is 18 bytes long (as
// the synthesised sounds are written), else 16. The RIFF length counts the pad byte that
// follows a data chunk of odd length; the caller appends the samples and that byte.
std::vector<std::uint8_t> WavHeader(const WavFormat& format, std::uint32_t frames, bool factChunk);

}  // namespace fretwise

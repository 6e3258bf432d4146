#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace fretwise {

// A recording as one channel of samples from -1 to 1.
struct MonoSound {
    int sampleRate = 0;
    std::vector<float> samples;
};

// A WAV file's sound, or why it has none ("not a RIFF WAVE file", ...).
struct WavSamplesRead {
    std::optional<MonoSound> sound;
    std::string error;
};

// Reads 8-, 16-, 24- and 32-bit PCM and 32-bit float WAV files (also in the extensible
// format), any number of channels mixed down to their mean. A data chunk that ends early
// gives the whole frames the file holds; samples that are no number count as silence.
WavSamplesRead ReadWavSamples(const std::filesystem::path& file);
WavSamplesRead ReadWavSamples(std::span<const std::uint8_t> file);

}  // namespace fretwise

#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/sound/wav_format.hpp"

namespace fretwise {

// The samples of a WAV file as its format chunk describes them.
struct WavData {
    WavFormat format;
    std::span<const std::uint8_t> bytes;  // the data chunk, as far as the file holds it
    std::uint32_t declaredBytes = 0;      // the length the data chunk declares

    // Whether the data chunk holds samples and the file all of them: a player can stall for
    // good on a file that ends before its declared data.
    bool Complete() const { return declaredBytes > 0 && bytes.size() == declaredBytes; }
};

// A file's data chunk, or why it has none ("not a RIFF WAVE file", ...).
struct WavDataRead {
    std::optional<WavData> data;
    std::string error;
};

// Walks the chunks of a RIFF WAVE file to the first data chunk, skipping chunks it does not
// know; the format chunk must come first and describe samples the program reads (see
// WavFormat::Unreadable), also in the extensible format.
WavDataRead ReadWavData(std::span<const std::uint8_t> file);

// The bytes of a file up to kLargestWavFile, or why there are none.
struct WavBytes {
    std::vector<std::uint8_t> bytes;
    std::string error;
};
constexpr std::uintmax_t kLargestWavFile = 256u << 20;
WavBytes ReadWavBytes(const std::filesystem::path& file);

}  // namespace fretwise

#pragma once

#include <filesystem>

namespace fretwise {

// Whether the file is a WAV file the program reads (wav_reader.hpp) whose data chunk is
// present in full. The platform's player can stall for good on a file that ends before its
// declared data, so only complete files are handed to it.
bool IsCompleteWavFile(const std::filesystem::path& file);

}  // namespace fretwise

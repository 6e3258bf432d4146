#include "core/sound/wav_check.hpp"

#include "core/sound/wav_reader.hpp"

namespace fretwise {

bool IsCompleteWavFile(const std::filesystem::path& file) {
    const WavBytes read = ReadWavBytes(file);
    if (!read.error.empty()) {
        return false;
    }
    const WavDataRead wav = ReadWavData(read.bytes);
    return wav.data && wav.data->Complete();
}

}  // namespace fretwise

// libFuzzer target: any bytes as the WAV file `fretwise-cli pitch` reads. A file it reads has
// a sample rate and one finite sample per whole frame its data chunk holds, within -1 to 1
// unless stored as floats; the sound written by the WAV writer as 16-bit PCM reads back to
// exactly those 16-bit values, as a complete file.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>
#include <vector>

#include "core/sound/wav_reader.hpp"
#include "core/sound/wav_samples.hpp"
#include "core/sound/wav_writer.hpp"
#include "fuzz_check.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace fretwise;
    const std::span<const std::uint8_t> file(data, size);
    const WavDataRead wav = ReadWavData(file);
    const WavSamplesRead read = ReadWavSamples(file);
    Check(read.sound.has_value() == wav.data.has_value());
    Check(read.sound.has_value() == read.error.empty());
    if (!read.sound) {
        return 0;
    }
    const WavFormat& format = wav.data->format;
    Check(format.Unreadable().empty());
    Check(wav.data->bytes.size() <= wav.data->declaredBytes);
    Check(read.sound->sampleRate == format.sampleRate && format.sampleRate >= 1);
    const std::vector<float>& samples = read.sound->samples;
    Check(samples.size() == wav.data->bytes.size() / static_cast<std::size_t>(format.FrameBytes()));

    std::vector<std::int16_t> pcm;
    for (const float sample : samples) {
        Check(std::isfinite(sample));
        Check(format.tag == kWavFloat || (sample >= -1.0f && sample <= 1.0f));
        pcm.push_back(
            static_cast<std::int16_t>(std::clamp(std::lround(sample * 32768.0), -32768L, 32767L)));
    }
    const WavFormat written{kWavPcm, 1, format.sampleRate, 16};
    std::vector<std::uint8_t> copy =
        WavHeader(written, static_cast<std::uint32_t>(pcm.size()), false);
    for (const std::int16_t sample : pcm) {
        AppendLittleEndian(copy, static_cast<std::uint16_t>(sample), 2);
    }
    const WavDataRead copyData = ReadWavData(copy);
    Check(copyData.data && (pcm.empty() || copyData.data->Complete()));
    const WavSamplesRead back = ReadWavSamples(copy);
    Check(back.sound && back.sound->sampleRate == format.sampleRate &&
          back.sound->samples.size() == pcm.size());
    for (std::size_t i = 0; i < pcm.size(); ++i) {
        Check(back.sound->samples[i] == static_cast<float>(pcm[i]) / 32768.0f);
    }
    return 0;
}

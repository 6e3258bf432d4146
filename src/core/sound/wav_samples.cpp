#include "core/sound/wav_samples.hpp"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "core/sound/wav_reader.hpp"

namespace fretwise {

namespace {

using Bytes = std::span<const std::uint8_t>;

std::uint32_t LittleEndian(Bytes bytes, std::size_t at, int count) {
    return fretwise::LittleEndian(bytes.data() + at, count);
}

float Sample(Bytes bytes, std::size_t at, const WavFormat& format) {
    switch (format.bits) {
        case 8:
            return (float(bytes[at]) - 128.0f) / 128.0f;
        case 16:
            return float(std::int16_t(LittleEndian(bytes, at, 2))) / 32768.0f;
        case 24:
            // Shifted up to 32 bits so the sign comes along.
            return float(std::int32_t(LittleEndian(bytes, at, 3) << 8)) / 2147483648.0f;
        default:
            break;
    }
    const std::uint32_t word = LittleEndian(bytes, at, 4);
    if (format.tag == kWavPcm) {
        return float(std::int32_t(word)) / 2147483648.0f;
    }
    float value = 0.0f;
    static_assert(sizeof(value) == sizeof(word));
    std::memcpy(&value, &word, sizeof(value));
    return std::isfinite(value) ? value : 0.0f;
}

MonoSound MixDown(Bytes bytes, const WavFormat& format) {
    const std::size_t width = std::size_t(format.bits / 8);
    const std::size_t channels = std::size_t(format.channels);
    const std::size_t frames = bytes.size() / (width * channels);
    MonoSound sound{format.sampleRate, std::vector<float>(frames)};
    for (std::size_t f = 0; f < frames; ++f) {
        double sum = 0.0;
        for (std::size_t c = 0; c < channels; ++c) {
            sum += Sample(bytes, (f * channels + c) * width, format);
        }
        sound.samples[f] = float(sum / double(channels));
    }
    return sound;
}

}  // namespace

WavSamplesRead ReadWavSamples(std::span<const std::uint8_t> file) {
    const WavDataRead read = ReadWavData(file);
    if (!read.data) {
        return {std::nullopt, read.error};
    }
    return {MixDown(read.data->bytes, read.data->format), {}};
}

WavSamplesRead ReadWavSamples(const std::filesystem::path& file) {
    const WavBytes read = ReadWavBytes(file);
    if (!read.error.empty()) {
        return {std::nullopt, read.error};
    }
    return ReadWavSamples(read.bytes);
}

}  // namespace fretwise

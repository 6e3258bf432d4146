#include "core/sound/wav_samples.hpp"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string_view>

#include "core/sound/wav_format.hpp"

namespace fretwise {

namespace {

struct Format {
    std::uint16_t tag = 0;
    int channels = 0;
    int sampleRate = 0;
    int bits = 0;
};

using Bytes = std::vector<unsigned char>;

std::uint32_t LittleEndian(const Bytes& bytes, std::size_t at, int count) {
    return fretwise::LittleEndian(bytes.data() + at, count);
}

std::string_view Id(const Bytes& bytes, std::size_t at) {
    return {reinterpret_cast<const char*>(bytes.data()) + at, 4};
}

std::optional<Format> ReadFormat(const Bytes& bytes, std::size_t at, std::uint32_t size) {
    if (size < 16) {
        return std::nullopt;
    }
    Format format{static_cast<std::uint16_t>(LittleEndian(bytes, at, 2)),
                  static_cast<int>(LittleEndian(bytes, at + 2, 2)),
                  static_cast<int>(LittleEndian(bytes, at + 4, 4) & 0x7FFFFFFF),
                  static_cast<int>(LittleEndian(bytes, at + 14, 2))};
    // The extensible format names the real one in the first bytes of its sub-format.
    if (format.tag == kWavExtensible && size >= 26) {
        format.tag = static_cast<std::uint16_t>(LittleEndian(bytes, at + 24, 2));
    }
    return format;
}

std::string FormatError(const Format& format) {
    const bool pcm = format.tag == kWavPcm && (format.bits == 8 || format.bits == 16 ||
                                               format.bits == 24 || format.bits == 32);
    const bool floats = format.tag == kWavFloat && format.bits == 32;
    if (!pcm && !floats) {
        return "the samples are neither 8-, 16-, 24- or 32-bit PCM nor 32-bit float";
    }
    if (format.channels < 1) {
        return "the format has no channels";
    }
    if (format.sampleRate < 1) {
        return "the format has no sample rate";
    }
    return {};
}

float Sample(const Bytes& bytes, std::size_t at, const Format& format) {
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

MonoSound MixDown(const Bytes& bytes, std::size_t at, std::size_t size, const Format& format) {
    const std::size_t width = std::size_t(format.bits / 8);
    const std::size_t channels = std::size_t(format.channels);
    const std::size_t frames = size / (width * channels);
    MonoSound sound{format.sampleRate, std::vector<float>(frames)};
    for (std::size_t f = 0; f < frames; ++f) {
        double sum = 0.0;
        for (std::size_t c = 0; c < channels; ++c) {
            sum += Sample(bytes, at + (f * channels + c) * width, format);
        }
        sound.samples[f] = float(sum / double(channels));
    }
    return sound;
}

}  // namespace

WavSamplesRead ReadWavSamples(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return {std::nullopt, "the file cannot be opened"};
    }
    const Bytes bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) {
        return {std::nullopt, "the file cannot be read"};
    }
    if (bytes.size() < 12 || Id(bytes, 0) != "RIFF" || Id(bytes, 8) != "WAVE") {
        return {std::nullopt, "not a RIFF WAVE file"};
    }
    std::optional<Format> format;
    std::size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const std::size_t body = at + 8;
        const std::size_t size =
            std::min<std::size_t>(LittleEndian(bytes, at + 4, 4), bytes.size() - body);
        if (Id(bytes, at) == "fmt ") {
            format = ReadFormat(bytes, body, std::uint32_t(size));
            if (!format) {
                return {std::nullopt, "the format chunk is too short"};
            }
            if (std::string error = FormatError(*format); !error.empty()) {
                return {std::nullopt, error};
            }
        } else if (Id(bytes, at) == "data") {
            if (!format) {
                return {std::nullopt, "the data comes before the format chunk"};
            }
            return {MixDown(bytes, body, size, *format), {}};
        }
        at = body + size + (size % 2);
    }
    return {std::nullopt, "the file has no data chunk"};
}

}  // namespace fretwise

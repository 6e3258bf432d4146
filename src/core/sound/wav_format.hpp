#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace fretwise {

// The format tags of WAV files: integer samples, floating-point samples, and the extensible
// header that names one of them further on.
constexpr std::uint16_t kWavPcm = 1;
constexpr std::uint16_t kWavFloat = 3;
constexpr std::uint16_t kWavExtensible = 0xFFFE;

// What the format chunk of a WAV file says about its samples.
struct WavFormat {
    std::uint16_t tag = kWavPcm;
    int channels = 1;
    int sampleRate = 0;
    int bits = 8;

    // Bytes of one frame: a sample of every channel.
    int FrameBytes() const { return channels * (bits / 8); }
    // Why the program cannot read such samples; empty when it can: 8-, 16-, 24- or 32-bit PCM
    // or 32-bit float, one channel or more, a sample rate.
    std::string Unreadable() const;
};

// The unsigned number held in count bytes, least significant first.
inline std::uint32_t LittleEndian(const unsigned char* bytes, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = (value << 8) | bytes[i];
    }
    return value;
}

// Appends the lowest count bytes of value, least significant first.
inline void AppendLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) {
        out.push_back(static_cast<std::uint8_t>((value >> (8 * i)) & 0xFF));
    }
}

}  // namespace fretwise

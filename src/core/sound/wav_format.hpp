#pragma once

#include <cstdint>

namespace fretwise {

// The format tags of the WAV files the program reads: integer samples, floating-point
// samples, and the extensible header that names one of them further on.
constexpr std::uint16_t kWavPcm = 1;
constexpr std::uint16_t kWavFloat = 3;
constexpr std::uint16_t kWavExtensible = 0xFFFE;

// The unsigned number held in count bytes, least significant first.
inline std::uint32_t LittleEndian(const unsigned char* bytes, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = (value << 8) | bytes[i];
    }
    return value;
}

}  // namespace fretwise

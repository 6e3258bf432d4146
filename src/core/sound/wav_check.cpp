#include "core/sound/wav_check.hpp"

#include <array>
#include <cstdint>
#include <fstream>
#include <string_view>
#include <system_error>

#include "core/sound/wav_format.hpp"

namespace fretwise {

namespace {

constexpr int kMostChunks = 64;

bool ReadExactly(std::ifstream& in, unsigned char* out, std::size_t count) {
    in.read(reinterpret_cast<char*>(out), static_cast<std::streamsize>(count));
    return static_cast<std::size_t>(in.gcount()) == count;
}

bool IsFormatPlayable(std::ifstream& in, std::uint32_t size) {
    std::array<unsigned char, 16> fmt{};
    if (size < fmt.size() || !ReadExactly(in, fmt.data(), fmt.size())) {
        return false;
    }
    const auto tag = static_cast<std::uint16_t>(LittleEndian(&fmt[0], 2));
    const auto channels = LittleEndian(&fmt[2], 2);
    const auto rate = LittleEndian(&fmt[4], 4);
    const auto bits = LittleEndian(&fmt[14], 2);
    return (tag == kWavPcm || tag == kWavFloat || tag == kWavExtensible) && channels >= 1 &&
           rate > 0 && (bits == 8 || bits == 16 || bits == 24 || bits == 32);
}

}  // namespace

bool IsCompleteWavFile(const std::filesystem::path& file) {
    std::error_code ec;
    const std::uintmax_t fileSize = std::filesystem::file_size(file, ec);
    if (ec) {
        return false;
    }
    std::ifstream in(file, std::ios::binary);
    std::array<unsigned char, 12> riff{};
    if (!ReadExactly(in, riff.data(), riff.size()) ||
        std::string_view(reinterpret_cast<const char*>(riff.data()), 4) != "RIFF" ||
        std::string_view(reinterpret_cast<const char*>(riff.data()) + 8, 4) != "WAVE") {
        return false;
    }
    std::uintmax_t offset = riff.size();
    bool formatSeen = false;
    for (int chunk = 0; chunk < kMostChunks; ++chunk) {
        std::array<unsigned char, 8> head{};
        in.seekg(static_cast<std::streamoff>(offset));
        if (!ReadExactly(in, head.data(), head.size())) {
            return false;
        }
        const std::string_view id(reinterpret_cast<const char*>(head.data()), 4);
        const std::uint32_t size = LittleEndian(&head[4], 4);
        const std::uintmax_t body = offset + head.size();
        if (id == "fmt ") {
            if (!IsFormatPlayable(in, size)) {
                return false;
            }
            formatSeen = true;
        } else if (id == "data") {
            return formatSeen && size > 0 && body + size <= fileSize;
        }
        offset = body + size + (size % 2);
    }
    return false;
}

}  // namespace fretwise

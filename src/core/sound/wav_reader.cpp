#include "core/sound/wav_reader.hpp"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string_view>
#include <system_error>

namespace fretwise {

namespace {

constexpr std::size_t kChunkHeader = 8;

std::string_view Id(std::span<const std::uint8_t> file, std::size_t at) {
    return {reinterpret_cast<const char*>(file.data()) + at, 4};
}

std::uint32_t Number(std::span<const std::uint8_t> bytes, std::size_t at, int count) {
    return LittleEndian(bytes.data() + at, count);
}

std::optional<WavFormat> ReadFormat(std::span<const std::uint8_t> chunk) {
    if (chunk.size() < 16) {
        return std::nullopt;
    }
    WavFormat format{
        static_cast<std::uint16_t>(Number(chunk, 0, 2)), static_cast<int>(Number(chunk, 2, 2)),
        static_cast<int>(Number(chunk, 4, 4) & 0x7FFFFFFF), static_cast<int>(Number(chunk, 14, 2))};
    // The extensible format names the real one in the first bytes of its sub-format.
    if (format.tag == kWavExtensible && chunk.size() >= 26) {
        format.tag = static_cast<std::uint16_t>(Number(chunk, 24, 2));
    }
    return format;
}

}  // namespace

std::string WavFormat::Unreadable() const {
    const bool pcm = tag == kWavPcm && (bits == 8 || bits == 16 || bits == 24 || bits == 32);
    const bool floats = tag == kWavFloat && bits == 32;
    if (!pcm && !floats) {
        return "the samples are neither 8-, 16-, 24- or 32-bit PCM nor 32-bit float";
    }
    if (channels < 1) {
        return "the format has no channels";
    }
    if (sampleRate < 1) {
        return "the format has no sample rate";
    }
    return {};
}

WavDataRead ReadWavData(std::span<const std::uint8_t> file) {
    if (file.size() < 12 || Id(file, 0) != "RIFF" || Id(file, 8) != "WAVE") {
        return {std::nullopt, "not a RIFF WAVE file"};
    }
    std::optional<WavFormat> format;
    std::size_t at = 12;
    while (at + kChunkHeader <= file.size()) {
        const std::size_t body = at + kChunkHeader;
        const std::uint32_t declared = Number(file, at + 4, 4);
        const std::span<const std::uint8_t> chunk =
            file.subspan(body, std::min<std::size_t>(declared, file.size() - body));
        if (Id(file, at) == "fmt ") {
            format = ReadFormat(chunk);
            if (!format) {
                return {std::nullopt, "the format chunk is too short"};
            }
            if (std::string error = format->Unreadable(); !error.empty()) {
                return {std::nullopt, error};
            }
        } else if (Id(file, at) == "data") {
            if (!format) {
                return {std::nullopt, "the data comes before the format chunk"};
            }
            return {WavData{*format, chunk, declared}, {}};
        }
        at = body + chunk.size() + chunk.size() % 2;
    }
    return {std::nullopt, "the file has no data chunk"};
}

WavBytes ReadWavBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return {{}, "the file cannot be opened"};
    }
    std::error_code ec;
    if (std::filesystem::file_size(file, ec) > kLargestWavFile && !ec) {
        return {{}, "the file is larger than 256 MB"};
    }
    // Reading a directory throws from inside the stream buffer.
    try {
        WavBytes read{{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()}, {}};
        if (!in.bad()) {
            return read;
        }
    } catch (const std::ios_base::failure&) {
    }
    return {{}, "the file cannot be read"};
}

}  // namespace fretwise

#include "core/sound/wav_writer.hpp"

#include <string_view>

namespace fretwise {

namespace {

void AppendId(std::vector<std::uint8_t>& out, std::string_view id) {
    out.insert(out.end(), id.begin(), id.end());
}

}  // namespace

std::vector<std::uint8_t> WavHeader(const WavFormat& format, std::uint32_t frames, bool factChunk) {
    const auto frameBytes = static_cast<std::uint32_t>(format.FrameBytes());
    const std::uint32_t dataBytes = frames * frameBytes;
    const std::uint32_t formatBytes = factChunk ? 18 : 16;
    const std::uint32_t factBytes = factChunk ? 12 : 0;
    std::vector<std::uint8_t> out;
    AppendId(out, "RIFF");
    AppendLittleEndian(out, 4 + 8 + formatBytes + factBytes + 8 + dataBytes + dataBytes % 2, 4);
    AppendId(out, "WAVE");
    AppendId(out, "fmt ");
    AppendLittleEndian(out, formatBytes, 4);
    AppendLittleEndian(out, format.tag, 2);
    AppendLittleEndian(out, static_cast<std::uint32_t>(format.channels), 2);
    AppendLittleEndian(out, static_cast<std::uint32_t>(format.sampleRate), 4);
    AppendLittleEndian(out, static_cast<std::uint32_t>(format.sampleRate) * frameBytes, 4);
    AppendLittleEndian(out, frameBytes, 2);
    AppendLittleEndian(out, static_cast<std::uint32_t>(format.bits), 2);
    if (factChunk) {
        AppendLittleEndian(out, 0, 2);  // no extra format bytes
        AppendId(out, "fact");
        AppendLittleEndian(out, 4, 4);
        AppendLittleEndian(out, frames, 4);
    }
    AppendId(out, "data");
    AppendLittleEndian(out, dataBytes, 4);
    return out;
}

}  // namespace fretwise

#include "core/sound/wav_headers.hpp"

#include <array>
#include <span>
#include <string_view>

namespace fretwise {

namespace {

constexpr std::uint32_t kSampleRate = 8000;
constexpr std::uint32_t kChordSamples = 22000;
// The note's data chunk covers every sample but the last byte, which is the pad byte of
// the odd-length chunk.
constexpr std::uint32_t kNoteSamples = kNoteWavSize - kWavHeaderSize - 1;
constexpr std::array<std::uint8_t, kChordLeadInSize> kChordLeadIn = {128, 128, 128, 128, 127,
                                                                     128, 127, 128, 127, 128};

class ByteWriter {
  public:
    explicit ByteWriter(std::span<std::uint8_t> out) : out_(out) {}

    void Text(std::string_view text) {
        for (char ch : text) {
            out_[pos_++] = static_cast<std::uint8_t>(ch);
        }
    }
    void U16(std::uint16_t value) {
        out_[pos_++] = static_cast<std::uint8_t>(value & 0xFF);
        out_[pos_++] = static_cast<std::uint8_t>(value >> 8);
    }
    void U32(std::uint32_t value) {
        for (int shift = 0; shift < 32; shift += 8) {
            out_[pos_++] = static_cast<std::uint8_t>((value >> shift) & 0xFF);
        }
    }
    void Byte(std::uint8_t value) { out_[pos_++] = value; }

  private:
    std::span<std::uint8_t> out_;
    std::size_t pos_ = 0;
};

void WriteHeader(ByteWriter& w, std::uint32_t fileSize, std::uint32_t samples) {
    w.Text("RIFF");
    w.U32(fileSize - 8);
    w.Text("WAVE");
    w.Text("fmt ");
    w.U32(18);
    w.U16(1);  // PCM
    w.U16(1);  // mono
    w.U32(kSampleRate);
    w.U32(kSampleRate);  // bytes per second
    w.U16(1);            // block alignment
    w.U16(8);            // bits per sample
    w.U16(0);            // no extra format bytes
    w.Text("fact");
    w.U32(4);
    w.U32(samples);
    w.Text("data");
    w.U32(samples);
}

}  // namespace

WavHeaders InitWavHeaders() {
    WavHeaders headers{};
    ByteWriter chord(headers.ChordWavHeader);
    WriteHeader(chord, kChordWavSize, kChordSamples);
    for (const std::uint8_t sample : kChordLeadIn) {
        chord.Byte(sample);
    }
    ByteWriter note(headers.NoteWavHeader);
    WriteHeader(note, kNoteWavSize, kNoteSamples);
    return headers;
}

const WavHeaders& TheWavHeaders() {
    static const WavHeaders headers = InitWavHeaders();
    return headers;
}

}  // namespace fretwise

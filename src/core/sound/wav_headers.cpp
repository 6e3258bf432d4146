#include "core/sound/wav_headers.hpp"

#include <algorithm>
#include <array>
#include <vector>

#include "core/sound/wav_writer.hpp"

namespace fretwise {

namespace {

constexpr int kSampleRate = 8000;
constexpr std::uint32_t kChordSamples = 22000;
// The note's data chunk covers every sample but the last byte, which is the pad byte of
// the odd-length chunk.
constexpr std::uint32_t kNoteSamples = kNoteWavSize - kWavHeaderSize - 1;
constexpr std::array<std::uint8_t, kChordLeadInSize> kChordLeadIn = {128, 128, 128, 128, 127,
                                                                     128, 127, 128, 127, 128};

// 8000 Hz, 8-bit unsigned mono PCM.
constexpr WavFormat kSoundFormat{kWavPcm, 1, kSampleRate, 8};

}  // namespace

WavHeaders InitWavHeaders() {
    WavHeaders headers{};
    const std::vector<std::uint8_t> chord = WavHeader(kSoundFormat, kChordSamples, true);
    std::copy(chord.begin(), chord.end(), headers.ChordWavHeader.begin());
    std::copy(kChordLeadIn.begin(), kChordLeadIn.end(),
              headers.ChordWavHeader.begin() + kWavHeaderSize);
    const std::vector<std::uint8_t> note = WavHeader(kSoundFormat, kNoteSamples, true);
    std::copy(note.begin(), note.end(), headers.NoteWavHeader.begin());
    return headers;
}

const WavHeaders& TheWavHeaders() {
    static const WavHeaders headers = InitWavHeaders();
    return headers;
}

}  // namespace fretwise

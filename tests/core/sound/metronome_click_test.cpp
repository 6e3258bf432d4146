#include "core/sound/metronome_click.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "core/sound/wav_reader.hpp"

namespace fretwise::test {
namespace {

// How far the samples swing from silence (128), at most.
int Swing(const WavData& data) {
    int swing = 0;
    for (const std::uint8_t sample : data.bytes) {
        swing = std::max(swing, std::abs(static_cast<int>(sample) - 128));
    }
    return swing;
}

TEST(MetronomeClickTest, AShortTickThatPlayersReadTheAccentLouder) {
    for (const bool accented : {true, false}) {
        const std::vector<std::uint8_t> wav = MetronomeClickWav(accented);
        const WavDataRead read = ReadWavData(wav);
        ASSERT_TRUE(read.data) << read.error;
        EXPECT_TRUE(read.data->Complete());
        EXPECT_EQ(read.data->format.sampleRate, 8000);
        EXPECT_EQ(read.data->format.channels, 1);
        EXPECT_EQ(read.data->format.bits, 8);
        EXPECT_EQ(read.data->bytes.size(), 320u);
        // It fades out within its 40 ms.
        EXPECT_LE(std::abs(static_cast<int>(read.data->bytes.back()) - 128), 2);
    }
    const std::vector<std::uint8_t> accentWav = MetronomeClickWav(true);
    const std::vector<std::uint8_t> beatWav = MetronomeClickWav(false);
    const WavDataRead accent = ReadWavData(accentWav);
    const WavDataRead beat = ReadWavData(beatWav);
    EXPECT_GT(Swing(*accent.data), Swing(*beat.data) + 20);
}

}  // namespace
}  // namespace fretwise::test

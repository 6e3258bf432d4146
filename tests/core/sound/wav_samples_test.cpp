#include "core/sound/wav_samples.hpp"

#include <gtest/gtest.h>

#include "core/sound/wav_reader.hpp"
#include "support/temp_dir.hpp"
#include "support/tones.hpp"

namespace fretwise::test {
namespace {

class WavSamplesTest : public TempDirTest {
  protected:
    WavSamplesRead Read(const std::string& bytes) {
        WriteBytes(dir / "x.wav", bytes);
        return ReadWavSamples(dir / "x.wav");
    }
};

TEST_F(WavSamplesTest, EverySampleFormatReadsBackWithinItsResolution) {
    // Stereo is mixed down: left 0.5 and right -0.25, then a frame cut short.
    std::string stereo = WavFile({0.5f, -0.25f, 0.5f}, 8000, 16);
    stereo[22] = 2;
    const WavSamplesRead mixed = Read(stereo);
    ASSERT_TRUE(mixed.sound) << mixed.error;
    EXPECT_EQ(mixed.sound->samples, std::vector<float>{0.125f});

    const std::vector<float> samples = {0.0f, 0.5f, -0.5f, 0.25f, -1.0f};
    for (const auto& [bits, resolution] :
         {std::pair{8, 1.0 / 127}, {16, 1.0 / 32767}, {24, 1.0 / 8388607}, {32, 0.0}}) {
        for (const int channels : {1, 2}) {
            const WavSamplesRead read = Read(WavFile(samples, 22050, bits, channels));
            ASSERT_TRUE(read.sound) << bits << " bits: " << read.error;
            EXPECT_EQ(read.sound->sampleRate, 22050);
            ASSERT_EQ(read.sound->samples.size(), samples.size()) << bits;
            for (std::size_t i = 0; i < samples.size(); ++i) {
                EXPECT_NEAR(read.sound->samples[i], samples[i], resolution + 1e-6) << bits;
            }
        }
    }
}

TEST_F(WavSamplesTest, BrokenFilesSayWhy) {
    const std::string good = WavFile({0.1f}, 8000, 16);
    std::string twelveBits = good;
    twelveBits[34] = 12;
    std::string noRate = good;
    noRate.replace(24, 4, std::string(4, '\0'));
    const std::pair<std::string, std::string> cases[] = {
        {"", "not a RIFF WAVE file"},
        {std::string("RIFF\0\0\0\0WAVEfmt ", 16), "the file has no data chunk"},
        {good.substr(0, 36), "the file has no data chunk"},
        {good.substr(0, 12) + good.substr(36), "the data comes before the format chunk"},
        {twelveBits, "the samples are neither 8-, 16-, 24- or 32-bit PCM nor 32-bit float"},
        {noRate, "the format has no sample rate"},
    };
    for (const auto& [bytes, error] : cases) {
        const WavSamplesRead read = Read(bytes);
        EXPECT_FALSE(read.sound) << error;
        EXPECT_EQ(read.error, error);
    }
    EXPECT_EQ(ReadWavSamples(dir / "missing.wav").error, "the file cannot be opened");
    EXPECT_EQ(ReadWavSamples(dir).error, "the file cannot be read");
    WriteBytes(dir / "huge.wav", good);
    std::filesystem::resize_file(dir / "huge.wav", kLargestWavFile + 1);  // sparse
    EXPECT_EQ(ReadWavSamples(dir / "huge.wav").error, "the file is larger than 256 MB");
}

}  // namespace
}  // namespace fretwise::test

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <tuple>
#include <vector>

namespace fretwise::test {
namespace {

namespace fs = std::filesystem;

constexpr double kRate = 44100;

// The samples of a canonical 44-byte-header file of 16-bit mono PCM at 44100 per second.
std::vector<double> ReadTone(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::string b((std::istreambuf_iterator<char>(in)), {});
    // Format PCM, one channel, 44100 samples and 88200 bytes a second, 2-byte blocks of 16 bits.
    EXPECT_EQ(b.substr(20, 16),
              std::string("\x01\0\x01\0\x44\xac\0\0\x88\x58\x01\0\x02\0\x10\0", 16));
    EXPECT_EQ(b.substr(36, 4), "data");
    std::vector<double> samples;
    for (std::size_t at = 44; at + 1 < b.size(); at += 2) {
        samples.push_back(static_cast<std::int16_t>(static_cast<std::uint8_t>(b[at]) |
                                                    static_cast<std::uint8_t>(b[at + 1]) << 8));
    }
    return samples;
}

// Energy of the DFT bin (and its mirror) as a share of the signal's energy.
double BinShare(const std::vector<double>& x, long long bin) {
    const std::size_t n = x.size();
    std::complex<double> sum;
    for (std::size_t i = 0; i < n; ++i) {
        const double angle =
            -2.0 * std::numbers::pi *
            static_cast<double>((bin * static_cast<long long>(i)) % static_cast<long long>(n)) /
            static_cast<double>(n);
        sum += x[i] * std::polar(1.0, angle);
    }
    double energy = 0;
    for (double v : x) {
        energy += v * v;
    }
    return 2.0 * std::norm(sum) / static_cast<double>(n) / energy;
}

TEST(ReferenceTones, LoopSeamlesslyAtTheirPitch) {
    const std::tuple<const char*, int> cases[] = {
        {"e-h.wav", -5},  {"b.wav", -10}, {"g.wav", -14},  {"d.wav", -19}, {"a.wav", -24},
        {"e-l.wav", -29}, {"a-c.wav", 0}, {"bb-c.wav", 1}, {"c-c.wav", 3}};
    for (const auto& [file, semitonesFromA440] : cases) {
        SCOPED_TRACE(file);
        const std::vector<double> tone = ReadTone(fs::path(FRETWISE_TONES_DIR) / file);
        ASSERT_GT(tone.size(), 44100u);

        // The fundamental is the strongest whole-cycle bin near the expected pitch.
        const double expected = 440.0 * std::pow(2.0, semitonesFromA440 / 12.0);
        const auto length = static_cast<double>(tone.size());
        const auto guess = std::llround(expected * length / kRate);
        long long cycles = guess;
        for (long long bin = guess - 2; bin <= guess + 2; ++bin) {
            if (BinShare(tone, bin) > BinShare(tone, cycles)) {
                cycles = bin;
            }
        }
        const double pitch = static_cast<double>(cycles) * kRate / length;
        EXPECT_LT(std::abs(1200.0 * std::log2(pitch / expected)), 0.1);

        // Whole cycles of every partial: the harmonics' bins hold all the energy (a seam
        // would spread it), and the step from the last sample to the first is an ordinary one.
        double harmonics = 0;
        for (long long h = 1; h <= 6; ++h) {
            harmonics += BinShare(tone, cycles * h);
        }
        EXPECT_GT(harmonics, 0.9999);
        double largestStep = 0;
        for (std::size_t i = 1; i < tone.size(); ++i) {
            largestStep = std::max(largestStep, std::abs(tone[i] - tone[i - 1]));
        }
        EXPECT_LE(std::abs(tone.front() - tone.back()), largestStep);
    }
}

}  // namespace
}  // namespace fretwise::test

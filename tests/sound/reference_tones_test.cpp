#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <vector>

namespace fretwise::test {
namespace {

namespace fs = std::filesystem;

struct Tone {
    std::vector<double> samples;
    std::uint32_t rate = 0;
    std::uint16_t channels = 0, bits = 0;
};

std::uint32_t LE(const std::vector<unsigned char>& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        v = (v << 8) | b.at(at + static_cast<std::size_t>(i));
    }
    return v;
}

// Reads a canonical 44-byte-header PCM file.
Tone ReadTone(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::vector<unsigned char> b((std::istreambuf_iterator<char>(in)), {});
    Tone t;
    if (b.size() < 44 || std::string(b.begin(), b.begin() + 4) != "RIFF" ||
        std::string(b.begin() + 36, b.begin() + 40) != "data") {
        return t;
    }
    t.channels = static_cast<std::uint16_t>(LE(b, 22, 2));
    t.rate = LE(b, 24, 4);
    t.bits = static_cast<std::uint16_t>(LE(b, 34, 2));
    const std::uint32_t bytes = LE(b, 40, 4);
    for (std::size_t at = 44; at + 1 < 44 + static_cast<std::size_t>(bytes); at += 2) {
        t.samples.push_back(static_cast<std::int16_t>(LE(b, at, 2)));
    }
    return t;
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
    struct Case {
        const char* file;
        int semitonesFromA440;
    };
    const Case cases[] = {{"e-h.wav", -5}, {"b.wav", -10},  {"g.wav", -14},
                          {"d.wav", -19},  {"a.wav", -24},  {"e-l.wav", -29},
                          {"a-c.wav", 0},  {"bb-c.wav", 1}, {"c-c.wav", 3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const Tone tone = ReadTone(fs::path(FRETWISE_TONES_DIR) / c.file);
        ASSERT_GT(tone.samples.size(), 44100u);
        EXPECT_EQ(tone.rate, 44100u);
        EXPECT_EQ(tone.channels, 1u);
        EXPECT_EQ(tone.bits, 16u);

        // The fundamental is the strongest whole-cycle bin near the expected pitch.
        const double expected = 440.0 * std::pow(2.0, c.semitonesFromA440 / 12.0);
        const auto length = static_cast<double>(tone.samples.size());
        const auto guess = std::llround(expected * length / tone.rate);
        long long cycles = guess;
        for (long long bin = guess - 2; bin <= guess + 2; ++bin) {
            if (BinShare(tone.samples, bin) > BinShare(tone.samples, cycles)) {
                cycles = bin;
            }
        }
        const double pitch = static_cast<double>(cycles) * tone.rate / length;
        EXPECT_LT(std::abs(1200.0 * std::log2(pitch / expected)), 0.1);

        // Whole cycles of every partial: the harmonics' bins hold all the energy (a seam
        // would spread it), and the step from the last sample to the first is an ordinary one.
        double harmonics = 0;
        for (long long h = 1; h <= 6; ++h) {
            harmonics += BinShare(tone.samples, cycles * h);
        }
        EXPECT_GT(harmonics, 0.9999);
        double largestStep = 0;
        for (std::size_t i = 1; i < tone.samples.size(); ++i) {
            largestStep = std::max(largestStep, std::abs(tone.samples[i] - tone.samples[i - 1]));
        }
        EXPECT_LE(std::abs(tone.samples.front() - tone.samples.back()), largestStep);
    }
}

}  // namespace
}  // namespace fretwise::test

#pragma once

// Generated sounds for the pitch tests, and WAV files of them.

#include <cmath>
#include <cstdint>
#include <cstring>
#include <numbers>
#include <random>
#include <string>
#include <vector>

namespace fretwise::test {

inline double NoteHz(int note, double cents = 0.0) {
    return 440.0 * std::exp2((note - 69 + cents / 100.0) / 12.0);
}

inline std::vector<float> Sine(double hz, int rate, double seconds, double amplitude = 0.5) {
    std::vector<float> s(std::size_t(rate * seconds));
    for (std::size_t i = 0; i < s.size(); ++i) {
        s[i] = float(amplitude * std::sin(2.0 * std::numbers::pi * hz * double(i) / rate));
    }
    return s;
}

// Uniform white noise.
inline std::vector<float> WhiteNoise(std::size_t count, double amplitude, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> uniform(-amplitude, amplitude);
    std::vector<float> noise(count);
    for (float& v : noise) {
        v = float(uniform(random));
    }
    return noise;
}

// A plucked string: eight harmonics dying away the faster the higher they are, the
// fundamental half as strong as the second harmonic (as on a low E string), and white noise
// 20 dB below the tone's mean power.
inline std::vector<float> PluckedString(double hz, int rate, double seconds = 1.0,
                                        unsigned seed = 1) {
    std::vector<float> s(std::size_t(rate * seconds));
    double power = 0.0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = double(i) / rate;
        double v = 0.0;
        for (int h = 1; h <= 8 && h * hz < rate / 2.0; ++h) {
            const double strength = h == 1 ? 0.5 : h == 2 ? 1.0 : 1.0 / h;
            v += strength * std::exp(-t * h / 1.5) *
                 std::sin(2.0 * std::numbers::pi * h * hz * t + h);
        }
        s[i] = float(0.3 * v);
        power += double(s[i]) * s[i];
    }
    // Uniform noise from -a to a has the power a * a / 3.
    const std::vector<float> noise =
        WhiteNoise(s.size(), std::sqrt(3.0 * power / double(s.size())) / 10.0, seed);
    for (std::size_t i = 0; i < s.size(); ++i) {
        s[i] += noise[i];
    }
    return s;
}

// A WAV file of the samples: 8, 16 or 24-bit PCM (tag 1) or 32-bit float (tag 3), every
// sample on each of the channels.
inline std::string WavFile(const std::vector<float>& samples, int rate, int bits,
                           int channels = 1) {
    const auto put = [](std::string& out, std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            out += char((value >> (8 * i)) & 0xFF);
        }
    };
    std::string data;
    for (const float v : samples) {
        for (int c = 0; c < channels; ++c) {
            if (bits == 32) {
                std::uint32_t word = 0;
                std::memcpy(&word, &v, 4);
                put(data, word, 4);
            } else if (bits == 8) {
                put(data, std::uint32_t(std::lround(v * 127.0 + 128.0)), 1);
            } else {
                const double full = std::exp2(bits - 1) - 1.0;
                put(data, std::uint32_t(std::int32_t(std::lround(v * full))), bits / 8);
            }
        }
    }
    std::string wav = "RIFF";
    put(wav, std::uint32_t(36 + data.size()), 4);
    wav += "WAVEfmt ";
    put(wav, 16, 4);
    put(wav, bits == 32 ? 3 : 1, 2);
    put(wav, std::uint32_t(channels), 2);
    put(wav, std::uint32_t(rate), 4);
    put(wav, std::uint32_t(rate * channels * bits / 8), 4);
    put(wav, std::uint32_t(channels * bits / 8), 2);
    put(wav, std::uint32_t(bits), 2);
    wav += "data";
    put(wav, std::uint32_t(data.size()), 4);
    return wav + data;
}

}  // namespace fretwise::test

#include "sound/synthesis.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "sound/wav_headers.hpp"

namespace fretwise::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Byte at a 1-based file position.
std::uint8_t At(const Bytes& wav, int position) {
    return wav.at(static_cast<std::size_t>(position - 1));
}

std::uint32_t U32At(const Bytes& wav, std::size_t offset) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) {
        v = (v << 8) | wav.at(offset + static_cast<std::size_t>(i));
    }
    return v;
}

std::uint16_t U16At(const Bytes& wav, std::size_t offset) {
    return static_cast<std::uint16_t>(wav.at(offset) | (wav.at(offset + 1) << 8));
}

std::string TextAt(const Bytes& wav, std::size_t offset) {
    return std::string(wav.begin() + static_cast<std::ptrdiff_t>(offset),
                       wav.begin() + static_cast<std::ptrdiff_t>(offset) + 4);
}

// 1-based position of the first byte where two files differ, 0 when they are equal.
int FirstDifference(const Bytes& a, const Bytes& b) {
    for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i) {
        if (a[i] != b[i]) {
            return static_cast<int>(i) + 1;
        }
    }
    return a.size() == b.size() ? 0 : static_cast<int>(std::min(a.size(), b.size())) + 1;
}

std::uint64_t Fnv1a(const Bytes& bytes) {
    std::uint64_t h = 14695981039346656037ull;
    for (std::uint8_t b : bytes) {
        h = (h ^ b) * 1099511628211ull;
    }
    return h;
}

const std::vector<double> kSixStrings = {19, 14, 10, 5, 0, -5};

TEST(WavHeaders, DescribeEightBitMonoAtEightKilohertz) {
    struct Case {
        Bytes wav;
        std::uint32_t riffLength, samples;
    };
    const Case cases[] = {{RenderChordWav(kSixStrings, StrumMode::Block), 22050, 22000},
                          {RenderNoteWav(12), 10024, 9973}};
    for (const Case& c : cases) {
        EXPECT_EQ(TextAt(c.wav, 0), "RIFF");
        EXPECT_EQ(U32At(c.wav, 4), c.riffLength);
        EXPECT_EQ(c.wav.size(), c.riffLength + 8);
        EXPECT_EQ(TextAt(c.wav, 8), "WAVE");
        EXPECT_EQ(TextAt(c.wav, 12), "fmt ");
        EXPECT_EQ(U32At(c.wav, 16), 18u);
        EXPECT_EQ(U16At(c.wav, 20), 1u);
        EXPECT_EQ(U16At(c.wav, 22), 1u);
        EXPECT_EQ(U32At(c.wav, 24), 8000u);
        EXPECT_EQ(U32At(c.wav, 28), 8000u);
        EXPECT_EQ(U16At(c.wav, 32), 1u);
        EXPECT_EQ(U16At(c.wav, 34), 8u);
        EXPECT_EQ(U16At(c.wav, 36), 0u);
        EXPECT_EQ(TextAt(c.wav, 38), "fact");
        EXPECT_EQ(U32At(c.wav, 42), 4u);
        EXPECT_EQ(U32At(c.wav, 46), c.samples);
        EXPECT_EQ(TextAt(c.wav, 50), "data");
        EXPECT_EQ(U32At(c.wav, 54), c.samples);
    }
}

TEST(RenderChordWav, StartsWithTheLeadInAndEndsOnTheZeroLine) {
    const Bytes leadIn = {128, 128, 128, 128, 127, 128, 127, 128, 127, 128};
    for (const std::vector<double>& notes :
         {kSixStrings, std::vector<double>{12}, std::vector<double>{-20, 39}}) {
        for (StrumMode mode : {StrumMode::Block, StrumMode::Strummed}) {
            const Bytes wav = RenderChordWav(notes, mode);
            ASSERT_EQ(wav.size(), kChordWavSize);
            EXPECT_EQ(Bytes(wav.begin() + 58, wav.begin() + 68), leadIn);
            EXPECT_EQ(wav.back(), 128);
        }
    }
}

TEST(RenderChordWav, NothingToRenderWithoutNotes) {
    EXPECT_TRUE(RenderChordWav({}, StrumMode::Block).empty());
    EXPECT_TRUE(RenderChordWav({}, StrumMode::Strummed).empty());
}

TEST(RenderNoteWav, ConcertAStartsAtTheTopOfItsWave) {
    const Bytes wav = RenderNoteWav(12);
    ASSERT_EQ(wav.size(), kNoteWavSize);
    EXPECT_EQ(Bytes(wav.begin() + 58, wav.begin() + 64), (Bytes{255, 249, 229, 196, 155, 111}));
    EXPECT_EQ(wav.back(), 128);
}

TEST(PhaseStep, UsesTheFiveDigitPiConstant) {
    EXPECT_NEAR(PhaseStep(12), 0.3455749, 1e-7);
    EXPECT_EQ(PhaseStep(0), 440.0 * 3.14159 / 8000.0);
}

TEST(StrumGate, OpensAfterEachEntrysPosition) {
    struct Case {
        std::int32_t position;
        std::uint8_t entry;
        double gate;
    };
    const Case cases[] = {{69, 0, 0.0},     {70, 0, 1.0},      {569, 1, 0.0},
                          {570, 1, 1.0},    {2569, 5, 0.0},    {2570, 5, 1.0},
                          {32767, 65, 1.0}, {100000, 66, 0.0}, {100000, 255, 0.0}};
    for (const Case& c : cases) {
        EXPECT_EQ(StrumGate(c.position, c.entry), c.gate)
            << "position " << c.position << " entry " << int{c.entry};
    }
}

TEST(RenderChordWav, StrummedEntriesEnterEveryFiveHundredSamples) {
    // Changing one entry's note changes the file from that entry's first sample on.
    const int firstSample[] = {69, 570, 1070, 1570, 2070, 2570};
    for (std::size_t entry = 0; entry < kSixStrings.size(); ++entry) {
        std::vector<double> changed = kSixStrings;
        changed[entry] += 1;
        EXPECT_EQ(FirstDifference(RenderChordWav(kSixStrings, StrumMode::Strummed),
                                  RenderChordWav(changed, StrumMode::Strummed)),
                  firstSample[entry])
            << "entry " << entry;
        EXPECT_EQ(FirstDifference(RenderChordWav(kSixStrings, StrumMode::Block),
                                  RenderChordWav(changed, StrumMode::Block)),
                  69);
    }
}

TEST(RenderChordWav, BeforeALaterEntryTheSignalStaysCentred) {
    // With one sounding note of six, the wave swings 1/6 of full scale around the zero
    // line; the decay scales both.
    const Bytes wav = RenderChordWav(kSixStrings, StrumMode::Strummed);
    for (int p = 69; p < 570; ++p) {
        const double decay = std::exp((70 - p) * 0.0001);
        EXPECT_NEAR(At(wav, p), 128 * decay, 128.0 / 6 * decay + 1.5) << "position " << p;
    }
}

TEST(RenderChordWav, EqualNotesSoundOnceKeepingTheLastAdded) {
    struct Case {
        std::vector<double> notes, same;
    };
    const Case cases[] = {
        {{19, 19, 10, 5, 0, -5}, {19, 10, 5, 0, -5}},
        {{19, 14, 19, 5}, {14, 19, 5}},
        {{7, 7, 7}, {7}},
        {{3, 5, 3, 5, 3}, {5, 3}},
    };
    for (const Case& c : cases) {
        for (StrumMode mode : {StrumMode::Block, StrumMode::Strummed}) {
            EXPECT_EQ(RenderChordWav(c.notes, mode), RenderChordWav(c.same, mode));
        }
    }
    // The surviving copy's place decides when it enters.
    EXPECT_NE(RenderChordWav({19, 14, 19, 5}, StrumMode::Strummed),
              RenderChordWav({19, 14, 5}, StrumMode::Strummed));
}

TEST(RemoveDuplicateNotes, KeepsTheLastCopyInPlace) {
    struct Case {
        std::vector<double> in, out;
    };
    const Case cases[] = {
        {{}, {}},
        {{1, 2, 3}, {1, 2, 3}},
        {{1, 2, 1, 3, 1}, {2, 3, 1}},
        {{19, 19, 14}, {19, 14}},
        {{4, 4, 5, 5}, {4, 5}},
        {{2.5, 2.5, 3}, {2.5, 3}},
    };
    for (Case c : cases) {
        RemoveDuplicateNotes(c.in);
        EXPECT_EQ(c.in, c.out);
    }
}

TEST(RenderChordWav, OneNoteSoundsTheSameBlockedOrStrummed) {
    EXPECT_EQ(RenderChordWav({12}, StrumMode::Block), RenderChordWav({12}, StrumMode::Strummed));
}

TEST(RenderChordWav, OneNoteUsesTheFullAmplitude) {
    const Bytes wav = RenderChordWav({12}, StrumMode::Block);
    EXPECT_EQ(*std::max_element(wav.begin() + 68, wav.end()), 255);
    EXPECT_EQ(*std::min_element(wav.begin() + 68, wav.begin() + 200), 0);
}

TEST(Render, AbsurdNotesStayInRange) {
    for (double note : {1e6, -1e6, 13000.0}) {
        EXPECT_EQ(RenderChordWav({note, 12}, StrumMode::Block).size(), kChordWavSize);
        EXPECT_EQ(RenderNoteWav(note).size(), kNoteWavSize);
    }
}

// The synthesis computed plainly, sample by sample with the library's sine.
Bytes PlainChord(std::vector<double> notes, StrumMode strum) {
    RemoveDuplicateNotes(notes);
    const int c = static_cast<int>(notes.size());
    Bytes wav = RenderChordWav(notes, strum);
    for (int p = 69; p <= 21000; ++p) {
        double s = 0;
        for (int k = 0; k < c; ++k) {
            const bool sounds = k == 0 || strum == StrumMode::Block || p > 69 + 500 * k;
            s += sounds ? std::sin(PhaseStep(notes[static_cast<std::size_t>(k)]) * p) : 0.0;
        }
        const double level = std::floor((s + c) * (127.99999 / c)) * std::exp((70 - p) * 0.0001);
        wav[static_cast<std::size_t>(p - 1)] = static_cast<std::uint8_t>(std::nearbyint(level));
    }
    const int last = wav[20999];
    for (int p = 21001; p <= 22058; ++p) {
        wav[static_cast<std::size_t>(p - 1)] =
            static_cast<std::uint8_t>(std::nearbyint((last - 128) * (22058 - p) / 1058.0 + 128));
    }
    return wav;
}

TEST(RenderChordWav, MatchesThePlainComputationAcrossTheRange) {
    int checked = 0;
    for (double root = -30; root <= 90; root += 7.5) {
        const std::vector<double> notes = {root,      root + 4,    root + 7,
                                           root - 12, root + 10.5, root + 16};
        for (StrumMode mode : {StrumMode::Block, StrumMode::Strummed}) {
            EXPECT_EQ(FirstDifference(RenderChordWav(notes, mode), PlainChord(notes, mode)), 0)
                << "root " << root;
            ++checked;
        }
    }
    EXPECT_EQ(checked, 34);
}

// Whole files checked byte for byte against a separate implementation of the synthesis.
TEST(Render, MatchesReferenceFiles) {
    EXPECT_EQ(Fnv1a(RenderChordWav({19, 15, 10, 7, 3}, StrumMode::Strummed)),
              0x4f5a17989444b6dbull);
    EXPECT_EQ(Fnv1a(RenderChordWav({19, 15, 10, 7, 3}, StrumMode::Block)), 0x5b87d60ad092ada0ull);
    EXPECT_EQ(Fnv1a(RenderNoteWav(-5)), 0x421c93383865dff3ull);
}

}  // namespace
}  // namespace fretwise::test

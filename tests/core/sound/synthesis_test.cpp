#include "core/sound/synthesis.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "core/sound/wav_headers.hpp"

namespace fretwise::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The bytes from 1-based file position `first` on.
Bytes At(const Bytes& wav, int first, int count) {
    return Bytes(wav.begin() + first - 1, wav.begin() + first - 1 + count);
}

// 1-based position of the first byte where two files differ, 0 when they are equal.
int FirstDifference(const Bytes& a, const Bytes& b) {
    const auto [left, right] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    return left == a.end() && right == b.end() ? 0 : static_cast<int>(left - a.begin()) + 1;
}

const std::vector<double> kSixStrings = {19, 14, 10, 5, 0, -5};
const std::vector<double> kCMajor = {19, 15, 10, 7, 3};

TEST(WavHeaders, DescribeEightBitMonoAtEightKilohertzWithAFactChunk) {
    // RIFF length, then "WAVE", an 18-byte format chunk (PCM, 1 channel, 8000 samples and
    // bytes a second, 1-byte blocks of 8 bits, no extra bytes), the fact chunk with the
    // sample count, and the data chunk's head with the same count.
    const std::string format(
        "WAVEfmt \x12\0\0\0\x01\0\x01\0\x40\x1f\0\0\x40\x1f\0\0\x01\0\x08\0\0\0"
        "fact\x04\0\0\0",
        38);
    const std::string chord = "RIFF" + std::string("\x22\x56\0\0", 4) + format +
                              std::string("\xf0\x55\0\0data\xf0\x55\0\0", 12);  // 22000
    const std::string note = "RIFF" + std::string("\x28\x27\0\0", 4) + format +
                             std::string("\xf5\x26\0\0data\xf5\x26\0\0", 12);  // 9973
    const Bytes chordWav = RenderChordWav(kSixStrings, StrumMode::Block);
    const Bytes noteWav = RenderNoteWav(12);
    EXPECT_EQ(std::string(chordWav.begin(), chordWav.begin() + 58), chord);
    EXPECT_EQ(std::string(noteWav.begin(), noteWav.begin() + 58), note);
    EXPECT_EQ(chordWav.size(), kChordWavSize);
    EXPECT_EQ(noteWav.size(), kNoteWavSize);
}

TEST(RenderChordWav, StartsWithTheLeadInAndEndsOnTheZeroLine) {
    for (const std::vector<double>& notes :
         {kSixStrings, std::vector<double>{12}, std::vector<double>{-20, 39}}) {
        for (StrumMode mode : {StrumMode::Block, StrumMode::Strummed}) {
            const Bytes wav = RenderChordWav(notes, mode);
            ASSERT_EQ(wav.size(), kChordWavSize);
            EXPECT_EQ(At(wav, 59, 10), (Bytes{128, 128, 128, 128, 127, 128, 127, 128, 127, 128}));
            EXPECT_EQ(wav.back(), 128);
        }
    }
    EXPECT_TRUE(RenderChordWav({}, StrumMode::Block).empty());
}

// Bytes of C major (x32010) as the program has always written them. Position 69 is the first
// synthesised sample; 99 the first to show that the decay counts from sample 70; 132 the last
// of the first run of 64 samples, which are computed by rotating the previous sample's phase;
// 20999 and 21000 the last synthesised samples, after which the sound falls in a straight line
// to 128 at 22058.
TEST(RenderChordWav, CMajorAsEverWritten) {
    const Bytes block = RenderChordWav(kCMajor, StrumMode::Block);
    EXPECT_EQ(At(block, 69, 2), (Bytes{123, 109}));
    EXPECT_EQ(block[99 - 1], 170);
    EXPECT_EQ(At(block, 132, 2), (Bytes{128, 117}));
    EXPECT_EQ(At(block, 20999, 3), (Bytes{16, 14, 14}));
    EXPECT_EQ(block[21500 - 1], 68);
    const Bytes strummed = RenderChordWav(kCMajor, StrumMode::Strummed);
    EXPECT_EQ(At(strummed, 69, 2), (Bytes{104, 102}));
    EXPECT_EQ(At(strummed, 132, 2), (Bytes{109, 120}));
    EXPECT_EQ(At(strummed, 569, 3), (Bytes{106, 141, 149}));  // the B string enters at 570
}

TEST(RenderNoteWav, ConcertAStartsAtTheTopOfItsWave) {
    const Bytes wav = RenderNoteWav(12);
    ASSERT_EQ(wav.size(), kNoteWavSize);
    EXPECT_EQ(At(wav, 59, 6), (Bytes{255, 249, 229, 196, 155, 111}));
    EXPECT_EQ(wav.back(), 128);
}

TEST(RenderNoteWav, FadesOutFromTheSample9032) {
    // The open high E's wave would be at 2 at position 9033; the fade holds the 3 it ended on.
    EXPECT_EQ(At(RenderNoteWav(19), 9031, 4), (Bytes{3, 3, 3, 3}));
}

TEST(StrumGate, OpensAfterEachEntrysPosition) {
    const std::tuple<std::int32_t, std::uint8_t, double> cases[] = {
        {69, 0, 0.0},   {70, 0, 1.0},     {569, 1, 0.0},     {570, 1, 1.0},     {2569, 5, 0.0},
        {2570, 5, 1.0}, {32767, 65, 1.0}, {100000, 66, 0.0}, {100000, 255, 0.0}};
    for (const auto& [position, entry, gate] : cases) {
        EXPECT_EQ(StrumGate(position, entry), gate)
            << "position " << position << " entry " << int{entry};
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

TEST(RemoveDuplicateNotes, KeepsTheLastCopyInPlace) {
    const std::tuple<std::vector<double>, std::vector<double>> cases[] = {
        {{}, {}},
        {{1, 2, 3}, {1, 2, 3}},
        {{1, 2, 1, 3, 1}, {2, 3, 1}},
        {{19, 19, 14}, {19, 14}},
        {{4, 4, 5, 5}, {4, 5}},
        {{2.5, 2.5, 3}, {2.5, 3}}};
    for (auto [notes, kept] : cases) {
        RemoveDuplicateNotes(notes);
        EXPECT_EQ(notes, kept);
    }
    // The chord sounds each note once; the surviving copy's place decides when it enters.
    EXPECT_EQ(RenderChordWav({19, 14, 19, 5}, StrumMode::Strummed),
              RenderChordWav({14, 19, 5}, StrumMode::Strummed));
}

TEST(RenderChordWav, OneNoteUsesTheFullAmplitudeBlockedOrStrummed) {
    const Bytes wav = RenderChordWav({12}, StrumMode::Block);
    EXPECT_EQ(wav, RenderChordWav({12}, StrumMode::Strummed));
    EXPECT_EQ(*std::max_element(wav.begin() + 68, wav.end()), 255);
    EXPECT_EQ(*std::min_element(wav.begin() + 68, wav.begin() + 200), 0);
}

TEST(Render, AbsurdNotesStayInRange) {
    for (double note : {1e6, -1e6, 13000.0}) {
        EXPECT_EQ(RenderChordWav({note, 12}, StrumMode::Block).size(), kChordWavSize);
        EXPECT_EQ(RenderNoteWav(note).size(), kNoteWavSize);
    }
}

// The play buttons hand the synthesis every played string, high E string first.
TEST(ChordNotesToPlay, HighEStringFirstAndMutedStringsLeftOut) {
    // Frets high E first.
    const std::tuple<PerString, OpenStrings, std::vector<double>> cases[] = {
        {{0, 1, 0, 2, 3, -1}, {}, kCMajor},
        {{0, 0, 0, 0, 0, 0}, {}, kSixStrings},
        {{-1, -1, 0, 0, 0, 0}, {}, {10, 5, 0, -5}},
        {{0, 5, -1, -1, -1, -1}, {}, {19, 19}},
        {{-1, -1, -1, -1, -1, -1}, {}, {}},
        // Drop D with a capo at the second fret.
        {{0, 0, 0, 0, 0, 0}, {Tuning{{0, 0, 0, 0, 0, -2}}, 2}, {21, 16, 12, 7, 2, -5}},
    };
    for (const auto& [frets, strings, notes] : cases) {
        Fingering shape;
        shape.Fret = frets;
        EXPECT_EQ(ChordNotesToPlay(ShapeFretsToNotes(shape, strings), strings), notes);
    }
}

}  // namespace
}  // namespace fretwise::test

#include "core/sound/wav_check.hpp"

#include <gtest/gtest.h>

#include <string>

#include "core/sound/synthesis.hpp"
#include "support/temp_dir.hpp"

namespace fretwise::test {
namespace {

class WavCheckTest : public TempDirTest {
  protected:
    bool Check(const std::string& bytes) {
        WriteBytes(dir / "x.wav", bytes);
        return IsCompleteWavFile(dir / "x.wav");
    }
};

std::string Text(const std::vector<std::uint8_t>& bytes) {
    return {bytes.begin(), bytes.end()};
}

// The file with another format tag and sample size in its format chunk.
std::string WithFormat(std::string wav, char tagLow, char tagHigh, char bits) {
    wav[20] = tagLow;
    wav[21] = tagHigh;
    wav[34] = bits;
    return wav;
}

// The file with its 18-byte format chunk rewritten as the 40-byte extensible one, naming
// the sub-format subTag.
std::string Extensible(const std::string& wav, char subTag) {
    return wav.substr(0, 12) + "fmt " + std::string("\x28\0\0\0\xFE\xFF", 6) + wav.substr(22, 14) +
           std::string("\x16\0\x08\0\x04\0\0\0", 8) + subTag +
           std::string("\0\0\0\0\0\x10\0\x80\0\0\xAA\0\x38\x9B\x71", 15) + wav.substr(38);
}

TEST_F(WavCheckTest, AcceptsCompleteFilesOnly) {
    const std::string chord = Text(RenderChordWav({19, 10}, StrumMode::Block));
    const std::string note = Text(RenderNoteWav(12));
    // A chunk the player does not know, before the format chunk, is skipped.
    std::string extra =
        chord.substr(0, 12) + "LIST" + std::string("\x03\0\0\0abc\0", 8) + chord.substr(12);
    struct Case {
        std::string bytes;
        bool complete;
    };
    const Case cases[] = {
        {chord, true},
        {note, true},
        {note.substr(0, note.size() - 1), true},  // the pad byte may be missing
        {chord + std::string(100, '\0'), true},
        {extra, true},
        {WithFormat(chord, 1, 0, 16), true},
        {WithFormat(chord, 1, 0, 24), true},
        {WithFormat(chord, 1, 0, 32), true},
        {WithFormat(chord, 3, 0, 32), true},  // floating point
        {Extensible(chord, 1), true},
        {Extensible(chord, 0x55), false},
        {WithFormat(chord, '\xFE', '\xFF', 8), false},  // extensible without its sub-format
        {"", false},
        {std::string("\x01\x02\x03\x04"), false},
        {chord.substr(0, 30), false},
        {chord.substr(0, 58), false},
        {chord.substr(0, 10000), false},
        {chord.substr(0, chord.size() - 1), false},
        {"RIFX" + chord.substr(4), false},
        {chord.substr(0, 8) + "AVI " + chord.substr(12), false},
        {WithFormat(chord, 0x55, 0, 8), false},  // MP3
        {WithFormat(chord, 1, 0, 12), false},
        {chord.substr(0, 12) + chord.substr(50), false},  // data without a format chunk
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(Check(cases[i].bytes), cases[i].complete) << "case " << i;
    }
    EXPECT_FALSE(IsCompleteWavFile(dir / "missing.wav"));
    EXPECT_FALSE(IsCompleteWavFile(dir));
}

}  // namespace
}  // namespace fretwise::test

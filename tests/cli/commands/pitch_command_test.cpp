#include <gtest/gtest.h>

#include <regex>

#include "support/cli_run.hpp"
#include "support/temp_dir.hpp"
#include "support/tones.hpp"

namespace fretwise::test {
namespace {

using namespace cli;

class PitchCommandTest : public TempDirTest {
  protected:
    std::string Wav(const std::vector<float>& samples, int rate = 48000, int bits = 16,
                    int channels = 1) {
        const std::string file = (dir / "tone.wav").string();
        WriteBytes(file, WavFile(samples, rate, bits, channels));
        return file;
    }
    static CliResult Pitch(std::vector<std::string> args) {
        args.insert(args.begin(), "pitch");
        return RunCommandLine(args);
    }
};

TEST_F(PitchCommandTest, SummaryGivesTheMedianNoteOfEveryFileFormat) {
    const double lowE = NoteHz(40, -30);
    for (const auto& [bits, channels] : {std::pair{8, 1}, {16, 2}, {24, 1}, {32, 2}}) {
        const CliResult r =
            Pitch({Wav(PluckedString(lowE, 44100), 44100, bits, channels), "--summary", "--json"});
        ASSERT_EQ(r.status, kExitOk) << r.err;
        const nlohmann::json summary = nlohmann::json::parse(r.out);
        EXPECT_NEAR(summary["frequency"].get<double>(), lowE, 0.05) << bits;
        EXPECT_EQ(summary["note"], "E2");
        EXPECT_NEAR(summary["cents"].get<double>(), -30.0, 1.0) << bits;
    }
}

TEST_F(PitchCommandTest, FramesAndSummaryAsText) {
    const std::string file = Wav(Sine(440.0, 48000, 0.3));
    const CliResult frames = Pitch({file});
    ASSERT_EQ(frames.status, kExitOk) << frames.err;
    // The first frame's window is not yet full; a pitch is held from the second frame on.
    EXPECT_TRUE(
        std::regex_search(frames.out, std::regex(R"(^0\.05 s  440\.0\d Hz  A4  \+0\.\d cents\n)")))
        << frames.out;
    EXPECT_EQ(std::count(frames.out.begin(), frames.out.end(), '\n'), 5);
    const CliResult json = Pitch({file, "--json"});
    const nlohmann::json second = JsonLines(json.out).at(0).at(1);
    EXPECT_EQ(second["time"], 0.1);
    EXPECT_EQ(second["note"], "A4");
    EXPECT_TRUE(std::regex_match(Pitch({file, "--summary", "--a4", "445"}).out,
                                 std::regex(R"(440\.0\d Hz  A4  -19\.\d cents\n)")));
}

TEST_F(PitchCommandTest, NoPitchAndUnreadableFilesExitOne) {
    const std::string silence = Wav(std::vector<float>(48000));
    CliResult r = Pitch({silence, "--summary", "--json"});
    EXPECT_EQ(r.status, kExitFailure);
    EXPECT_EQ(r.out, "{\"error\":\"no pitch\"}\n");
    const std::string notWav = (dir / "x.wav").string();
    WriteBytes(notWav, "hello");
    r = Pitch({notWav});
    EXPECT_EQ(r.status, kExitFailure);
    EXPECT_EQ(r.err, "fretwise-cli pitch: Cannot read " + notWav + ": not a RIFF WAVE file\n");
    r = Pitch({Wav({0.1f}, 4000)});
    EXPECT_EQ(r.status, kExitFailure);
    EXPECT_NE(r.err.find("sample rate of 4000 Hz is outside 8000-192000 Hz"), std::string::npos);
}

TEST_F(PitchCommandTest, BadArgumentsExitTwo) {
    const std::string file = Wav(Sine(440.0, 8000, 0.2), 8000);
    for (const std::vector<std::string>& args : {std::vector<std::string>{},
                                                 {file, "--a4", "429"},
                                                 {file, "--a4", "x"},
                                                 {file, "--a4"},
                                                 {file, file},
                                                 {file, "--tuning"}}) {
        EXPECT_EQ(Pitch(args).status, kExitUsage) << args.size();
    }
}

}  // namespace
}  // namespace fretwise::test

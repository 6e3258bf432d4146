#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <tuple>
#include <vector>

#include "support/cli_run.hpp"
#include "support/temp_dir.hpp"

namespace fretwise::test {
namespace {

using namespace cli;
using nlohmann::json;

class SongCommandTest : public TempDirTest {
  protected:
    std::string Song(std::string_view text, std::string_view name = "song.cho") {
        WriteBytes(dir / name, text);
        return (dir / name).string();
    }
};

constexpr char kAbSong[] =
    "{title: Swing Low}\n{subtitle: Spiritual}\n{artist: Trad.}\n{key: Ab}\n"
    "{define: Eb base-fret 6 frets x 1 3 3 3 1}\n"
    "[Ab]Swing low, sweet [Db]chariot, [Ab]coming for to [Eb]carry me [Ab]home [Dosa]\n";

TEST_F(SongCommandTest, JsonListsEachChordOnceWithItsShape) {
    const CliResult r = RunCommandLine({"song", Song(kAbSong), "--json"});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    const json song = json::parse(r.out);
    EXPECT_EQ(song["title"], "Swing Low");
    EXPECT_EQ(song["subtitle"], "Spiritual");
    EXPECT_EQ(song["artist"], "Trad.");
    EXPECT_EQ(song["key"], "Ab");
    EXPECT_EQ(song["capo"], 0);
    EXPECT_EQ(song["transpose"], 0);
    ASSERT_EQ(song["chords"].size(), 3u);
    EXPECT_EQ(song["chords"][0],
              json::parse(R"({"symbol":"Ab","frets":[4,4,5,6,6,4],"fingers":[1,1,2,4,3,1],)"
                          R"("defined":false,"sounds":"Ab"})"));
    EXPECT_EQ(song["chords"][2]["symbol"], "Eb");
    EXPECT_EQ(song["chords"][2]["frets"], json::parse("[6,8,8,8,6,-1]"));
    EXPECT_EQ(song["chords"][2]["defined"], true);
    EXPECT_EQ(song["unknown"], json::parse(R"(["Dosa"])"));
    EXPECT_FALSE(song.contains("capo_costs"));
}

TEST_F(SongCommandTest, TheSuggestedCapoNamesTheShapesPlayed) {
    const CliResult r = RunCommandLine({"song", Song(kAbSong), "--capo", "auto", "--json"});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    const json song = json::parse(r.out);
    EXPECT_EQ(song["capo"], 1);
    EXPECT_EQ(song["key"], "G");
    EXPECT_EQ(song["key_heard"], "Ab");
    EXPECT_EQ(song["chords"][0]["symbol"], "G");
    EXPECT_EQ(song["chords"][0]["sounds"], "Ab");
    EXPECT_EQ(song["chords"][0]["frets"], json::parse("[3,0,0,0,2,3]"));
    EXPECT_EQ(song["chords"][1]["symbol"], "C");
    EXPECT_EQ(song["unknown"], json::parse(R"(["Dbosa"])"));
    ASSERT_EQ(song["capo_costs"].size(), 8u);
    for (const json& cost : song["capo_costs"]) {
        EXPECT_LE(song["capo_costs"][1].get<float>(), cost.get<float>());
    }
}

TEST_F(SongCommandTest, ChordProComesBackMovedWithADefinePerChord) {
    const CliResult r = RunCommandLine({"song", Song("{title: T}\n{transpose: 1}\n[C]a [G/B]b\n"),
                                        "--transpose", "-3", "--chordpro"});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    EXPECT_EQ(r.out,
              "{title: T}\n"
              "{define: Bb base-fret 1 frets x 1 3 3 3 1 fingers 0 1 2 3 4 1}\n"
              "{define: F/A base-fret 1 frets x 0 3 2 1 1 fingers 0 0 3 2 1 1}\n"
              "[Bb]a [F/A]b\n");
}

TEST_F(SongCommandTest, TextShowsKeyCapoAndShapesLowEFirst) {
    const CliResult r = RunCommandLine(
        {"song", Song("{t: Two}\n{key: C}\n[C]a [Am]b"), "--capo", "3", "--tuning", "drop-d"});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    EXPECT_NE(r.out.find("Title:     Two\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Key:       A (sounds C with the capo)\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Capo:      fret 3\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Tuning:    D2,A2,D3,G3,B3,E4\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("  A        "), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("sounds C"), std::string::npos) << r.out;
}

TEST_F(SongCommandTest, AFileItCannotReadIsOneLineAndStatusOne) {
    const std::tuple<std::string, std::string> cases[] = {
        {(dir / "missing.cho").string(), "the file cannot be read"},
        {dir.string(), "the file cannot be read"},
        {Song(std::string("\x7f"
                          "ELF\x02\x01\x01\0\0\0",
                          10),
              "junk.cho"),
         "not a text file: it holds NUL bytes"},
        {Song(std::string(1024 * 1024 + 1, 'a'), "big.cho"), "larger than 1 MB: not a song"},
    };
    for (const auto& [path, reason] : cases) {
        const CliResult r = RunCommandLine({"song", path, "--json"});
        EXPECT_EQ(r.status, kExitFailure) << path;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, "fretwise-cli song: Error opening file '" + path + "': " + reason + "\n");
    }
}

TEST_F(SongCommandTest, BadOptionsAreStatusTwo) {
    const std::string song = Song("[C]a\n");
    const std::vector<std::vector<std::string>> cases = {
        {"song"},
        {"song", song, "--capo", "8"},
        {"song", song, "--capo", "max"},
        {"song", song, "--transpose", "x"},
        {"song", song, "--transpose", "49"},
        {"song", song, "--transpose", "+-2"},
        {"song", song, "--order", "best"},
        {"song", song, "--vocabulary", "jazz"},
        {"song", song, "--tuning", "banjo"},
        {"song", song, "--song", "2"},
        {"song", song, "--json", "--chordpro"},
        {"song", song, "other.cho"},
    };
    for (const std::vector<std::string>& args : cases) {
        const CliResult r = RunCommandLine(args);
        EXPECT_EQ(r.status, kExitUsage) << args.back();
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
    EXPECT_EQ(RunCommandLine({"song", song, "--transpose", "+2"}).status, kExitOk);
}

TEST_F(SongCommandTest, TheFullVocabularyReadsChartSymbolsTheClassicDoesNot) {
    const std::string song = Song("[E7#9]a [Am(maj7)]b [D/C]c [C6/9]d");
    const json full = json::parse(RunCommandLine({"song", song, "--json"}).out);
    EXPECT_EQ(full["chords"].size(), 4u);
    EXPECT_EQ(full["unknown"], json::array());
    const json classic =
        json::parse(RunCommandLine({"song", song, "--json", "--vocabulary", "classic"}).out);
    EXPECT_EQ(classic["unknown"], json::parse(R"j(["E7#9","Am(maj7)","C6/9"])j"));
}

TEST_F(SongCommandTest, NotesWhatTheSongCannotUseAndGoesOn) {
    const std::string song = Song("{capo: 12}\n[C]a\n{ns}\n{t: Second}\n[D]b\n");
    const CliResult r = RunCommandLine({"song", song, "--song", "2", "--json"});
    EXPECT_EQ(r.status, kExitOk);
    EXPECT_EQ(json::parse(r.out)["title"], "Second");
    EXPECT_EQ(r.err, "fretwise-cli song: " + song +
                         ": line 1: {capo: 12} is no capo from 0 to 7; the song is read "
                         "without one\n");
}

}  // namespace
}  // namespace fretwise::test

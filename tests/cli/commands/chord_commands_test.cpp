#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/commands/chord_args.hpp"
#include "core/create/fingering_search.hpp"
#include "support/cli_run.hpp"

namespace fretwise::test {
namespace {

using namespace cli;

using nlohmann::json;

TEST(NameCommand, NamesCMajorInRootPosition) {
    const CliResult r = RunCommandLine({"name", "x32010"});
    EXPECT_EQ(r.status, kExitOk);
    EXPECT_NE(r.out.find("C major (C), thirds 2, fifths 1, inversion Root Position"),
              std::string::npos)
        << r.out;
    EXPECT_EQ(r.err, "");
}

TEST(NameCommand, JsonHasEveryFieldInStringOrder) {
    const CliResult r = RunCommandLine({"name", "1", "3", "3", "2", "1", "1", "--json", "--flats"});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    const json j = json::parse(r.out);
    EXPECT_EQ(j["frets"], json::parse("[1,1,2,3,3,1]"));
    EXPECT_EQ(j["notes"], json::parse("[9,4,13,9,4,9]"));
    EXPECT_EQ(j["fingers"], json::parse("[1,1,2,4,3,1]"));
    EXPECT_EQ(j["barre"], json::parse(R"({"from":0,"to":5,"fret":1})"));
    EXPECT_EQ(j["playable"], true);
    EXPECT_EQ(j["names"], json::parse(R"([{"root":"F","name":"major","abbrev":"","thirds":1,
                                          "fifths":2,"inversion":"Root Position",
                                          "symbol":"F","intervals":[0,4,7]}])"));
    // Nine significant digits read back as the same single-precision value.
    const std::string ease = r.out.substr(r.out.find("\"ease\":") + 7);
    EXPECT_EQ(std::stof(ease), j["ease"].get<float>());
}

TEST(CreateCommand, ReportsTheSearchAsJsonAndAsText) {
    const SearchResult aMajor = FindFingerings({0, 0, 0, 20, false});
    const CliResult r = RunCommandLine({"create", "A", "Major", "--json"});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    const json j = json::parse(r.out);
    EXPECT_EQ(j["combinations"], aMajor.combinations);
    ASSERT_EQ(j["candidates"].size(), aMajor.candidates.size());
    EXPECT_EQ(j["candidates"][0]["notes"], json(aMajor.candidates[0].Note));
    EXPECT_EQ(j["candidates"][0]["frets"], json(ShapeNotesToFrets(aMajor.candidates[0]).Fret));

    const CliResult human = RunCommandLine({"create", "0", "0"});
    ASSERT_EQ(human.status, kExitOk) << human.err;
    EXPECT_EQ(
        human.out.rfind("A Major: " + std::to_string(aMajor.combinations) + " combinations, ", 0),
        0u)
        << human.out;
    EXPECT_NE(human.out.find("\n  x02220  ease "), std::string::npos);  // low E first
}

TEST(CreateCommand, GuitaristOrderExplainsEachRank) {
    const CliResult r = RunCommandLine({"create", "D", "Major", "--order", "guitarist", "--json"});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    const json first = json::parse(r.out)["candidates"][0];
    EXPECT_EQ(first["frets"], json::parse("[2,3,2,0,-1,-1]"));
    float sum = 0;
    for (const auto& [name, points] : first["terms"].items()) {
        sum += points.get<float>();
    }
    EXPECT_EQ(first["terms"].size(), kScoreTerms.size());
    EXPECT_EQ(first["terms"]["bass_is_root"], kScoreTerms[0].weight);
    EXPECT_EQ(first["score"].get<float>(), sum);

    const CliResult human = RunCommandLine({"create", "A", "Major", "--order", "guitarist"});
    EXPECT_NE(human.out.find("playable, as guitarists play them"), std::string::npos);
    EXPECT_NE(human.out.find("\n  x02220  score "), std::string::npos) << human.out;
}

TEST(CreateCommand, ASymbolsBassLetsInversionsRankAsGuitaristsPlayThem) {
    const json first = json::parse(
        RunCommandLine({"create", "G/B", "--order", "guitarist", "--json"}).out)["candidates"][0];
    EXPECT_EQ(first["frets"], json::parse("[3,0,0,0,2,-1]"));
    EXPECT_EQ(first["terms"]["bass_is_root"], 0);
}

TEST(CreateCommand, RestTrebleLetsTheHighStringsRest) {
    const CliResult r = RunCommandLine({"create", "A", "Major", "--rest-treble"});
    EXPECT_NE(r.out.find("\n  x0222x  ease "), std::string::npos) << r.out;
}

TEST(CreateCommand, TheWholeNeckReachesPastTheView) {
    const CliResult r = RunCommandLine({"create", "C", "Major", "--whole-neck", "--position", "3"});
    EXPECT_NE(r.out.find("\n  x32010  ease "), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\n  x x 10 9 8 8  ease "), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find(" 16 "), std::string::npos) << r.out;
}

TEST(CreateCommand, FailureGivesTheWindowsMessage) {
    const CliResult plain = RunCommandLine({"create", "A", "Minor Second"});
    EXPECT_EQ(plain.status, kExitFailure);
    EXPECT_EQ(plain.err, std::string(CreateFailureMessage(false)) + "\n");
    EXPECT_EQ(plain.out, "");

    const CliResult asJson = RunCommandLine({"create", "A", "26", "--all-strings", "--json"});
    EXPECT_EQ(asJson.status, kExitFailure);
    EXPECT_EQ(json::parse(asJson.out)["error"], CreateFailureMessage(true));
}

TEST(ChordArgs, RootsAndTypesByNameOrIndex) {
    const std::pair<const char*, std::optional<int>> roots[] = {{"A", 0},   {"bb", 1},  {"A#", 1},
                                                                {"b", 2},   {"Ab", 11}, {"g#", 11},
                                                                {"11", 11}, {"Cb", {}}, {"", {}}};
    for (const auto& [text, root] : roots) {
        EXPECT_EQ(ParseRoot(text), root) << text;
    }
    const std::pair<const char*, std::optional<int>> types[] = {
        {"major", 0},       {"MINOR SEVENTH", 3},  // the chord, not the interval 35
        {"Minor Sixth", 6}, {"Major Seventh", 4}, {"35", 35}, {"25", 25}, {"Octave", 37}, {"", {}}};
    for (const auto& [text, type] : types) {
        EXPECT_EQ(ParseType(text), type) << text;
    }
}

TEST(CreateCommand, ATypeNameMayComeAsSeveralWords) {
    const CliResult r =
        RunCommandLine({"create", "C", "Seventh", "(Flattened", "Fifth)", "--json"});
    EXPECT_EQ(r.status, kExitOk) << r.err;
    EXPECT_EQ(RunCommandLine({"create", "C", "11", "--json"}).out, r.out);
}

TEST(NameCommand, BatchAnswersEveryLineInOrder) {
    const CliResult r =
        RunCommandLine({"name", "--batch", "--flats"},
                       "x32010\nnonsense\nx 1 3 3 3 1 --frets 5\n\nx13331 --json\n");
    EXPECT_EQ(r.status, kExitFailure);  // some lines were bad
    const std::vector<json> lines = JsonLines(r.out);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0]["names"][0]["root"], "C");
    EXPECT_TRUE(lines[1].contains("error"));
    EXPECT_EQ(lines[2]["names"][0]["root"], "Bb");  // the default --flats applies
    EXPECT_TRUE(lines[3].contains("error"));
    EXPECT_EQ(lines[4]["frets"], lines[2]["frets"]);
    EXPECT_EQ(RunCommandLine({"name", "x32010", "--json"}).out,
              RunCommandLine({"name", "--batch"}, "x32010").out);
}

TEST(NameCommand, JsonGivesEachNameItsSymbolWithABassThatIsNotTheRoot) {
    const std::pair<const char*, const char*> cases[] = {{"032010", R"(["C/E"])"},
                                                         {"x02010", R"(["C6/A", "Am7"])"},
                                                         {"022xxx", R"(["E5", null])"},
                                                         {"0xxxx0", "[null]"}};
    for (const auto& [shape, symbols] : cases) {
        const json named = json::parse(RunCommandLine({"name", shape, "--json"}).out);
        json found = json::array();
        for (const json& name : named["names"]) {
            found.push_back(name["symbol"]);
        }
        EXPECT_EQ(found, json::parse(symbols)) << shape;
    }
}

TEST(CreateCommand, ASymbolCreatesWhatItsRootAndTypeCreate) {
    const CliResult r = RunCommandLine({"create", "Bbmaj7", "--json"});
    EXPECT_EQ(r.out, RunCommandLine({"create", "A#", "4", "--flats", "--json"}).out);
    EXPECT_EQ(json::parse(r.out)["symbol"], "Bbmaj7");  // spelled as the symbol was
    EXPECT_EQ(RunCommandLine({"create", "C#m7b5", "--position", "3"})
                  .out.rfind("C#m7b5 (C# Minor Seventh (Flattened Fifth)): ", 0),
              0u);
}

TEST(CreateCommand, ASlashChordKeepsTheShapesWithItsBassLowest) {
    const json slash = json::parse(RunCommandLine({"create", "G/B", "--json"}).out);
    EXPECT_EQ(slash["symbol"], "G/B");
    EXPECT_EQ(slash["candidates"][0]["frets"], json::parse("[3,0,0,0,2,-1]"));  // x20003
    EXPECT_EQ(RunCommandLine({"create", "G/B"})
                  .out.rfind("G/B (G Major, B in the bass): 324 combinations, " +
                                 std::to_string(slash["candidates"].size()) +
                                 " playable with B in the bass, ",
                             0),
              0u);
}

TEST(CreateCommand, ASlashChordWithoutAShapeForItsBassSaysSo) {
    // D major ninth has shapes in frets 1 to 8, none with C# lowest.
    const CliResult r = RunCommandLine({"create", "Dmaj9/C#"});
    EXPECT_EQ(r.status, kExitFailure);
    EXPECT_EQ(r.err, "No fingering of Dmaj9/C# in frets 1 to 8\n");
    const std::vector<json> lines =
        JsonLines(RunCommandLine({"create", "--batch"}, "Dmaj9/C#\nDmaj9/E\n").out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0]["error"], "No fingering of Dmaj9/C# in frets 1 to 8");
    EXPECT_EQ(lines[1]["symbol"], "Dmaj9/E");
}

// The full vocabulary: each name's notes, what it leaves out and a slash name's bass.
TEST(NameCommand, TheFullVocabularyGivesOmissionsAndSlashBasses) {
    const json thirteenth =
        json::parse(RunCommandLine({"name", "x3x355", "--vocabulary", "full", "--json"}).out);
    EXPECT_EQ(thirteenth["names"][0]["symbol"], "C13");
    EXPECT_EQ(thirteenth["names"][0]["intervals"], json::parse("[0,2,4,5,7,9,10]"));
    EXPECT_EQ(thirteenth["names"][0]["omits"], json::parse(R"(["5","9","11"])"));
    EXPECT_FALSE(thirteenth["names"][0].contains("bass"));

    const json slash =
        json::parse(RunCommandLine({"name", "2x2010", "--vocabulary", "full", "--json"}).out);
    EXPECT_EQ(slash["names"][0]["symbol"], "C/F#");
    EXPECT_EQ(slash["names"][0]["bass"], "F#");
    EXPECT_EQ(slash["names"][0]["inversion"], "Slash");
    EXPECT_NE(
        RunCommandLine({"name", "2x2010", "--vocabulary", "full"})
            .out.find("Name:      C major over F# (C/F#), thirds 2, fifths 1, inversion Slash"),
        std::string::npos);
}

TEST(CreateCommand, TheFullVocabularyCreatesEveryChartSymbol) {
    const json sharpNinth =
        json::parse(RunCommandLine({"create", "C7#9", "--vocabulary", "full", "--json"}).out);
    EXPECT_EQ(sharpNinth["symbol"], "C7#9");
    EXPECT_EQ(sharpNinth["intervals"], json::parse("[0,3,4,7,10]"));
    ASSERT_FALSE(sharpNinth["candidates"].empty());
    for (const json& candidate : sharpNinth["candidates"]) {
        EXPECT_TRUE(candidate["omits"] == json::parse("[]") ||
                    candidate["omits"] == json::parse(R"(["5"])"))
            << candidate;
    }
    // A bass outside every type is searched as an added note.
    const json added =
        json::parse(RunCommandLine({"create", "C/F#", "--vocabulary", "full", "--json"}).out);
    EXPECT_EQ(added["intervals"], json::parse("[0,4,6,7]"));
    EXPECT_EQ(
        RunCommandLine({"create", "C", "Seventh Sharp Ninth", "--vocabulary", "full", "--json"})
            .out,
        RunCommandLine({"create", "C7#9", "--vocabulary", "full", "--json"}).out);
}

}  // namespace
}  // namespace fretwise::test

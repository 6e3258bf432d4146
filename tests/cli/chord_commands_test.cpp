#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/chord_args.hpp"
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
                                          "fifths":2,"inversion":"Root Position"}])"));
    // Nine significant digits read back as the same single-precision value.
    const std::string ease = r.out.substr(r.out.find("\"ease\":") + 7);
    EXPECT_EQ(std::stof(ease), j["ease"].get<float>());
    EXPECT_NEAR(j["ease"].get<double>(), 5.65 / 4.9, 1e-6);
}

TEST(NameCommand, FretsAboveTheFretboardGetNoFinger) {
    const json j =
        json::parse(RunCommandLine({"name", "7 2 2 0 0 0", "--frets", "5", "--json"}).out);
    EXPECT_EQ(j["fingers"], json::parse("[0,0,0,2,1,0]"));
}

TEST(CreateCommand, AMajorHas288CombinationsAndTheOpenShape) {
    const CliResult r = RunCommandLine({"create", "A", "Major", "--json"});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    const json j = json::parse(r.out);
    EXPECT_EQ(j["combinations"], 288);
    bool openA = false;
    float previous = j["candidates"][0]["ease"].get<float>();
    for (const json& c : j["candidates"]) {
        openA = openA || c["frets"] == json::parse("[0,2,2,2,0,-1]");
        EXPECT_LE(c["ease"].get<float>(), previous);
        previous = c["ease"].get<float>();
    }
    EXPECT_TRUE(openA);
    EXPECT_EQ(j["candidates"][0]["notes"], json::parse("[8,5,13,8,1,8]"));
}

TEST(CreateCommand, HumanOutputListsShapesLowEFirst) {
    const CliResult r = RunCommandLine({"create", "0", "0"});
    ASSERT_EQ(r.status, kExitOk) << r.err;
    EXPECT_EQ(r.out.rfind("A Major: 288 combinations, ", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("\n  x02220  ease "), std::string::npos);
}

TEST(CreateCommand, FailureGivesTheWindowsMessage) {
    const CliResult plain = RunCommandLine({"create", "A", "Minor Second"});
    EXPECT_EQ(plain.status, kExitFailure);
    EXPECT_EQ(plain.err, "This chord cannot be created on\r\nthis part of the fretboard.\n");
    EXPECT_EQ(plain.out, "");

    const CliResult asJson = RunCommandLine({"create", "A", "26", "--all-strings", "--json"});
    EXPECT_EQ(asJson.status, kExitFailure);
    EXPECT_EQ(json::parse(asJson.out)["error"],
              "This chord cannot be created on this part\r\nof the fretboard using every string.");
}

TEST(ChordArgs, RootsByNameOrIndex) {
    EXPECT_EQ(ParseRoot("A"), 0);
    EXPECT_EQ(ParseRoot("bb"), 1);
    EXPECT_EQ(ParseRoot("A#"), 1);
    EXPECT_EQ(ParseRoot("b"), 2);
    EXPECT_EQ(ParseRoot("Ab"), 11);
    EXPECT_EQ(ParseRoot("g#"), 11);
    EXPECT_EQ(ParseRoot("11"), 11);
    EXPECT_EQ(ParseRoot("Cb"), std::nullopt);
    EXPECT_EQ(ParseRoot(""), std::nullopt);
}

TEST(ChordArgs, TypesByNameOrIndex) {
    EXPECT_EQ(ParseType("major"), 0);
    EXPECT_EQ(ParseType("MINOR SEVENTH"), 3);  // the chord, not the interval 35
    EXPECT_EQ(ParseType("Minor Sixth"), 6);
    EXPECT_EQ(ParseType("Major Seventh"), 4);
    EXPECT_EQ(ParseType("35"), 35);
    EXPECT_EQ(ParseType("25"), 25);
    EXPECT_EQ(ParseType("Octave"), 37);
    EXPECT_EQ(ParseType(""), std::nullopt);
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

TEST(CreateCommand, BatchAnswersEveryLineInOrder) {
    const CliResult r = RunCommandLine(
        {"create", "--batch"}, "A Major\nA Minor Second\nH Major\nE minor seventh --all-strings\n");
    EXPECT_EQ(r.status, kExitFailure);
    const std::vector<json> lines = JsonLines(r.out);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0]["combinations"], 288);
    EXPECT_EQ(lines[1]["error"], "This chord cannot be created on\r\nthis part of the fretboard.");
    EXPECT_TRUE(lines[2].contains("error"));
    EXPECT_EQ(lines[3],
              json::parse(RunCommandLine({"create", "E", "3", "--all-strings", "--json"}).out));
    EXPECT_EQ(RunCommandLine({"create", "--batch"}, "A Major\n").status, kExitOk);
}

}  // namespace
}  // namespace fretwise::test

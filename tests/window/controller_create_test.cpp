#include "core/create/bass_filter.hpp"
#include "core/create/fingering_search.hpp"
#include "window/controller_fixture.hpp"

namespace fretwise::test {
namespace {

constexpr int kMajor = 0;
constexpr int kMinorSecond = 26;
constexpr PerString kOpen = {0, 0, 0, 0, 0, 0};
constexpr PerString kOpenNotes = {8, 3, 11, 6, 1, 8};

using CreateTest = StartedControllerTest;

TEST_F(CreateTest, SuccessShowsTheEasiestCandidateAndEnablesBrowsing) {
    Do(ScrollNeck, 0);
    Create(0, kMajor);  // A major

    const std::size_t n = window->state.candidates.size();
    ASSERT_GT(n, 1u);
    EXPECT_EQ(Shown().candidateScroll.min, 1);
    EXPECT_EQ(Shown().candidateScroll.max, static_cast<int>(n));
    EXPECT_EQ(Shown().candidateScroll.value, 1);
    EXPECT_TRUE(Shown().candidateScroll.enabled);
    EXPECT_EQ(Frets(), ShapeNotesToFrets(window->state.candidates[0]).Fret);
    EXPECT_EQ(Shown().chordCaption.substr(0, 2), "A ");
    EXPECT_TRUE(Shown().createEnabled);
    EXPECT_FALSE(Shown().busy);
    EXPECT_EQ(dialogs.log, (std::vector<std::string>{"busy", "idle"}));
    EXPECT_EQ(window->state.createViewPos, 0);

    Do(ChooseCandidate, 2);
    EXPECT_EQ(Frets(), ShapeNotesToFrets(window->state.candidates[1]).Fret);
}

TEST_F(CreateTest, BrowsingBringsTheNeckBackToWhereTheChordWasCreated) {
    Do(ScrollNeck, 5);
    Create(0, kMajor);
    ASSERT_GT(window->state.candidates.size(), 2u);
    EXPECT_EQ(window->state.createViewPos, 5);

    Do(ScrollNeck, 0);
    ClickShape({0, 0, 0, 0, 0, 0});  // clicked changes are replaced by the candidate
    Do(ChooseCandidate, 3);
    EXPECT_EQ(Shown().neckScroll.value, 5);
    EXPECT_EQ(Frets(), ShapeNotesToFrets(window->state.candidates[2]).Fret);
    EXPECT_EQ(Shown().fretboard.fretLabel.caption, "5th fret");
}

TEST_F(CreateTest, SingleCandidateLeavesBrowsingEnabledOnOneValue) {
    Do(ScrollNeck, 6);
    Create(11, 17);  // G# eleventh from the sixth fret: one way to play it
    EXPECT_EQ(window->state.candidates.size(), 1u);
    EXPECT_EQ(Shown().candidateScroll.min, 1);
    EXPECT_EQ(Shown().candidateScroll.max, 1);
    EXPECT_TRUE(Shown().candidateScroll.enabled);
}

TEST_F(CreateTest, FailureShowsOpenStringsAndTheMessageOfTheOption) {
    for (const bool allStrings : {false, true}) {
        SetUp();
        if (allStrings) {
            Do(ToggleAllStrings);
        }
        Create(0, kMajor);
        ASSERT_TRUE(Shown().candidateScroll.enabled);
        ClickShape({3, 3, 4, 5, 5, 3});
        dialogs.log.clear();
        Create(0, kMinorSecond);

        EXPECT_EQ(Frets(), kOpen);
        EXPECT_EQ(Notes(), kOpenNotes);  // playing or saving now uses the open strings
        EXPECT_FALSE(Shown().candidateScroll.enabled);
        EXPECT_TRUE(Shown().createEnabled);
        EXPECT_FALSE(Shown().busy);
        EXPECT_EQ(
            dialogs.log,
            (std::vector<std::string>{
                "busy", "idle", "information " + std::string(CreateFailureMessage(allStrings))}));
        EXPECT_GT(window->state.candidates.size(), 0u);  // the earlier result is kept

        Do(PlayChord, StrumMode::Block);
        EXPECT_TRUE(LastPlayedIs(RenderChordWav({19, 14, 10, 5, 0, -5}, StrumMode::Block)));
    }
}

TEST_F(CreateTest, FailureAfterAFileErrorSavesAValidChordFile) {
    files.files["/home/u/bad.fw"] = " 20 \r\n 10 \r\n";
    Do(OpenChordFile, "/home/u/bad.fw");
    dialogs.answers = {"/home/u/saved.fw"};
    Do(SaveChordFile);
    EXPECT_EQ(files.files["/home/u/saved.fw"],
              " 20 \r\n 8 \r\n 3 \r\n 11 \r\n 6 \r\n 1 \r\n 8 \r\n");
}

TEST_F(CreateTest, BlankTypeCannotBeChosen) {
    Do(SelectChordType, 25);
    EXPECT_EQ(Shown().typeList.selected, 26);
    EXPECT_EQ(Shown().typeList.Text(), "Minor Second");
}

const std::string kAskSymbol =
    "input Chord symbol, such as C, F#m7, Bbmaj7, Bm7b5 or D/F#:|Find chord|";

TEST_F(CreateTest, FindChordAsksAgainAfterABadSymbolAndCreatesAsTheButtonDoes) {
    dialogs.answers = {"Cmaj13", "Am"};
    Do(FindChord);
    EXPECT_EQ(dialogs.log.size(), 5u);
    EXPECT_EQ(dialogs.log[0], kAskSymbol);
    EXPECT_EQ(dialogs.log[1].rfind("information 'Cmaj13': no chord type 'maj13' (known: ", 0), 0u);
    EXPECT_EQ(dialogs.log[2], kAskSymbol + "Cmaj13");
    const std::vector<Fingering> found = window->state.candidates;
    EXPECT_EQ(Shown().panel.symbol, "Am/E");  // the easiest has E lowest

    Create(0, 1);  // A minor by the lists
    EXPECT_EQ(window->state.candidates, found);

    dialogs.log.clear();
    dialogs.answers = {"  "};  // a blank answer is no answer
    Do(FindChord);
    EXPECT_EQ(dialogs.log, std::vector<std::string>{kAskSymbol});
    EXPECT_EQ(window->state.candidates, found);
}

TEST_F(CreateTest, FindChordWithABassKeepsTheCandidatesThatPlayItLowestOrChangesNothing) {
    dialogs.answers = {"D/F#"};
    Do(FindChord);
    EXPECT_EQ(Shown().rootList.selected, 5);
    EXPECT_EQ(Shown().typeList.selected, kMajor);
    SearchResult all = FindFingerings({5, kMajor, 0, 20, false});
    KeepCandidatesWithBass(all, 10);
    EXPECT_EQ(window->state.candidates, all.candidates);
    EXPECT_EQ(Shown().panel.symbol, "D/Gb");  // a first start spells with flats

    dialogs.log.clear();
    dialogs.answers = {"Dmaj9/C#"};  // no shape in frets 1 to 8 has C# lowest
    Do(FindChord);
    EXPECT_EQ(dialogs.log,
              (std::vector<std::string>{kAskSymbol,
                                        "information No fingering of Dmaj9/C# in frets 1 to 8"}));
    EXPECT_EQ(window->state.candidates, all.candidates);
    EXPECT_EQ(ShapeNotesToFrets(all.candidates[0]).Fret, Frets());
    EXPECT_EQ(Shown().typeList.selected, kMajor);
    EXPECT_TRUE(Shown().candidateScroll.enabled);
}

}  // namespace
}  // namespace fretwise::test

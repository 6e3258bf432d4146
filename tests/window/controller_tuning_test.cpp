#include <tuple>

#include "core/storage/chord_file.hpp"
#include "core/storage/settings_file.hpp"
#include "support/shapes.hpp"
#include "window/controller_fixture.hpp"

namespace fretwise::test {
namespace {

constexpr int kStandard = 0, kDropD = 1, kOpenG = 7;

class TuningTest : public ControllerTest {
  protected:
    void SetUp() override {
        ControllerTest::SetUp();
        Startup(*window, "");
    }
};

TEST_F(TuningTest, ATuningSoundsTheFingersWhereTheyAre) {
    ClickShape(test::Frets("000232"));
    ASSERT_EQ(Shown().chordCaption, "D added ninth");  // E A D A D F#
    Do(ChooseTuning, kDropD);

    EXPECT_EQ(Shown().menu.tuningChecked, kDropD);
    EXPECT_EQ(Frets(), test::Frets("000232"));
    EXPECT_EQ(Shown().chordCaption, "D major");
    EXPECT_EQ(Shown().fretboard.stringLabels[5], "D");
    EXPECT_EQ(Shown().fretboard.tuningCaption, "Tuning: D A D G B E");
    EXPECT_EQ(Shown().fretboard.capoCaption, "");
    EXPECT_EQ(Shown().staff.lowerLedgers, 4);  // the low D below the standard low E

    Do(PlayChord, StrumMode::Block);
    EXPECT_TRUE(LastPlayedIs(RenderChordWav({21, 17, 12, 5, 0, -7}, StrumMode::Block)));
    Click(MouseButton::Left, 5, 0);  // the open string it holds
    EXPECT_TRUE(LastPlayedIs(RenderNoteWav(-7)));
    EXPECT_EQ(Shown().fretboard.cursor.description.rfind("Fretboard, string 6 (D), fret 0", 0), 0u)
        << Shown().fretboard.cursor.description;

    Do(ShowTuner);
    EXPECT_EQ(desktop.tunerTuning, window->state.strings.tuning);
}

TEST_F(TuningTest, ACapoRaisesTheSoundAndThePanelNamesTheShape) {
    ClickShape(test::Frets("x02220"));
    ASSERT_EQ(Shown().chordCaption, "A major");
    EXPECT_EQ(Shown().panel.shapeName, "");
    dialogs.answers = {"2"};
    Do(AskCapo);

    EXPECT_EQ(dialogs.log[0], "input Enter the fret of the capo (0 for none, at most 7)||0");
    EXPECT_EQ(Shown().chordCaption, "B major");
    EXPECT_EQ(Shown().panel.shapeName, "Shape: A major");
    EXPECT_EQ(Shown().fretboard.capoCaption, "Capo 2");
    EXPECT_EQ(window->state.strings.capo, 2);

    for (const std::string refused : {"8", "1.5"}) {
        dialogs.log.clear();
        dialogs.answers = {refused};
        Do(AskCapo);
        EXPECT_EQ(dialogs.log.back(), "beep") << refused;
        EXPECT_EQ(window->state.strings.capo, 2);
    }
    dialogs.answers = {"0"};
    Do(AskCapo);
    EXPECT_EQ(Shown().panel.shapeName, "");
    EXPECT_EQ(Shown().fretboard.capoCaption, "");
}

TEST_F(TuningTest, CustomTuningAndCreationFollowTheStrings) {
    dialogs.answers = {"D2,G2,D3,G3,B3,D4", std::nullopt};
    Do(AskCustomTuning);
    EXPECT_EQ(dialogs.log[0], "tuning E2,A2,D3,G3,B3,E4");
    EXPECT_EQ(Shown().menu.tuningChecked, kOpenG);  // the notes of a named tuning
    Do(AskCustomTuning);                            // cancelled
    EXPECT_EQ(Shown().menu.tuningChecked, kOpenG);
    Do(SelectRoot, 10);  // G
    Do(SelectChordType, 0);
    Do(CreateChord);
    ASSERT_FALSE(window->state.candidates.empty());
    EXPECT_EQ(Shown().chordCaption, "G major");
    Do(ChooseTuning, kStandard);
    EXPECT_FALSE(Shown().candidateScroll.enabled);
}

TEST_F(TuningTest, ChordFilesCarryTheTuningBothWays) {
    Do(ChooseTuning, kDropD);
    dialogs.answers = {"2"};
    Do(AskCapo);
    ClickShape(test::Frets("000232"));
    dialogs.answers = {"/f/d.fw"};
    Do(SaveChordFile);
    const std::string saved = files.files.at("/f/d.fw");
    EXPECT_TRUE(saved.ends_with("0,0,0,0,0,-2\r\n 2 \r\n")) << saved;

    Do(ChooseTuning, kStandard);
    Do(OpenChordFile, "/f/d.fw");
    EXPECT_EQ(window->state.strings, (OpenStrings{*ReadTuning("drop-d").tuning, 2}));
    EXPECT_EQ(Shown().menu.tuningChecked, kDropD);
    EXPECT_EQ(Frets(), test::Frets("000232"));
    EXPECT_EQ(Shown().chordCaption, "E major");

    // A damaged capo line changes nothing; a seven-line file means standard tuning.
    files.files["/f/bad.fw"] = saved.substr(0, saved.size() - 5) + "9 \r\n";
    dialogs.log.clear();
    Do(OpenChordFile, "/f/bad.fw");
    EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{"Error opening file (line 9)"});
    EXPECT_EQ(window->state.strings.capo, 2);
    EXPECT_EQ(Frets(), test::Frets("000232"));
    files.files["/f/std.fw"] = ChordFileText(20, {8, 3, 11, 6, 1, 8});
    Do(OpenChordFile, "/f/std.fw");
    EXPECT_TRUE(window->state.strings.IsStandard());
}

TEST_F(TuningTest, TheSettingsKeepTheTuningAndTheCapoAfterTheClassicLines) {
    // The lines read, the strings they set and the lines written back at closing; a bad line
    // leaves its own value at the default, and a default is written as no line.
    const std::tuple<std::string, OpenStrings, std::string> cases[] = {
        {"", {}, ""},
        {"Tuning=drop-d\r\nCapo=2\r\n",
         {*ReadTuning("drop-d").tuning, 2},
         "Tuning=drop-d\r\nCapo=2\r\n"},
        {"Tuning=D2,G2,D3,G3,B3,C#4",
         {*ReadTuning("D2,G2,D3,G3,B3,C#4").tuning, 0},
         "Tuning=D2,G2,D3,G3,B3,C#4\r\n"},
        {"Tuning=drop-z\r\nCapo=3\r\n", {{}, 3}, "Capo=3\r\n"},
        {"Tuning=open-g\r\nCapo=8\r\n", {*ReadTuning("open-g").tuning, 0}, "Tuning=open-g\r\n"},
    };
    Settings stored;
    stored.frets = test::Frets("000232");
    for (const auto& [lines, strings, written] : cases) {
        ControllerTest::SetUp();
        files.files[SettingsPath()] = SettingsText(stored) + lines;
        Startup(*window, "");
        EXPECT_EQ(window->state.strings, strings) << lines;
        EXPECT_EQ(Frets(), stored.frets) << lines;
        Do(Close);
        EXPECT_EQ(files.files.at(SettingsPath()), SettingsText(stored) + written) << lines;
    }
}

}  // namespace
}  // namespace fretwise::test

#include <tuple>

#include "storage/chord_file.hpp"
#include "support/shapes.hpp"
#include "window/controller_fixture.hpp"

namespace fretwise::test {
namespace {

constexpr int kStandard = 0, kDropD = 1, kOpenG = 7;

class TuningTest : public ControllerTest {
  protected:
    void SetUp() override {
        ControllerTest::SetUp();
        window->Startup("");
    }
};

TEST_F(TuningTest, ATuningSoundsTheFingersWhereTheyAre) {
    ClickShape(test::Frets("000232"));
    ASSERT_EQ(Shown().chordCaption, "D added ninth");  // E A D A D F#
    window->ChooseTuning(kDropD);

    EXPECT_EQ(Shown().menu.tuningChecked, kDropD);
    EXPECT_EQ(Frets(), test::Frets("000232"));
    EXPECT_EQ(Shown().chordCaption, "D major");
    EXPECT_EQ(Shown().fretboard.stringLabels[5], "D");
    EXPECT_EQ(Shown().fretboard.tuningCaption, "Tuning: D A D G B E");
    EXPECT_EQ(Shown().fretboard.capoCaption, "");
    EXPECT_EQ(Shown().staff.lowerLedgers, 4);  // the low D below the standard low E

    window->PlayChord(StrumMode::Block);
    EXPECT_TRUE(LastPlayedIs(RenderChordWav({21, 17, 12, 5, 0, -7}, StrumMode::Block)));
    window->PlayString(5);
    EXPECT_TRUE(LastPlayedIs(RenderNoteWav(-7)));

    window->ShowTuner();
    EXPECT_EQ(desktop.tunerTuning, window->Strings().tuning);

    window->ChooseTuning(kStandard);
    EXPECT_EQ(Shown().fretboard.tuningCaption, "");
    EXPECT_EQ(Shown().menu.tuningChecked, kStandard);
}

TEST_F(TuningTest, ACapoRaisesTheSoundAndThePanelNamesTheShape) {
    ClickShape(test::Frets("x02220"));
    ASSERT_EQ(Shown().chordCaption, "A major");
    EXPECT_EQ(Shown().panel.shapeName, "");
    dialogs.answers = {"2"};
    window->AskCapo();

    EXPECT_EQ(dialogs.log[0], "input Enter the fret of the capo (0 for none, at most 7)||0");
    EXPECT_EQ(Shown().chordCaption, "B major");
    EXPECT_EQ(Shown().panel.shapeName, "Shape: A major");
    EXPECT_EQ(Shown().fretboard.capoCaption, "Capo 2");
    EXPECT_EQ(window->Strings().capo, 2);

    for (const std::string refused : {"8", "-1", "1.5", "two"}) {
        dialogs.log.clear();
        dialogs.answers = {refused};
        window->AskCapo();
        EXPECT_EQ(dialogs.log.back(), "beep") << refused;
        EXPECT_EQ(window->Strings().capo, 2);
    }
    dialogs.answers = {"0"};
    window->AskCapo();
    EXPECT_EQ(Shown().panel.shapeName, "");
    EXPECT_EQ(Shown().fretboard.capoCaption, "");
}

TEST_F(TuningTest, CustomTuningAndCreationFollowTheStrings) {
    dialogs.answers = {"D2,G2,D3,G3,B3,D4", std::nullopt};
    window->AskCustomTuning();
    EXPECT_EQ(dialogs.log[0], "tuning E2,A2,D3,G3,B3,E4");
    EXPECT_EQ(Shown().menu.tuningChecked, kOpenG);  // the notes of a named tuning
    window->AskCustomTuning();                      // cancelled
    EXPECT_EQ(Shown().menu.tuningChecked, kOpenG);
    dialogs.answers = {"D2,G2,D3,G3,B3,C#4"};
    window->AskCustomTuning();
    EXPECT_EQ(Shown().menu.tuningChecked, -1);

    dialogs.answers = {"D2,G2,D3,G3,B3,D4"};
    window->AskCustomTuning();
    window->SelectRoot(10);  // G
    window->SelectChordType(0);
    window->CreateChord();
    ASSERT_FALSE(window->Candidates().empty());
    EXPECT_EQ(Shown().chordCaption, "G major");
    window->ChooseTuning(kStandard);
    EXPECT_FALSE(Shown().candidateScroll.enabled);
}

TEST_F(TuningTest, ChordFilesCarryTheTuningBothWays) {
    window->ChooseTuning(kDropD);
    dialogs.answers = {"2"};
    window->AskCapo();
    ClickShape(test::Frets("000232"));
    dialogs.answers = {"/f/d.fw"};
    window->SaveChordFile();
    const std::string saved = files.files.at("/f/d.fw");
    EXPECT_TRUE(saved.ends_with("0,0,0,0,0,-2\r\n 2 \r\n")) << saved;

    window->ChooseTuning(kStandard);
    window->OpenChordFile("/f/d.fw");
    EXPECT_EQ(window->Strings(), (OpenStrings{*ReadTuning("drop-d").tuning, 2}));
    EXPECT_EQ(Shown().menu.tuningChecked, kDropD);
    EXPECT_EQ(Frets(), test::Frets("000232"));
    EXPECT_EQ(Shown().chordCaption, "E major");

    // A damaged capo line changes nothing; a seven-line file means standard tuning.
    files.files["/f/bad.fw"] = saved.substr(0, saved.size() - 5) + "9 \r\n";
    dialogs.log.clear();
    window->OpenChordFile("/f/bad.fw");
    EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{"Error opening file (line 9)"});
    EXPECT_EQ(window->Strings().capo, 2);
    EXPECT_EQ(Frets(), test::Frets("000232"));
    files.files["/f/std.fw"] = ChordFileText(20, {8, 3, 11, 6, 1, 8});
    window->OpenChordFile("/f/std.fw");
    EXPECT_TRUE(window->Strings().IsStandard());
}

}  // namespace
}  // namespace fretwise::test

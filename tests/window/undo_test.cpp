// Chord > Undo, Redo and Clear.
#include "support/shapes.hpp"
#include "window/controller_fixture.hpp"

namespace fretwise::test {
namespace {

class UndoTest : public StartedControllerTest {
  protected:
    void SetUp() override {
        StartedControllerTest::SetUp();
        ClickShape(test::Frets("133211"));  // F barre
    }
};

TEST_F(UndoTest, UndoAndRedoStepThroughTheChordsAndGreyTheirItems) {
    const PerString barre = Frets();
    Do(PressFretboardKey, Key::X, false);  // the low E string muted
    const PerString muted = Frets();
    ASSERT_NE(muted, barre);
    const std::tuple<void (*)(Window&), PerString, bool, bool> steps[] = {
        {UndoChord, barre, true, true},
        {RedoChord, muted, true, false},
        {UndoChord, barre, true, true},
        {ClearChord, test::Frets("000000"), true, false},
        {RedoChord, test::Frets("000000"), true, false},
    };
    for (const auto& [command, frets, undo, redo] : steps) {
        Do(command);
        EXPECT_EQ(Frets(), frets);
        EXPECT_EQ(Shown().menu.undoEnabled, undo);
        EXPECT_EQ(Shown().menu.redoEnabled, redo);
    }
    Do(UndoChord);
    Do(Close);
    Settings stored = ReadSettings(*files.OpenToRead(SettingsPath())).settings;
    EXPECT_EQ(stored.frets, barre);
}

TEST_F(UndoTest, TheTuningCapoAndOptionsStayWhenAChordComesBack) {
    Click(MouseButton::Right, 0, 0);
    Do(ChooseTuning, 1);
    Do(ToggleLeftHanded);
    Do(ToggleAccidentals);
    Do(UndoChord);
    EXPECT_EQ(Frets(), test::Frets("133211"));
    EXPECT_EQ(Shown().menu.tuningChecked, 1);
    EXPECT_TRUE(window->state.leftHanded);
    EXPECT_EQ(window->state.accidentals, Accidentals::Sharps);
    // The chord sounds on the strings in force.
    EXPECT_EQ(Notes(), ShapeFretsToNotes(window->state.shape, window->state.strings).Note);
}

TEST_F(UndoTest, ACreatedChordGoesBackToTheChordBeforeIt) {
    Create(3, 0);  // C major
    ASSERT_TRUE(Shown().candidateScroll.enabled);
    Do(ChooseCandidate, 2);
    const PerString second = Frets();
    Do(UndoChord);
    EXPECT_TRUE(Shown().candidateScroll.enabled);
    EXPECT_EQ(Shown().candidateScroll.value, 1);
    Do(UndoChord);
    EXPECT_EQ(Frets(), test::Frets("133211"));
    EXPECT_FALSE(Shown().candidateScroll.enabled);
    Do(RedoChord);
    Do(RedoChord);
    EXPECT_EQ(Frets(), second);
}

TEST_F(UndoTest, AHundredStepsAreKept) {
    while (Do(UndoChord), Shown().menu.undoEnabled) {
    }
    // Each click moves one string between frets 2 and 3.
    for (int n = 0; n < 2 * static_cast<int>(UndoHistory::kMaxSteps); ++n) {
        Click(MouseButton::Left, n % kStringCount, 2 + n / kStringCount % 2);
    }
    int steps = 0;
    while (Shown().menu.undoEnabled) {
        Do(UndoChord);
        ++steps;
    }
    EXPECT_EQ(steps, static_cast<int>(UndoHistory::kMaxSteps));
}

}  // namespace
}  // namespace fretwise::test

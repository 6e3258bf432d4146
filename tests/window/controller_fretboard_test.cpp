#include <tuple>

#include "window/controller_fixture.hpp"

namespace fretwise::test {
namespace {

using FretboardClickTest = StartedControllerTest;

TEST_F(FretboardClickTest, LeftClickSetsTheFretAndASecondClickPlaysTheString) {
    Click(MouseButton::Left, 2, 2);
    EXPECT_EQ(Frets()[2], 2);
    EXPECT_EQ(Notes()[2], 13);
    EXPECT_EQ(Shown().fretboard.stringLabels[2], "A");
    EXPECT_TRUE(Shown().fretboard.markers[2].visible);
    EXPECT_TRUE(player.played.empty());

    Click(MouseButton::Left, 2, 2);
    EXPECT_EQ(Frets()[2], 2);
    ASSERT_EQ(player.played.size(), 1u);
    EXPECT_TRUE(LastPlayedIs(RenderNoteWav(12)));
    EXPECT_EQ(dialogs.log, (std::vector<std::string>{"busy", "idle"}));
    EXPECT_FALSE(Shown().busy);
    EXPECT_TRUE(Shown().fretboardEnabled && Shown().playEnabled && Shown().strumEnabled);
}

TEST_F(FretboardClickTest, LeftClickOnAMutedStringSetsItWithoutPlaying) {
    Click(MouseButton::Right, 5, 0);
    ASSERT_EQ(Frets()[5], kMuted);
    Click(MouseButton::Left, 5, 3);
    EXPECT_EQ(Frets()[5], 3);
    EXPECT_TRUE(player.played.empty());
}

TEST_F(FretboardClickTest, RightClickMutesOrOpensAndNeverPlays) {
    Click(MouseButton::Left, 1, 1);
    const std::tuple<int, std::int16_t, std::int16_t> cases[] = {
        {1, 1, -1}, {1, -1, 0}, {1, 0, -1}, {0, 0, -1}};
    for (const auto& [string, before, after] : cases) {
        ASSERT_EQ(Frets()[string], before);
        Click(MouseButton::Right, string, 3);
        EXPECT_EQ(Frets()[string], after);
    }
    EXPECT_TRUE(Shown().fretboard.strings[1].dashed);
    EXPECT_EQ(Shown().fretboard.stringLabels[1], "x");
    EXPECT_FALSE(Shown().staff.heads[1].visible);
    EXPECT_TRUE(player.played.empty());
}

TEST_F(FretboardClickTest, AnyOtherButtonCountsAsLeft) {
    Click(MouseButton::Other, 3, 4);
    EXPECT_EQ(Frets()[3], 4);
}

TEST_F(FretboardClickTest, StringLabelOpensTheStringThenPlaysIt) {
    for (std::int16_t start : {std::int16_t{3}, kMuted}) {
        if (start == kMuted) {
            Click(MouseButton::Right, 4, 0);
        } else {
            Click(MouseButton::Left, 4, start);
        }
        ASSERT_EQ(Frets()[4], start);
        Click(MouseButton::Left, 4, 0);
        EXPECT_EQ(Frets()[4], 0);
    }
    const std::size_t before = player.played.size();
    Click(MouseButton::Left, 4, 0);
    EXPECT_EQ(player.played.size(), before + 1);
    EXPECT_TRUE(LastPlayedIs(RenderNoteWav(0)));
}

TEST_F(FretboardClickTest, ClicksOutsideTheStringsDoNothing) {
    const DisplayState before = Shown();
    Do(ClickFretboard, MouseButton::Left, 3975, 1000);  // right of the high E string
    EXPECT_EQ(Frets(), (PerString{0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Shown().chordCaption, before.chordCaption);
}

TEST_F(FretboardClickTest, ScrollingMovesMarkersButKeepsTheChord) {
    ClickShape({1, 1, 2, 3, 3, 1});  // F barre
    const std::string name = Shown().chordCaption;
    EXPECT_TRUE(Shown().fretboard.bar.visible);
    Do(ScrollNeck, 2);
    EXPECT_EQ(Shown().neckScroll.value, 2);
    EXPECT_FALSE(Shown().fretboard.bar.visible);
    EXPECT_FALSE(Shown().fretboard.markers[0].visible);
    EXPECT_EQ(Shown().chordCaption, name);

    // Clicks on a scrolled neck count from the first fret in view.
    Click(MouseButton::Left, 0, 5);
    EXPECT_EQ(Frets()[0], 5);
    EXPECT_EQ(Shown().fretboard.markers[0].top, 840 + 720 * 2 + 120);
}

TEST_F(FretboardClickTest, ShownNameFollowsTheCreationRoot) {
    ClickShape({0, 1, 0, 2, 0, -1});  // A minor seventh, also C sixth
    ASSERT_TRUE(Shown().nameScroll.enabled);
    ASSERT_GE(Shown().nameScroll.max, 1);
    Do(SelectRoot, 3);  // "C"
    Click(MouseButton::Right, 5, 0);
    Click(MouseButton::Right, 5, 0);  // refresh the same chord
    EXPECT_EQ(Shown().chordCaption.substr(0, 2), "C ");
    const int shownC = Shown().nameScroll.value;

    Do(SelectRoot, 0);  // "A"
    Click(MouseButton::Right, 5, 0);
    Click(MouseButton::Right, 5, 0);
    EXPECT_EQ(Shown().chordCaption.substr(0, 2), "A ");
    EXPECT_NE(Shown().nameScroll.value, shownC);

    Do(ChooseChordName, shownC);
    EXPECT_EQ(Shown().chordCaption.substr(0, 2), "C ");
}

TEST_F(FretboardClickTest, SilentChordShowsNoName) {
    ClickShape({-1, -1, -1, -1, -1, -1});
    EXPECT_EQ(Shown().chordCaption, "");
    EXPECT_EQ(Shown().panel.thirds.caption, "Thirds:");
    EXPECT_FALSE(Shown().panel.name.enabled);
    EXPECT_FALSE(Shown().nameScroll.enabled);
    EXPECT_EQ(Shown().nameScroll.max, 0);
}

}  // namespace
}  // namespace fretwise::test

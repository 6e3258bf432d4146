#include <tuple>

#include "window/controller_fixture.hpp"
#include "window/fretboard_cursor.hpp"
#include "window/geometry.hpp"

namespace fretwise::test {
namespace {

using enum Key;

class FretboardKeysTest : public ControllerTest {
  protected:
    void SetUp() override {
        ControllerTest::SetUp();
        Startup(*window, "");
    }

    void Press(std::initializer_list<Key> keys, bool ctrl = false) {
        for (const Key key : keys) {
            Do(PressFretboardKey, key, ctrl);
        }
    }

    CursorView Cursor() const { return Shown().fretboard.cursor; }
};

TEST(FretboardKeyMap, EachKeyHasOneCommandAndCtrlOnlyMovesTheShape) {
    using enum FretboardCommand;
    const std::tuple<Key, std::optional<FretboardCommand>, std::optional<FretboardCommand>>
        cases[] = {
            {Left, CursorLeft, std::nullopt}, {Right, CursorRight, std::nullopt},
            {Up, CursorUp, ShapeUp},          {Down, CursorDown, ShapeDown},
            {Space, Hold, std::nullopt},      {Enter, Hold, std::nullopt},
            {X, Mute, std::nullopt},          {Delete, Mute, std::nullopt},
            {Digit0, Open, std::nullopt},     {P, Play, std::nullopt},
            {S, Strum, std::nullopt},         {Other, std::nullopt, std::nullopt},
        };
    for (const auto& [key, plain, withCtrl] : cases) {
        EXPECT_EQ(FretboardCommandOfKey(key, false), plain) << static_cast<int>(key);
        EXPECT_EQ(FretboardCommandOfKey(key, true), withCtrl) << static_cast<int>(key);
    }
}

TEST_F(FretboardKeysTest, CMajorFromTheKeyboardAlone) {
    Press({X, Right, Down, Down, Down, Space, Right, Up, Space, Right, Right, Up, Space});
    EXPECT_EQ(Frets(), (PerString{0, 1, 0, 2, 3, -1}));
    EXPECT_EQ(Shown().chordCaption, "C major");
    EXPECT_TRUE(player.played.empty());
    Press({P});
    EXPECT_EQ(player.played.size(), 1u);
}

// Left and right follow the picture; the cursor stops at the outer strings, the nut and the
// last fret, and the neck scrolls to keep it in view.
TEST_F(FretboardKeysTest, CursorMovesOnScreenAndTheNeckFollows) {
    const std::tuple<bool, std::vector<Key>, int, int, int> cases[] = {
        {false, {Left}, 5, 0, 0},
        {false, {Right, Right}, 3, 0, 0},
        {true, {Right, Right}, 5, 0, 0},
        {true, {Left, Left}, 3, 0, 0},
        {false, {Up}, 5, 0, 0},
        {false, std::vector<Key>(9, Down), 5, 9, 1},
        {false, std::vector<Key>(25, Down), 5, 20, 12},
    };
    for (const auto& [leftHanded, keys, string, fret, position] : cases) {
        SetUp();
        window->state.leftHanded = leftHanded;
        for (const Key key : keys) {
            Do(PressFretboardKey, key, false);
        }
        EXPECT_EQ(Cursor().string, string) << keys.size();
        EXPECT_EQ(Cursor().fret, fret) << keys.size();
        EXPECT_EQ(Shown().neckScroll.value, position) << keys.size();
        EXPECT_TRUE(Cursor().inView);
    }
    Press({Up});  // back from fret 20 to 19: still in view
    EXPECT_EQ(Shown().neckScroll.value, 12);
    Do(ScrollNeck, 0);
    EXPECT_FALSE(Cursor().inView);
    Press({Up});
    EXPECT_EQ(Shown().neckScroll.value, 10);
}

TEST_F(FretboardKeysTest, HoldMuteAndOpenActAsClicks) {
    Press({Down, Down, Space});
    EXPECT_EQ(Frets()[5], 2);
    Press({Space});  // held already: plays the string
    EXPECT_EQ(player.played.size(), 1u);
    Press({Delete});
    EXPECT_EQ(Frets()[5], kMuted);
    Press({X});  // as a right click, a muted string opens
    EXPECT_EQ(Frets()[5], 0);
    Press({Enter, Digit0});
    EXPECT_EQ(Frets()[5], 0);
    EXPECT_EQ(player.played.size(), 1u);
}

TEST_F(FretboardKeysTest, CtrlUpAndDownMoveTheShapeOrBeepAtTheEdge) {
    const std::tuple<PerString, Key, PerString, bool> cases[] = {
        {{0, 1, 0, 2, 3, -1}, Down, {1, 2, 1, 3, 4, -1}, false},
        {{0, 1, 0, 2, 3, -1}, Up, {0, 1, 0, 2, 3, -1}, true},
        {{1, 1, 2, 3, 3, 1}, Up, {0, 0, 1, 2, 2, 0}, false},
        {{-1, -1, -1, -1, -1, -1}, Up, {-1, -1, -1, -1, -1, -1}, false},
    };
    for (const auto& [before, key, after, beeps] : cases) {
        SetUp();
        Startup(*window, "");
        ClickShape(before);
        dialogs.log.clear();
        Press({key}, true);
        EXPECT_EQ(Frets(), after);
        EXPECT_EQ(dialogs.log == std::vector<std::string>{"beep"}, beeps);
    }
    Do(ScrollNeck, 12);
    Click(MouseButton::Left, 1, 20);
    Press({Down}, true);
    EXPECT_EQ(Frets()[1], 20);
    EXPECT_EQ(dialogs.log.back(), "beep");
}

TEST(CursorDescription, SaysStringFretAndWhatTheStringDoes) {
    const std::tuple<int, const char*, int, int, const char*, const char*> cases[] = {
        {4, "A", 3, 3, "3", "Fretboard, string 5 (A), fret 3, held by finger 3"},
        {4, "A", 3, 3, "", "Fretboard, string 5 (A), fret 3, held"},
        {0, "E", 0, 0, "0", "Fretboard, string 1 (E), fret 0, open"},
        {5, "E", 2, -1, "", "Fretboard, string 6 (E), fret 2, muted"},
        {1, "B", 2, 0, "0", "Fretboard, string 2 (B), fret 2, not held; the string is open"},
        {1, "B", 0, 1, "1", "Fretboard, string 2 (B), fret 0, not held; the string holds fret 1"},
    };
    for (const auto& [string, name, fret, held, finger, said] : cases) {
        EXPECT_EQ(CursorDescription(string, name, fret, held, finger), said);
    }
}

// The mirrored view changes where things are, never the chord.
TEST_F(FretboardKeysTest, LeftHandedClicksLandOnTheMirroredStrings) {
    ClickShape({0, 1, 0, 2, 3, -1});
    Do(ToggleLeftHanded);
    EXPECT_TRUE(window->state.leftHanded);
    EXPECT_EQ(Frets(), (PerString{0, 1, 0, 2, 3, -1}));
    Do(ClickFretboard, MouseButton::Left, geometry::MirrorX(geometry::StringX(5)), 2000);
    EXPECT_EQ(Frets()[5], 2);
    EXPECT_EQ(Cursor().left, 3675 - 300);
    Do(ToggleLeftHanded);
    EXPECT_FALSE(window->state.leftHanded);
}

}  // namespace
}  // namespace fretwise::test

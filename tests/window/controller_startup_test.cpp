#include "window/controller_fixture.hpp"

namespace fretwise::test {
namespace {

using StartupTest = ControllerTest;

constexpr PerString kOpen = {0, 0, 0, 0, 0, 0};
constexpr PerString kOpenNotes = {8, 3, 11, 6, 1, 8};

Settings StoredCMajor() {
    Settings s;
    s.numFrets = 20;
    s.toolTips = false;
    s.allStrings = true;
    s.flats = false;
    s.frets = {0, 1, 0, 2, 3, -1};
    s.neckPosition = 2;
    s.nameIndex = 0;
    s.rootIndex = 3;
    s.typeIndex = 5;
    return s;
}

TEST_F(StartupTest, FirstStartWithoutSettingsUsesTheDefaults) {
    files.files["/home/u/song.fw"] = " 20 \r\n 10 \r\n 6 \r\n 13 \r\n 6 \r\n-1 \r\n-1 \r\n";
    window->Startup("/home/u/song.fw");

    EXPECT_EQ(window->NumFrets(), 20);
    EXPECT_FALSE(Shown().menu.toolTipsChecked);
    EXPECT_EQ(Shown().toolTips.fretboard, "");
    EXPECT_EQ(Shown().menu.accidentalsCaption, "&Use Sharps (#)");
    EXPECT_EQ(window->AccidentalMode(), Accidentals::Flats);
    EXPECT_EQ(Frets(), kOpen);
    EXPECT_EQ(Notes(), kOpenNotes);
    EXPECT_EQ(Shown().neckScroll.value, 0);
    EXPECT_EQ(Shown().neckScroll.max, 12);
    EXPECT_FALSE(Shown().candidateScroll.enabled);
    EXPECT_TRUE(dialogs.Messages().empty());
    // The root list is spelled in flats, like the names on show.
    EXPECT_EQ(Shown().rootList.items[1], "Bb");
    EXPECT_EQ(Shown().rootList.items[11], "Ab");
    EXPECT_EQ(Shown().typeList.items.size(), 38u);
    EXPECT_EQ(Shown().typeList.items[26], "Minor Second");
    EXPECT_EQ(Shown().fretboard.fretLines.size(), 21u);
    EXPECT_EQ(Shown().fretboard.fretLabel.caption, "5");

    EXPECT_EQ(desktop.shown, 1);
    ASSERT_EQ(registrar.registered.size(), 1u);
    EXPECT_EQ(registrar.registered[0].programId, "Fretwise");
    EXPECT_EQ(registrar.registered[0].extension, ".fw");
    EXPECT_EQ(registrar.registered[0].description, "Chord");
    EXPECT_EQ(registrar.registered[0].commandTemplate, "");
    EXPECT_TRUE(files.writes.empty());
}

TEST_F(StartupTest, CompleteSettingsAreAppliedAndTheCommandLineFileOpened) {
    StoreSettings(StoredCMajor());
    files.files["/home/u/d major.fw"] = " 20 \r\n 10 \r\n 6 \r\n 13 \r\n 6 \r\n-1 \r\n-1 \r\n";
    window->Startup("/home/u/d major.fw ");

    EXPECT_FALSE(Shown().menu.toolTipsChecked);
    EXPECT_TRUE(Shown().menu.allStringsChecked);
    EXPECT_EQ(window->AccidentalMode(), Accidentals::Sharps);
    EXPECT_EQ(Shown().rootList.items[1], "A#");
    EXPECT_EQ(Shown().rootList.selected, 3);
    EXPECT_EQ(Shown().typeList.selected, 5);
    // The file opened last: a D major shape, and the neck back at the top.
    EXPECT_EQ(Frets(), (PerString{2, 3, 2, 0, -1, -1}));
    EXPECT_EQ(Shown().chordCaption, "D major");
    EXPECT_EQ(Shown().neckScroll.value, 0);
}

TEST_F(StartupTest, SettingsWithoutCommandLineKeepTheStoredChordAndView) {
    StoreSettings(StoredCMajor());
    window->Startup("");
    EXPECT_EQ(Frets(), (PerString{0, 1, 0, 2, 3, -1}));
    EXPECT_EQ(Shown().chordCaption, "C major");
    EXPECT_EQ(Shown().neckScroll.value, 2);
    EXPECT_EQ(Shown().fretboard.fretLabel.caption, "5");
    EXPECT_EQ(Shown().fretboard.fretLabel.top, 840 + 720 * 3 - 120);
}

TEST_F(StartupTest, NeckPositionAboveTheMaximumFallsBackFromLineEleven) {
    Settings s = StoredCMajor();
    s.toolTips = true;
    s.neckPosition = 13;  // the maximum is 12 with 20 frets
    StoreSettings(s);
    files.files["/home/u/x.fw"] = " 20 \r\n 10 \r\n 6 \r\n 13 \r\n 6 \r\n-1 \r\n-1 \r\n";
    window->Startup("/home/u/x.fw");

    EXPECT_EQ(window->NumFrets(), 20);
    EXPECT_FALSE(Shown().menu.toolTipsChecked);  // the stored state, inverted by the fallback
    EXPECT_TRUE(Shown().menu.allStringsChecked);
    EXPECT_EQ(window->AccidentalMode(), Accidentals::Flats);
    EXPECT_EQ(Shown().rootList.items[1], "Bb");
    EXPECT_EQ(Frets(), (PerString{0, 1, 0, 2, 3, -1}));  // no file opened
    EXPECT_EQ(Shown().neckScroll.value, 0);
    EXPECT_EQ(Shown().rootList.selected, -1);
}

TEST_F(StartupTest, FallbackKeepsWhatWasReadBeforeTheFirstFailure) {
    Settings s = StoredCMajor();
    s.numFrets = 7;
    s.flats = true;
    const struct {
        int lines;
        PerString frets;
        bool allStrings;
    } cases[] = {
        {0, kOpen, false},
        {3, kOpen, true},
        {7, {0, 1, 0, 0, 0, 0}, true},
        {10, {0, 1, 0, 2, 3, -1}, true},
    };
    for (const auto& c : cases) {
        SetUp();
        StoreSettingsLines(s, c.lines);
        window->Startup("");
        EXPECT_EQ(window->NumFrets(), 20) << c.lines;
        EXPECT_EQ(Frets(), c.frets) << c.lines;
        EXPECT_EQ(Shown().menu.allStringsChecked, c.allStrings) << c.lines;
        EXPECT_EQ(window->AccidentalMode(), Accidentals::Flats) << c.lines;
        EXPECT_EQ(Shown().rootList.items[1], "Bb") << c.lines;
        EXPECT_EQ(Notes(), ShapeFretsToNotes(window->CurrentShape()).Note) << c.lines;
    }
}

TEST_F(StartupTest, LineFourChoosesTheAccidentals) {
    const struct {
        bool flats;
        const char* secondRoot;
        const char* caption;
    } cases[] = {{true, "Bb", "&Use Sharps (#)"}, {false, "A#", "&Use Flats (b)"}};
    for (const auto& c : cases) {
        SetUp();
        Settings s = StoredCMajor();
        s.flats = c.flats;
        s.frets = {-1, -1, 1, -1, -1, -1};  // G#/Ab
        StoreSettings(s);
        window->Startup("");
        EXPECT_EQ(Shown().rootList.items[1], c.secondRoot);
        EXPECT_EQ(Shown().menu.accidentalsCaption, c.caption);
        EXPECT_EQ(Shown().fretboard.stringLabels[2], c.flats ? "Ab" : "G#");
    }
}

TEST_F(StartupTest, FewFretsCannotScrollSoAStoredPositionIsRefused) {
    Settings s = StoredCMajor();
    s.numFrets = 7;
    s.neckPosition = 0;
    StoreSettings(s);
    window->Startup("");
    EXPECT_EQ(window->NumFrets(), 7);
    EXPECT_EQ(Shown().neckScroll.max, 0);

    SetUp();
    s.neckPosition = 1;
    StoreSettings(s);
    window->Startup("");
    EXPECT_EQ(window->NumFrets(), 20);
}

TEST_F(StartupTest, ListIndexesOutsideTheListsAreRefused) {
    const struct {
        std::int16_t root;
        std::int16_t type;
        bool applied;
    } cases[] = {{-1, -1, true}, {11, 37, true}, {12, 0, false}, {0, 38, false}, {-2, 0, false}};
    for (const auto& c : cases) {
        SetUp();
        Settings s = StoredCMajor();
        s.rootIndex = c.root;
        s.typeIndex = c.type;
        StoreSettings(s);
        window->Startup("");
        EXPECT_EQ(window->AccidentalMode() == Accidentals::Sharps, c.applied)
            << c.root << " " << c.type;
    }
}

TEST_F(StartupTest, TheBlankTypeBecomesMinorSecond) {
    Settings s = StoredCMajor();
    s.typeIndex = 25;
    StoreSettings(s);
    window->Startup("");
    EXPECT_EQ(Shown().typeList.selected, 26);
}

}  // namespace
}  // namespace fretwise::test

#include <tuple>

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

constexpr std::string_view kDMajorFile = " 20 \r\n 10 \r\n 6 \r\n 13 \r\n 6 \r\n-1 \r\n-1 \r\n";
constexpr PerString kDMajor = {2, 3, 2, 0, -1, -1};

TEST_F(StartupTest, FirstStartWithoutSettingsUsesTheDefaults) {
    Startup(*window, "");

    EXPECT_EQ(window->state.numFrets, 20);
    EXPECT_FALSE(Shown().menu.toolTipsChecked);
    EXPECT_EQ(window->state.accidentals, Accidentals::Flats);
    EXPECT_EQ(Shown().rootList.items[1], "Bb");  // the root list is spelled like the names
    EXPECT_EQ(Shown().typeList.items.size(), 38u);
    EXPECT_EQ(Frets(), kOpen);
    EXPECT_EQ(Notes(), kOpenNotes);
    EXPECT_EQ(Shown().neckScroll.value, 0);
    EXPECT_FALSE(Shown().candidateScroll.enabled);
    EXPECT_TRUE(dialogs.log.empty());
    EXPECT_EQ(desktop.shown, 1);
    ASSERT_EQ(registrar.registered.size(), 1u);
    const FileTypeRegistration& type = registrar.registered[0];
    EXPECT_EQ(type.programId + type.extension + type.description + type.commandTemplate,
              "Fretwise.fwChord");
    EXPECT_EQ(type.icon, "/opt/fretwise/share/fw.ico");
    EXPECT_TRUE(files.writes.empty());
}

// Settings missing or unreadable at the first line: the defaults, then the named file opens
// all the same; the settings file is left as it was.
TEST_F(StartupTest, TheNamedFileOpensAfterTheFallback) {
    for (const bool unreadable : {false, true}) {
        SetUp();
        if (unreadable) {
            files.files[SettingsPath()] = "twenty\r\n";
        }
        files.files["/home/u/song.fw"] = std::string(kDMajorFile);
        Startup(*window, "/home/u/song.fw");
        EXPECT_EQ(Frets(), kDMajor) << unreadable;
        EXPECT_EQ(Shown().chordCaption, "D major") << unreadable;
        EXPECT_EQ(window->state.accidentals, Accidentals::Flats) << unreadable;
        EXPECT_FALSE(Shown().menu.toolTipsChecked) << unreadable;
        EXPECT_TRUE(dialogs.log.empty()) << unreadable;
        EXPECT_TRUE(files.writes.empty()) << unreadable;
    }
}

TEST_F(StartupTest, CompleteSettingsAreAppliedAndTheCommandLineFileOpened) {
    StoreSettings(StoredCMajor());
    files.files["/home/u/d major.fw"] = " 20 \r\n 10 \r\n 6 \r\n 13 \r\n 6 \r\n-1 \r\n-1 \r\n";
    Startup(*window, "/home/u/d major.fw ");

    EXPECT_FALSE(Shown().menu.toolTipsChecked);
    EXPECT_TRUE(Shown().menu.allStringsChecked);
    EXPECT_EQ(window->state.accidentals, Accidentals::Sharps);
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
    Startup(*window, "");
    EXPECT_EQ(Frets(), (PerString{0, 1, 0, 2, 3, -1}));
    EXPECT_EQ(Shown().chordCaption, "C major");
    EXPECT_EQ(Shown().neckScroll.value, 2);
}

// A value the window cannot show falls back to the first start's settings from its line on:
// flats again and the tooltips' stored state inverted; the named file opens either way.
TEST_F(StartupTest, StoredValuesTheWindowCannotShowFallBack) {
    const struct {
        std::int16_t frets, neck, root, type;
        bool shown;
    } cases[] = {{20, 12, -1, -1, true}, {7, 0, 11, 37, true},  {20, 13, 3, 5, false},
                 {7, 1, 3, 5, false},    {20, 2, 12, 0, false}, {20, 2, 0, 38, false},
                 {20, 2, -2, 0, false}};
    for (const auto& c : cases) {
        SetUp();
        Settings s = StoredCMajor();
        s.toolTips = true;
        s.numFrets = c.frets;
        s.neckPosition = c.neck;
        s.rootIndex = c.root;
        s.typeIndex = c.type;
        StoreSettings(s);
        files.files["/home/u/x.fw"] = std::string(kDMajorFile);
        Startup(*window, "/home/u/x.fw");
        SCOPED_TRACE(testing::Message() << c.frets << " frets at " << c.neck << ", root " << c.root
                                        << ", type " << c.type);
        EXPECT_EQ(window->state.accidentals, c.shown ? Accidentals::Sharps : Accidentals::Flats);
        EXPECT_EQ(Shown().menu.toolTipsChecked, c.shown);
        EXPECT_TRUE(Shown().menu.allStringsChecked);  // read before any of them
        EXPECT_EQ(Frets(), kDMajor);
    }
}

TEST_F(StartupTest, FallbackKeepsWhatWasReadBeforeTheFirstFailure) {
    Settings s = StoredCMajor();
    s.numFrets = 7;
    s.flats = true;
    const std::tuple<int, PerString, bool> cases[] = {{0, kOpen, false},
                                                      {3, kOpen, true},
                                                      {7, {0, 1, 0, 0, 0, 0}, true},
                                                      {10, {0, 1, 0, 2, 3, -1}, true}};
    for (const auto& [lines, frets, allStrings] : cases) {
        SetUp();
        StoreSettingsLines(s, lines);
        Startup(*window, "");
        EXPECT_EQ(window->state.numFrets, 20) << lines;
        EXPECT_EQ(Frets(), frets) << lines;
        EXPECT_EQ(Shown().menu.allStringsChecked, allStrings) << lines;
        EXPECT_EQ(window->state.accidentals, Accidentals::Flats) << lines;
        EXPECT_EQ(Shown().rootList.items[1], "Bb") << lines;
        EXPECT_EQ(Notes(), ShapeFretsToNotes(window->state.shape).Note) << lines;
    }
}

// Each keyed view setting falls back to its default alone.
TEST_F(StartupTest, ViewSettingsReadTheirKeyedLines) {
    const std::tuple<const char*, const char*, bool, int> cases[] = {{"true", "200", true, 200},
                                                                     {"false", "125", false, 125},
                                                                     {"yes", "110", false, 100},
                                                                     {"true", "150%", true, 100},
                                                                     {"", "", false, 100}};
    for (const auto& [leftHanded, zoom, mirrored, percent] : cases) {
        SetUp();
        Settings s = StoredCMajor();
        s.keyed.Set("LeftHanded", leftHanded);
        s.keyed.Set("Zoom", zoom);
        StoreSettings(s);
        Startup(*window, "");
        EXPECT_EQ(window->state.leftHanded, mirrored) << leftHanded;
        EXPECT_EQ(Shown().zoomPercent, percent) << zoom;
    }
}

TEST_F(StartupTest, TheBlankTypeBecomesMinorSecond) {
    Settings s = StoredCMajor();
    s.typeIndex = 25;
    StoreSettings(s);
    Startup(*window, "");
    EXPECT_EQ(Shown().typeList.selected, 26);
}

}  // namespace
}  // namespace fretwise::test

#include <tuple>

#include "window/controller_fixture.hpp"

namespace fretwise::test {
namespace {

using MenuTest = StartedControllerTest;

TEST_F(MenuTest, NumberOfFretsAcceptsWholeNumbersFromFiveToTwenty) {
    // The frets shown afterwards; 0 when the answer is refused.
    const std::tuple<std::optional<std::string>, int> cases[] = {
        {"4", 0}, {"21", 0}, {"7.5", 0}, {std::nullopt, 0}, {"5", 5}, {"20", 20}, {"8.0", 8},
    };
    for (const auto& [answer, frets] : cases) {
        SetUp();
        ClickShape({1, 1, 2, 3, 3, 1});
        Do(ScrollNeck, 3);
        Create(0, 0);  // A major
        dialogs.log.clear();
        dialogs.answers = {answer};
        Do(AskFretCount);

        ASSERT_EQ(dialogs.log[0], "input Enter number of frets to display||20");
        if (frets == 0) {
            EXPECT_EQ(dialogs.log.back(), "beep") << answer.value_or("(cancel)");
            EXPECT_EQ(window->state.numFrets, 20);
            EXPECT_TRUE(Shown().candidateScroll.enabled);
        } else {
            EXPECT_EQ(dialogs.log.size(), 1u) << *answer;
            EXPECT_EQ(window->state.numFrets, frets);
            EXPECT_EQ(Frets(), (PerString{0, 0, 0, 0, 0, 0}));
            EXPECT_FALSE(Shown().candidateScroll.enabled);
            EXPECT_EQ(Shown().neckScroll.value, 0);
            EXPECT_EQ(Shown().fretboard.fretLines.size(), static_cast<std::size_t>(frets + 1));
        }
    }
}

TEST_F(MenuTest, ToolTipsFollowTheirCheckMark) {
    ASSERT_FALSE(Shown().menu.toolTipsChecked);
    Do(ToggleToolTips);
    EXPECT_TRUE(Shown().menu.toolTipsChecked);
    EXPECT_NE(Shown().toolTips.fretboard, "");
    EXPECT_EQ(Shown().toolTips.playButton, "Play this chord (as a block chord)");
    EXPECT_EQ(Shown().toolTips.strumButton, "Play this chord (strum)");
    Do(ToggleToolTips);
    EXPECT_EQ(Shown().toolTips.fretboard, "");
    EXPECT_EQ(Shown().toolTips.playButton, "");
}

TEST_F(MenuTest, AccidentalSwitchRespellsEverythingAndKeepsTheRootSelection) {
    ClickShape({-1, -1, 1, -1, -1, -1});
    Do(SelectRoot, 4);
    ASSERT_EQ(Shown().rootList.Text(), "Db");
    Do(ToggleAccidentals);
    EXPECT_EQ(Shown().menu.accidentalsCaption, "&Use Flats (b)");
    EXPECT_EQ(Shown().rootList.selected, 4);
    EXPECT_EQ(Shown().rootList.Text(), "C#");
    EXPECT_EQ(Shown().fretboard.stringLabels[2], "G#");
    EXPECT_EQ(Shown().staff.accidentals[2].text, "#");
    Do(ToggleAccidentals);
    EXPECT_EQ(Shown().fretboard.stringLabels[2], "Ab");
}

TEST_F(MenuTest, AllStringsOptionOnlyTogglesItsMark) {
    Do(ToggleAllStrings);
    EXPECT_TRUE(Shown().menu.allStringsChecked);
    Do(ToggleAllStrings);
    EXPECT_FALSE(Shown().menu.allStringsChecked);
}

TEST_F(MenuTest, ExitWritesNothingAndDeletesNothing) {
    files.files[sound->SlotFile(0)] = "RIFF";
    Do(Exit);
    EXPECT_EQ(desktop.quit, 1);
    EXPECT_TRUE(files.writes.empty());
    EXPECT_TRUE(files.removeAttempts.empty());
}

TEST_F(MenuTest, CloseWritesTheSettingsAndDeletesSoundFilesUpToTheFirstMissing) {
    for (int n = 0; n <= 5; ++n) {
        files.files[sound->SlotFile(n)] = "RIFF";
    }
    files.files[sound->SlotFile(7)] = "RIFF";
    ClickShape({0, 1, 0, 2, 3, -1});
    Do(ToggleAllStrings);
    Do(Close);

    // Both live in the user's directories, not beside the program.
    ASSERT_EQ(files.writes.size(), 1u);
    EXPECT_EQ(files.writes[0], "/home/u/.config/fretwise/Settings.ini");
    ASSERT_EQ(files.removeAttempts.size(), 7u);
    for (int n = 0; n <= 6; ++n) {
        EXPECT_EQ(files.removeAttempts[n], sound->SlotFile(n));
    }
    EXPECT_EQ(files.files.count(sound->SlotFile(7)), 1u);

    Settings expected;  // a first start's, with the two changes
    expected.allStrings = true;
    expected.frets = {0, 1, 0, 2, 3, -1};
    EXPECT_EQ(files.files[SettingsPath()], SettingsText(expected));
}

TEST_F(MenuTest, SettingsWrittenAtCloseRestoreTheSameWindow) {
    Do(ToggleToolTips);
    Do(ToggleAccidentals);
    ClickShape({0, 1, 0, 2, 0, -1});
    Do(SelectRoot, 3);
    Do(SelectChordType, 30);
    Do(ScrollNeck, 4);
    Do(ToggleLeftHanded);
    Do(ChooseZoom, 110);  // not a step: ignored
    Do(ChooseZoom, 150);
    const DisplayState before = Shown();
    Do(Close);
    const std::string& text = files.files[SettingsPath()];
    EXPECT_EQ(text.substr(text.size() - 27), "LeftHanded=true\r\nZoom=150\r\n");

    const std::map<std::filesystem::path, std::string> kept = files.files;
    ControllerTest::SetUp();
    files.files = kept;
    Startup(*window, "");
    EXPECT_EQ(Shown().menu.toolTipsChecked, before.menu.toolTipsChecked);
    EXPECT_EQ(Shown().menu.accidentalsCaption, before.menu.accidentalsCaption);
    EXPECT_EQ(Frets(), (PerString{0, 1, 0, 2, 0, -1}));
    EXPECT_EQ(Shown().rootList.selected, 3);
    EXPECT_EQ(Shown().typeList.selected, 30);
    EXPECT_EQ(Shown().neckScroll.value, 4);
    EXPECT_EQ(Shown().chordCaption, before.chordCaption);
    EXPECT_EQ(Shown().nameScroll.value, before.nameScroll.value);
    EXPECT_TRUE(window->state.leftHanded);
    EXPECT_EQ(Shown().zoomPercent, 150);
}

TEST_F(MenuTest, HelpAboutAndTunerReachTheDesktop) {
    Do(OpenHelp);
    Do(ShowTuner);
    Do(ShowAbout);
    EXPECT_EQ(desktop.helpOpened, 1);
    EXPECT_EQ(desktop.tunerShown, 1);
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_NE(dialogs.Messages()[0].find("v1.1"), std::string::npos);
    EXPECT_NE(dialogs.Messages()[0].find("\r\n"), std::string::npos);
}

}  // namespace
}  // namespace fretwise::test

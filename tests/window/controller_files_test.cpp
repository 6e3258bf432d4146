#include <fstream>

#include "core/storage/chord_file.hpp"
#include "core/storage/file_messages.hpp"
#include "window/controller_fixture.hpp"

namespace fretwise::test {
namespace {

constexpr const char* kDMajorFile = " 20 \r\n 10 \r\n 6 \r\n 13 \r\n 6 \r\n-1 \r\n-1 \r\n";

using FilesTest = StartedControllerTest;

TEST_F(FilesTest, OpenReadsTheNotesAndDerivesTheFrets) {
    files.files["/home/u/d.fw"] = " 12 \r\n 10 \r\n 6 \r\n 13 \r\n 6 \r\n-1 \r\n-1 \r\n";
    Do(ScrollNeck, 4);
    Do(OpenChordFile, "  /home/u/d.fw  ");
    EXPECT_EQ(window->state.numFrets, 12);
    EXPECT_EQ(Frets(), (PerString{2, 3, 2, 0, -1, -1}));
    EXPECT_EQ(Shown().chordCaption, "D major");
    EXPECT_EQ(Shown().neckScroll.value, 0);
    EXPECT_FALSE(Shown().candidateScroll.enabled);
    EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(FilesTest, ShortOrBlankPathsOpenNothingSilently) {
    ClickShape({1, 1, 2, 3, 3, 1});
    for (const char* path : {"", "   ", "a.f", "  ab  "}) {
        Do(OpenChordFile, path);
    }
    EXPECT_EQ(Frets(), (PerString{1, 1, 2, 3, 3, 1}));
    EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(FilesTest, BadFilesShowTheErrorAndOpenStringsOrTheChordKept) {
    constexpr PerString kOpen = {0, 0, 0, 0, 0, 0};
    constexpr PerString kHeld = {1, 1, 2, 3, 3, 1};
    const std::tuple<const char*, std::optional<std::string>, int, PerString> cases[] = {
        {"missing", std::nullopt, 20, kOpen},
        {"four lines", " 12 \r\n 10 \r\n 6 \r\n 13 \r\n", 12, kOpen},
        // Fret 29 of the G string on line 4: refused before the 5 frets of line 1 apply.
        {"off the neck", " 5 \r\n 8 \r\n 3 \r\n 40 \r\n 6 \r\n 1 \r\n 8 \r\n", 20, kHeld},
    };
    for (const auto& [name, content, frets, shape] : cases) {
        SetUp();
        ClickShape(kHeld);
        if (content) {
            files.files["/home/u/bad.fw"] = *content;
        }
        Do(OpenChordFile, "/home/u/bad.fw");
        EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{std::string(kErrorOpeningFile)})
            << name;
        EXPECT_EQ(Frets(), shape) << name;
        EXPECT_EQ(Notes(), ShapeFretsToNotes(window->state.shape).Note) << name;
        EXPECT_EQ(window->state.numFrets, frets) << name;
    }
}

TEST_F(FilesTest, OpenCommandOpensTheChosenFileAndCancelDoesNothing) {
    files.files["/home/u/d.fw"] = kDMajorFile;
    dialogs.answers = {std::nullopt, "/home/u/d.fw"};
    Do(ChooseChordFileToOpen);
    EXPECT_EQ(Frets(), (PerString{0, 0, 0, 0, 0, 0}));
    Do(ChooseChordFileToOpen);
    EXPECT_EQ(Frets(), (PerString{2, 3, 2, 0, -1, -1}));
    EXPECT_EQ(dialogs.log[0], "open Chord|*.fw");
    EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(FilesTest, SaveWritesTheChordUnderTheNameChosen) {
    ClickShape({2, 3, 2, 0, -1, -1});
    dialogs.answers = {"/home/u/d.fw"};
    Do(SaveChordFile);
    EXPECT_EQ(dialogs.log.back(), "save D major|Chord|*.fw");
    EXPECT_EQ(files.files["/home/u/d.fw"], kDMajorFile);
    EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(FilesTest, SaveCancelledOrFailed) {
    files.files["/home/u/d.fw"] = "old";
    dialogs.answers = {std::nullopt};
    Do(SaveChordFile);
    EXPECT_TRUE(dialogs.Messages().empty());
    EXPECT_TRUE(files.writes.empty());

    files.failWrites = true;
    dialogs.answers = {"/home/u/d.fw"};
    Do(SaveChordFile);
    EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{std::string(kErrorSavingFile)});
    EXPECT_EQ(files.files["/home/u/d.fw"], "old");
}

TEST_F(FilesTest, PlayButtonsRenderTheChordAndRestoreTheWindow) {
    ClickShape({0, 1, 0, 2, 3, -1});
    const std::vector<double> notes{19, 15, 10, 7, 3};
    Do(PlayChord, StrumMode::Block);
    EXPECT_TRUE(LastPlayedIs(RenderChordWav(notes, StrumMode::Block)));
    Do(PlayChord, StrumMode::Strummed);
    EXPECT_TRUE(LastPlayedIs(RenderChordWav(notes, StrumMode::Strummed)));
    EXPECT_EQ(dialogs.log, (std::vector<std::string>{"busy", "idle", "busy", "idle"}));
    EXPECT_TRUE(Shown().fretboardEnabled);
    EXPECT_TRUE(Shown().playEnabled);
}

TEST_F(FilesTest, SaveAsWavWritesTheFileInsteadOfPlaying) {
    ClickShape({0, 1, 0, 2, 3, -1});
    const std::filesystem::path target = dir / "c.wav";
    dialogs.answers = {target.string()};
    Do(SaveChordAsWav, StrumMode::Strummed);
    EXPECT_EQ(dialogs.log,
              (std::vector<std::string>{"save C major|WAV file|*.wav", "busy", "idle"}));
    EXPECT_TRUE(player.played.empty());
    EXPECT_TRUE(dialogs.Messages().empty());

    Do(PlayChord, StrumMode::Strummed);  // the sound saved is the strummed chord
    EXPECT_EQ(player.played.size(), 1u);
    EXPECT_EQ(ReadBytes(player.played[0]), ReadBytes(target));
}

TEST_F(FilesTest, SaveAsWavRefusesCancelledUnchangedAndUnwritableNames) {
    ClickShape({0, 1, 0, 2, 3, -1});
    const std::string offer = "save C major|WAV file|*.wav";
    const std::string error = "message " + std::string(kErrorSavingFile);
    const std::tuple<std::optional<std::string>, std::vector<std::string>> cases[] = {
        {std::nullopt, {offer}},
        {"C major", {offer, error}},
        {"", {offer, error}},
        {(dir / "missing" / "c.wav").string(), {offer, "busy", "beep", error, "idle"}},
    };
    for (const auto& [answer, log] : cases) {
        dialogs.log.clear();
        dialogs.answers = {answer};
        Do(SaveChordAsWav, StrumMode::Block);
        EXPECT_EQ(dialogs.log, log);
        EXPECT_TRUE(player.played.empty());
        EXPECT_TRUE(Shown().playEnabled);
    }
}

}  // namespace
}  // namespace fretwise::test

#include "window/song_commands.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "support/shapes.hpp"
#include "window/controller_fixture.hpp"
#include "window/window_settings.hpp"

namespace fretwise::test {
namespace {

constexpr char kSongPath[] = "/songs/swing-low.cho";
constexpr char kSong[] =
    "{title: Swing Low}\n{artist: Trad.}\n{key: Ab}\n{tempo: 90}\n{time: 3/4}\n"
    "[Ab]Swing low, sweet [Db]chariot, [Ab]coming for to [Eb]carry me [Ab]home [Dosa]\n";

class SongCommandsTest : public ControllerTest {
  protected:
    void Open(const std::string& text = kSong, const std::string& path = kSongPath) {
        files.files[path] = text;
        Do(OpenSongFile, path);
    }

    // How many sounds the player was given to play.
    long Played() const {
        return std::count_if(player.calls.begin(), player.calls.end(),
                             [](const std::string& call) { return call.starts_with("once "); });
    }

    std::vector<std::string> ChordNames() const {
        std::vector<std::string> names;
        for (const SongChordView& chord : Shown().song.chords) {
            names.push_back(chord.name);
        }
        return names;
    }
};

using Names = std::vector<std::string>;

TEST_F(SongCommandsTest, OpeningASongShowsItsChordsAndTakesItsBeat) {
    EXPECT_FALSE(Shown().song.shown);
    EXPECT_FALSE(Shown().menu.songItemsEnabled);
    Open();
    const SongWindowView song = Shown().song;
    EXPECT_TRUE(song.shown);
    EXPECT_EQ(song.caption, "Song - Swing Low");
    EXPECT_EQ(song.subtitles, Names{"Trad."});
    EXPECT_EQ(song.keyAndCapo, "Key Ab");
    EXPECT_EQ(song.transposeCaption, "Transpose: none");
    EXPECT_EQ(ChordNames(), (Names{"Ab", "Db", "Eb", "Dosa"}));
    ASSERT_TRUE(song.chords[0].shape);
    EXPECT_EQ(song.chords[0].shape->Fret, test::Frets("466544"));
    EXPECT_FALSE(song.chords[3].shape);
    EXPECT_EQ(song.unknownNote, "Unknown chords: Dosa");
    EXPECT_EQ(song.lines.size(), 1u);
    EXPECT_TRUE(Shown().menu.songItemsEnabled);
    EXPECT_EQ(Shown().menu.recentSongs, Names{kSongPath});
    EXPECT_EQ(window->state.metronome.tempo, 90);
    EXPECT_EQ(window->state.metronome.beatsPerBar, 3);
    // The fretboard is left as it was.
    EXPECT_EQ(Frets(), PerString{});
}

TEST_F(SongCommandsTest, AFileThatIsNoSongSaysWhyAndChangesNothing) {
    Open();
    files.files["/songs/junk.cho"] = std::string("\0\1\2", 3);
    Do(OpenSongFile, "/songs/junk.cho");
    Do(OpenSongFile, "/songs/missing.cho");
    EXPECT_EQ(dialogs.Messages(), (Names{"Error opening file\nnot a text file: it holds NUL bytes",
                                         "Error opening file\nthe file cannot be read"}));
    EXPECT_EQ(Shown().song.title, "Swing Low");
    EXPECT_EQ(window->state.recentSongs, Names{kSongPath});
}

TEST_F(SongCommandsTest, TransposingAndTheCapoRenameTheShapes) {
    Open();
    Do(TransposeSong, 2);
    EXPECT_EQ(ChordNames(), (Names{"Bb", "Eb", "F", "Eosa"}));
    EXPECT_EQ(Shown().song.transposeCaption, "Transpose: +2");
    Do(TransposeSong, -2);
    Do(SuggestSongCapo);
    EXPECT_EQ(ChordNames(), (Names{"G", "C", "D", "Dbosa"}));
    EXPECT_EQ(Shown().song.capo, 1);
    EXPECT_EQ(Shown().song.capoNote, "(suggested)");
    EXPECT_EQ(Shown().song.keyAndCapo, "Key G, capo 1 (sounds Ab)");
    EXPECT_EQ(Shown().song.chords[0].sounds, "Ab");
    EXPECT_EQ(Shown().song.chords[0].shape->Fret, test::Frets("320003"));
    Do(ChooseSongCapo, 4);
    EXPECT_EQ(ChordNames(), (Names{"E", "A", "B", "Bbosa"}));
    EXPECT_EQ(Shown().song.capoNote, "");
    Do(ChooseSongCapo, 8);
    EXPECT_EQ(Shown().song.capo, 4);
}

TEST_F(SongCommandsTest, AChordClickedGoesOnTheFretboardWithTheSongsCapoAndSounds) {
    Open();
    Do(ChooseSongCapo, 1);
    Do(ShowSongChord, 2);
    EXPECT_EQ(Frets(), test::Frets("xx0232"));
    EXPECT_EQ(window->state.strings.capo, 1);
    EXPECT_EQ(Shown().chordCaption.substr(0, 2), "D#");
    EXPECT_TRUE(Shown().song.chords[2].current);
    EXPECT_EQ(Played(), 1);
    // A shape beyond the frets in view scrolls the neck to it; an unknown chord only beeps.
    Open("{define: Dosa base-fret 10 frets x 1 3 3 3 1}\n[Dosa]a [Cx]b");
    Do(ShowSongChord, 0);
    EXPECT_EQ(Frets(), test::Frets("x 10 12 12 12 10"));
    EXPECT_EQ(window->state.neckPosition, 9);
    EXPECT_EQ(window->state.strings.capo, 0);
    Do(ShowSongChord, 1);
    EXPECT_EQ(dialogs.log.back(), "beep");
    EXPECT_EQ(Frets(), test::Frets("x 10 12 12 12 10"));
}

TEST_F(SongCommandsTest, SavingWritesTheSongAsPlayedWithADefinePerChord) {
    Open();
    Do(ChooseSongCapo, 1);
    dialogs.answers = {std::string("/songs/out.cho")};
    Do(SaveSongAs);
    EXPECT_EQ(dialogs.log.back(), "save Swing Low.cho|ChordPro song|*.cho");
    const std::string& saved = files.files["/songs/out.cho"];
    EXPECT_NE(saved.find("{key: G}\n{tempo: 90}\n{time: 3/4}\n{capo: 1}\n"
                         "{define: G base-fret 1 frets 3 2 0 0 0 3"),
              std::string::npos)
        << saved;
    EXPECT_NE(saved.find("[G]Swing low, sweet [C]chariot"), std::string::npos);

    files.failWrites = true;
    dialogs.answers = {std::string("/songs/out.cho")};
    Do(SaveSongAs);
    EXPECT_EQ(dialogs.Messages(), Names{"Error saving file"});
    Do(SaveSongAs);  // cancelled
    EXPECT_EQ(dialogs.Messages().size(), 1u);
}

TEST_F(SongCommandsTest, PlayingThroughPlaysAChordABarAndStopsAtTheEnd) {
    Open("{time: 2/4}\n{tempo: 150}\n[C]a [G]b [Hm]c [C]d");
    Do(PlayThroughSong);
    EXPECT_EQ(desktop.beatPeriods, std::vector<int>{400});
    EXPECT_EQ(Shown().song.playCaption, "Stop");
    EXPECT_EQ(Played(), 1);
    EXPECT_TRUE(Shown().song.chords[0].current);
    Do(Beat);  // the bar's second beat: nothing new
    EXPECT_EQ(Played(), 1);
    Do(Beat);
    EXPECT_TRUE(Shown().song.chords[1].current);
    Do(Beat);
    Do(Beat);
    EXPECT_TRUE(Shown().song.chords[0].current);
    EXPECT_EQ(Played(), 3);
    Do(Beat);
    Do(Beat);
    EXPECT_EQ(Shown().song.playCaption, "Play through");
    EXPECT_EQ(desktop.beatsStopped, 1);
}

TEST_F(SongCommandsTest, TheMetronomeClicksAccentingTheFirstBeat) {
    Do(ShowMetronome);
    Do(ChooseBeatsPerBar, 3);
    Do(ChooseTempo, 60);
    Do(ToggleMetronome);
    EXPECT_EQ(desktop.beatPeriods, std::vector<int>{1000});
    Do(Beat);
    Do(Beat);
    Do(Beat);
    EXPECT_EQ(player.calls, (Names{"once metronome-accent.wav", "once metronome-beat.wav",
                                   "once metronome-beat.wav", "once metronome-accent.wav"}));
    EXPECT_TRUE(files.files.contains(dir / "metronome-accent.wav"));
    EXPECT_EQ(Shown().metronome.startCaption, "Stop");
    // A new tempo while running takes effect at once; one out of range is ignored.
    Do(ChooseTempo, 300);
    Do(ChooseTempo, 301);
    Do(ChooseTempo, 29);
    EXPECT_EQ(desktop.beatPeriods, (std::vector<int>{1000, 200}));
    Do(CloseMetronome);
    EXPECT_EQ(desktop.beatsStopped, 1);
    EXPECT_FALSE(Shown().metronome.shown);
}

TEST_F(SongCommandsTest, TapsSetTheTempoTheyBeat) {
    const std::tuple<std::vector<double>, int> cases[] = {
        {{10.0, 10.5}, 120},       {{10.0, 10.5, 11.0, 11.5, 12.0}, 120},
        {{10.0, 10.4, 10.8}, 150}, {{10.0, 13.0, 14.0}, 60},  // a long pause starts again
        {{10.0, 10.1}, 300},                                  // as fast as the metronome goes
        {{10.0, 11.9}, 32},        {{10.0}, kStandardTempo},
    };
    for (const auto& [taps, tempo] : cases) {
        SetUp();
        for (const double tap : taps) {
            Do(TapTempo, tap);
        }
        EXPECT_EQ(window->state.metronome.tempo, tempo) << taps.size();
    }
}

TEST_F(SongCommandsTest, RecentSongsAreKeptInTheSettingsLatestFirst) {
    EXPECT_EQ(SettingsText(SettingsOf(window->state)).find("RecentSong"), std::string::npos);
    for (const char* path : {"/a.cho", "/b.cho", "/c.cho", "/d.cho", "/e.cho", "/c.cho"}) {
        Open("[C]x", path);
    }
    EXPECT_EQ(window->state.recentSongs, (Names{"/c.cho", "/e.cho", "/d.cho", "/b.cho"}));
    const Settings settings = SettingsOf(window->state);
    WindowState read;
    ASSERT_TRUE(ApplySettings(read, {settings, 14}));
    EXPECT_EQ(read.recentSongs, window->state.recentSongs);

    files.files.erase("/e.cho");
    Do(OpenRecentSong, 1);
    EXPECT_EQ(window->state.recentSongs, (Names{"/c.cho", "/d.cho", "/b.cho"}));
    Do(OpenRecentSong, 2);
    EXPECT_EQ(window->state.song->path, "/b.cho");
}

TEST_F(SongCommandsTest, ShapesFollowTheTuningAndOneSongOfSeveralIsChosen) {
    Open("{t: One}\n[D]a\n{ns}\n{t: Two}\n{tempo: 200}\n[A]b [E]c");
    EXPECT_EQ(Shown().song.chords[0].shape->Fret, test::Frets("xx0232"));
    Do(ChooseTuning, 1);  // Drop D
    EXPECT_EQ(Shown().song.chords[0].shape->Fret, test::Frets("000232"));
    EXPECT_EQ(Shown().song.songs, (Names{"One", "Two"}));
    Do(ChooseSongOfFile, 1);
    EXPECT_EQ(ChordNames(), (Names{"A", "E"}));
    EXPECT_EQ(window->state.metronome.tempo, 200);
    Do(CloseSong);
    EXPECT_FALSE(Shown().song.shown);
}

}  // namespace
}  // namespace fretwise::test

#include "qt/ui/song_window.hpp"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <tuple>

#include "qt/ui/chord_strip_widget.hpp"
#include "qt/ui/metronome_window.hpp"
#include "qt/ui/window_fixture.hpp"
#include "support/shapes.hpp"
#include "window/song_commands.hpp"

namespace fretwise::test {
namespace {

class SongWindowTest : public WindowTest {
  protected:
    void OpenSong() {
        files.files["/songs/grace.cho"] =
            "{title: Amazing Grace}\n{key: G}\n{tempo: 80}\n{time: 3/4}\n"
            "A[G]mazing [G7]grace, how [C]sweet the [G]sound\n{ns}\n{t: Second}\n[A]la\n";
        Perform(logic, OpenSongFile, "/songs/grace.cho");
        QApplication::processEvents();
    }

    SongWindow& Song() { return *window->Song(); }
};

TEST_F(SongWindowTest, TheSongItemsWaitForASongAndTheMetronomeIsThere) {
    const MainMenus& m = window->Menus();
    const std::tuple<QAction*, const char*, bool> items[] = {
        {m.openSong, "Open So&ng...", true},
        {m.saveSongAs, "Save Song &As...", false},
        {m.printSong, "Print Son&g...", false},
        {m.saveSongSheet, "Save Song S&heet...", false},
        {m.recentSongs->menuAction(), "&Recent Songs", false},
        {m.metronome, "&Metronome", true},
    };
    for (const auto& [item, caption, enabled] : items) {
        EXPECT_EQ(item->text(), caption);
        EXPECT_EQ(item->isEnabled(), enabled) << caption;
    }
}

TEST_F(SongWindowTest, OpensBesideTheMainWindowAndShowsTheSong) {
    EXPECT_FALSE(Song().isVisible());
    OpenSong();
    ASSERT_TRUE(Song().isVisible());
    EXPECT_EQ(Song().windowTitle(), "Song - Amazing Grace");
    EXPECT_EQ(Song().TitleLabel()->text(), "Amazing Grace");
    EXPECT_EQ(Song().KeyLabel()->text(), "Key G");
    EXPECT_TRUE(Song().SongList()->isVisibleTo(&Song()));
    EXPECT_EQ(Song().SongList()->count(), 2);
    EXPECT_EQ(Song().Chords()->sizeHint().width(), Song().Chords()->BoxOf(3).left());
    EXPECT_TRUE(window->Menus().saveSongAs->isEnabled());
    EXPECT_TRUE(window->Menus().recentSongs->isEnabled());
    ASSERT_EQ(window->Menus().recentSongs->actions().size(), 1);
    EXPECT_EQ(window->Menus().recentSongs->actions()[0]->text(), "&1 /songs/grace.cho");
}

TEST_F(SongWindowTest, ItsControlsMoveTheSongAndPutAChordOnTheFretboard) {
    OpenSong();
    QTest::mouseClick(Song().UpButton(), Qt::LeftButton);
    QTest::mouseClick(Song().UpButton(), Qt::LeftButton);
    EXPECT_EQ(Song().TransposeLabel()->text(), "Transpose: +2");
    EXPECT_EQ(Song().KeyLabel()->text(), "Key A");
    Song().CapoBox()->setValue(2);
    EXPECT_EQ(Song().KeyLabel()->text(), "Key G, capo 2 (sounds A)");
    QTest::mouseClick(Song().Chords(), Qt::LeftButton, Qt::NoModifier,
                      Song().Chords()->BoxOf(2).center());
    EXPECT_EQ(logic.state.shape.Fret, Frets("x32010"));
    EXPECT_EQ(logic.state.strings.capo, 2);
    EXPECT_EQ(Child<QGroupBox>("chordFrame")->title(), "D major");
    Song().SongList()->setCurrentIndex(1);
    EXPECT_EQ(Song().TitleLabel()->text(), "Second");
    Song().close();
    EXPECT_FALSE(logic.state.song);
    EXPECT_FALSE(Song().isVisible());
}

TEST_F(SongWindowTest, TheMetronomeTakesTheSongsTempoAndRuns) {
    OpenSong();
    window->Menus().metronome->trigger();
    MetronomeWindow& metronome = *window->Metronome();
    ASSERT_TRUE(metronome.isVisible());
    EXPECT_EQ(metronome.TempoBox()->value(), 80);
    EXPECT_EQ(metronome.BeatsBox()->value(), 3);
    QTest::mouseClick(metronome.StartButton(), Qt::LeftButton);
    EXPECT_EQ(metronome.StartButton()->text(), "Stop");
    EXPECT_EQ(desktop.beatPeriods, std::vector<int>{750});
    EXPECT_EQ(metronome.BeatLabel()->text(), QString::fromUtf8("\u25CF \u25CB \u25CB"));
    Perform(logic, Beat);
    EXPECT_EQ(metronome.BeatLabel()->text(), QString::fromUtf8("\u25CB \u25CF \u25CB"));
    metronome.TempoBox()->setValue(100);
    EXPECT_EQ(desktop.beatPeriods, (std::vector<int>{750, 600}));
    QTest::mouseClick(Song().PlayThroughButton(), Qt::LeftButton);
    EXPECT_EQ(Song().PlayThroughButton()->text(), "Stop");
    metronome.close();
    EXPECT_FALSE(logic.state.metronome.shown);
}

}  // namespace
}  // namespace fretwise::test

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "core/song/arrangement.hpp"
#include "core/song/song.hpp"
#include "core/song/song_text.hpp"
#include "support/shapes.hpp"

namespace fretwise::test {
namespace {

SongFile Read(std::string_view text) {
    SongReading reading = ReadSongText(text);
    EXPECT_TRUE(reading.file) << reading.error;
    return reading.file ? std::move(*reading.file) : SongFile{};
}

// The shape names of every chord played, in order.
std::vector<std::string> Played(const SongFile& file, SongSetting setting = {},
                                std::size_t song = 0) {
    const ArrangedSong arranged = Arrange(file, song, setting);
    std::vector<std::string> names;
    for (const std::size_t k : arranged.sequence) {
        names.push_back(arranged.chords[k].shape);
    }
    return names;
}

using Names = std::vector<std::string>;

TEST(SongReaderTest, NestedTranspositionsAddUpAndEmptyOnesReturn) {
    const SongFile file = Read(
        "{title: Nested}\n[D]One\n{transpose: 4}\n[D]Two\n{transpose: 2}\n[D]Three\n"
        "{transpose: -2}\n[D]Four\n{transpose}\n[D]Five\n{transpose}\n[D]Six\n{transpose}\n"
        "[D]Seven\n{transpose}\n[D]Eight\n");
    EXPECT_EQ(Played(file), (Names{"D", "F#", "G#", "F#", "G#", "F#", "D", "D"}));
    EXPECT_EQ(Played(file, {-1, std::nullopt}), (Names{"Db", "F", "G", "F", "G", "F", "Db", "Db"}));
}

TEST(SongReaderTest, AKeyBeforeATranspositionMovesWithTheSong) {
    const SongFile file = Read("{key: G}\n{transpose: 2}\n[G]Swing [C]low\n{key: C}\n[C]Chariot\n");
    const ArrangedSong arranged = Arrange(file, 0, {});
    EXPECT_EQ(arranged.key, "A");
    EXPECT_EQ(Played(file), (Names{"A", "D", "D"}));
    EXPECT_EQ(arranged.keyHeard, "A");
    EXPECT_EQ(Arrange(file, 0, {0, 3}).key, "Gb");
    EXPECT_EQ(Arrange(file, 0, {0, 3}).keyHeard, "A");
    EXPECT_EQ(Arrange(file, 0, {-1, 1}).key, "G");
    EXPECT_EQ(Arrange(file, 0, {-1, 1}).keyHeard, "G#");
}

TEST(SongReaderTest, SelectorsLeaveOtherInstrumentsOut) {
    const SongFile file = Read(
        "{define-ukulele: C frets 0 0 0 3}\n{define: Am base-fret 1 frets x 0 2 2 1 0}\n"
        "{define-ukulele!: G base-fret 3 frets 1 3 3 2 1 1}\n"
        "{start_of_verse-ukulele}\n[F]Not for us\n{end_of_verse}\n"
        "{transpose-ukulele: 5}\n[C]For [Am]us [G]too\n{start_of_verse-guitar}\n[E]Ours\n{eov}\n");
    EXPECT_EQ(Played(file), (Names{"C", "Am", "G", "E"}));
    const ArrangedSong arranged = Arrange(file, 0, {});
    EXPECT_FALSE(arranged.chords[0].defined);
    ASSERT_TRUE(arranged.chords[1].defined);
    EXPECT_EQ(arranged.chords[1].defined->frets, Frets("x02210"));
    ASSERT_TRUE(arranged.chords[2].defined);
    EXPECT_EQ(arranged.chords[2].defined->frets, Frets("355433"));
}

TEST(SongReaderTest, AnnotationsAndRootlessNamesAreNoChords) {
    const SongFile file = Read("[*Coda]La [N.C.]la [C]la [c]la [Dosa]la [ ]la [C\nla [Em");
    EXPECT_EQ(Played(file), (Names{"C", "Dosa"}));
    EXPECT_EQ(Played(file, {-2, std::nullopt}), (Names{"Bb", "Cosa"}));
    const SongLine& line = file.lines[0];
    ASSERT_EQ(line.spots.size(), 6u);
    EXPECT_EQ(line.Spot(line.spots[0]), "Coda");
    EXPECT_EQ(line.spots[0].kind, SpotKind::Annotation);
    EXPECT_EQ(line.spots[1].kind, SpotKind::Text);
}

TEST(SongReaderTest, TabsStayAsTheyAreAndGridsHoldChords) {
    const SongFile file = Read(
        "{sot}\n[A]e|---0---|\n{title: not read}\n{eot}\n{start_of_grid}\n"
        "Intro || G . . . | C~D . . . | Em . Coda |: A :| x2\n{eog}\n[B7]End\n");
    EXPECT_EQ(file.lines[1].kind, LineKind::Tab);
    EXPECT_TRUE(file.lines[1].spots.empty());
    EXPECT_EQ(file.lines[2].kind, LineKind::Tab);
    EXPECT_EQ(file.songs[0].info.title, "");
    EXPECT_EQ(file.lines[5].kind, LineKind::Grid);
    EXPECT_EQ(Played(file), (Names{"G", "C", "D", "Em", "Coda", "A", "B7"}));
}

TEST(SongReaderTest, SongsFollowNewSongWithTheirOwnFacts) {
    const SongFile file = Read(
        "{t: One}\n{st: First}\n{st: Second}\n{artist: Trad.}\n{key: Bb}\n{capo: 3}\n"
        "{tempo: 96}\n{time: 3/4}\n{transpose: 2}\n[G]a\n{ns}\n{title: Two}\n{meta: artist Anon}\n"
        "[D]b\n{new_song}\n[E]c");
    ASSERT_EQ(file.songs.size(), 3u);
    const SongInfo& one = file.songs[0].info;
    EXPECT_EQ(one.title, "One");
    EXPECT_EQ(one.subtitles, (Names{"First", "Second"}));
    EXPECT_EQ(one.artist, "Trad.");
    EXPECT_EQ(one.key, "Bb");
    EXPECT_EQ(one.capo, 3);
    EXPECT_EQ(one.tempo, 96);
    EXPECT_EQ(one.time, "3/4");
    EXPECT_EQ(file.songs[1].info.title, "Two");
    EXPECT_EQ(file.songs[1].info.artist, "Anon");
    EXPECT_EQ(file.songs[1].info.capo, 0);
    EXPECT_EQ(Played(file, {}, 0), (Names{"A"}));
    EXPECT_EQ(Played(file, {}, 1), (Names{"D"}));
    EXPECT_EQ(Played(file, {}, 2), (Names{"E"}));
    EXPECT_EQ(file.songs[2].end, file.lines.size());
}

TEST(SongReaderTest, ARepeatedChorusPlaysItsChordsAgain) {
    const SongFile file =
        Read("{soc}\n[G]Swing [D]low\n{eoc}\n[C]Verse\n{chorus}\n{chorus: Again}\n");
    EXPECT_EQ(Played(file), (Names{"G", "D", "C", "G", "D", "G", "D"}));
}

TEST(SongReaderTest, UnusableValuesAreNotedAndIgnored) {
    const SongFile file = Read("{capo: 9}\n{capo: x}\n{transpose: up}\n{transpose: 99}\n[C]a\n");
    EXPECT_EQ(file.songs[0].info.capo, 0);
    EXPECT_EQ(file.notes.size(), 4u);
    EXPECT_EQ(file.notes[0].substr(0, 8), "line 1: ");
    EXPECT_EQ(Played(file), (Names{"C"}));
}

TEST(SongReaderTest, RefusesWhatIsNoSongText) {
    const std::tuple<std::string, const char*> cases[] = {
        {std::string("[C]a\0b", 6), "not a text file: it holds NUL bytes"},
        {"[C]\xff\xfe\xfd\xfc caf\xe9", "not UTF-8 text"},
        {"\xc0\xaf\xed\xa0\x80\xf8\x88\x80\x80\x80", "not UTF-8 text"},
        {std::string(kMaxSongBytes + 1, 'a'), "larger than 1 MB: not a song"},
    };
    for (const auto& [text, error] : cases) {
        const SongReading reading = ReadSongText(text);
        EXPECT_FALSE(reading.file) << text.substr(0, 20);
        EXPECT_EQ(reading.error, error) << text.substr(0, 20);
    }
    for (const char* text : {"", "caf\xe9 [C]au lait", "\xEF\xBB\xBF{title: \xC3\xA9t\xC3\xA9}"}) {
        EXPECT_TRUE(ReadSongText(text).file) << text;
    }
    EXPECT_TRUE(ReadSongText(std::string(kMaxSongBytes, 'a')).file);
}

}  // namespace
}  // namespace fretwise::test

#include "core/song/song_writer.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/song/chord_name.hpp"
#include "support/shapes.hpp"

namespace fretwise::test {
namespace {

SongFile Read(std::string_view text) {
    SongReading reading = ReadSongText(text);
    EXPECT_TRUE(reading.file) << reading.error;
    return reading.file ? std::move(*reading.file) : SongFile{};
}

std::string Rewritten(std::string_view text, SongRewrite rewrite = {}, std::size_t song = 0) {
    return RewrittenSong(Read(text), song, rewrite);
}

constexpr char kSwingLow[] =
    "\xEF\xBB\xBF{title: Swing Low}\r\n{key: D}\r\n# sung slowly\r\n\r\n"
    "{soc}\r\nSwing [D]low, sweet [G]chari[D]ot [*rit.]\r\n{eoc}\r\n{x_odd:  kept  }\r\n"
    "{sot}\r\ne|--[D]--|\r\n{eot}\r\n{sog}\r\n| D . | A7 . |\r\n{eog}\r\n[D/F#]Home";

TEST(SongWriterTest, KeepsEveryLineItDoesNotChangeByteForByte) {
    EXPECT_EQ(SongFileText(Read(kSwingLow)), kSwingLow);
    EXPECT_EQ(Rewritten(kSwingLow), kSwingLow);
    EXPECT_EQ(Rewritten(""), "");
}

TEST(SongWriterTest, WritesChordsAndKeyMovedInTheirPlaces) {
    SongRewrite rewrite;
    rewrite.setting.transpose = 3;
    EXPECT_EQ(Rewritten(kSwingLow, rewrite),
              "\xEF\xBB\xBF{title: Swing Low}\r\n{key: F}\r\n# sung slowly\r\n\r\n"
              "{soc}\r\nSwing [F]low, sweet [A#]chari[F]ot [*rit.]\r\n{eoc}\r\n{x_odd:  kept  }\r\n"
              "{sot}\r\ne|--[D]--|\r\n{eot}\r\n{sog}\r\n| F . | C7 . |\r\n{eog}\r\n[F/A]Home");
}

TEST(SongWriterTest, AppliesTheSongsTranspositionsAndLeavesNoneBehind) {
    const char* song =
        "{title: T}\n{key: C}\n{transpose: 2}\n[C]a\n{transpose: -4}\n[C]b [*C]\n{transpose}\n"
        "[C]c\n{transpose-ukulele: 1}\n";
    EXPECT_EQ(Rewritten(song),
              "{title: T}\n{key: D}\n[D]a\n[Bb]b [*C]\n[D]c\n{transpose-ukulele: 1}\n");
    SongRewrite down;
    down.setting.transpose = -2;
    EXPECT_EQ(Rewritten(song, down),
              "{title: T}\n{key: C}\n[C]a\n[Ab]b [*C]\n[C]c\n"
              "{transpose-ukulele: 1}\n");

    // A line with a byte order mark of its own that comes first once the {transpose} line
    // goes keeps its mark, and with it its chords: it does not turn into a comment.
    const std::string marked = Rewritten("{transpose: 2}\n\xEF\xBB\xBF# [C]x\n");
    EXPECT_EQ(marked, "\xEF\xBB\xBF\xEF\xBB\xBF# [D]x\n");
    EXPECT_EQ(Read(marked).lines.front().spots.size(), 1u);
    EXPECT_EQ(Rewritten(marked), marked);
}

TEST(SongWriterTest, WritesTheCapoAndADefinePerChordAtTheTop) {
    const char* song =
        "{title: Ab}\n{define: Db base-fret 4 frets x 1 3 3 3 1}\n\n[Ab]a [Db]b [Eb]c\n";
    SongRewrite rewrite;
    rewrite.setting.capo = 1;
    rewrite.defines = {{"G", Frets("320003"), Frets("210003")},
                       {"C", Frets("x32010"), Frets("x32010")},
                       {"D", Frets("xx0232"), Frets("xx0132")}};
    EXPECT_EQ(Rewritten(song, rewrite),
              "{title: Ab}\n{capo: 1}\n"
              "{define: G base-fret 1 frets 3 2 0 0 0 3 fingers 2 1 0 0 0 3}\n"
              "{define: C base-fret 1 frets x 3 2 0 1 0 fingers 0 3 2 0 1 0}\n"
              "{define: D base-fret 1 frets x x 0 2 3 2 fingers 0 0 0 1 3 2}\n"
              "\n[G]a [C]b [D]c\n");

    // Unmoved, the song's own definition stays where it is and is not written twice.
    SongRewrite same;
    same.defines = {{"Ab", Frets("466544"), Frets("134211")},
                    {"Db", Frets("x46664"), Frets("x12341")}};
    EXPECT_EQ(Rewritten(song, same),
              "{title: Ab}\n{define: Db base-fret 4 frets x 1 3 3 3 1}\n"
              "{define: Ab base-fret 4 frets 1 3 3 2 1 1 fingers 1 3 4 2 1 1}\n"
              "\n[Ab]a [Db]b [Eb]c\n");
}

TEST(SongWriterTest, ChangesOrDropsTheSongsCapo) {
    const char* song = "{capo: 2}\n[G]a\n{c-ukulele: [G]}\n";
    SongRewrite none;
    none.setting.capo = 0;
    EXPECT_EQ(Rewritten(song, none), "[A]a\n{c-ukulele: [G]}\n");
    SongRewrite four;
    four.setting.capo = 4;
    EXPECT_EQ(Rewritten(song, four), "{capo: 4}\n[F]a\n{c-ukulele: [G]}\n");
}

TEST(SongWriterTest, WritesOneSongOfSeveral) {
    const char* file = "{t: One}\n[C]a\n{ns}\n{t: Two}\n[G]b";
    SongRewrite up;
    up.setting.transpose = 2;
    up.defines = {{"A", Frets("x02220"), Frets("x01230")}};
    EXPECT_EQ(Rewritten(file, up, 1),
              "{ns}\n{t: Two}\n{define: A base-fret 1 frets x 0 2 2 2 0 fingers 0 0 1 2 3 0}\n"
              "[A]b");
    EXPECT_EQ(Rewritten("{t: Only}", up),
              "{t: Only}\n"
              "{define: A base-fret 1 frets x 0 2 2 2 0 fingers 0 0 "
              "1 2 3 0}\n");
}

// A chord or key as notes: root and bass as pitch classes, the rest as written. Moving up
// spells sharps and down flats, so the names may come back spelled the other way.
std::string Notes(std::string_view name) {
    const WrittenChord chord = *ReadChordName(name);
    return std::to_string(PitchClass(chord.root)) + chord.suffix + "/" +
           std::to_string(chord.bass ? PitchClass(*chord.bass) : -1);
}

// The key and the notes of every chord played.
std::vector<std::string> PlayedNotes(const SongFile& file) {
    const ArrangedSong song = Arrange(file, 0, {});
    std::vector<std::string> notes = {song.key.empty() ? "" : Notes(song.key)};
    for (const std::size_t k : song.sequence) {
        notes.push_back(Notes(song.chords[k].shape));
    }
    return notes;
}

TEST(SongWriterTest, EverySongMovedUpAndBackPlaysTheSameNotes) {
    const std::filesystem::path songs = FRETWISE_SONGS_DIR;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(songs)) {
        if (entry.path().extension() != ".cho") {
            continue;
        }
        const SongFile original = *ReadSongFile(entry.path()).file;
        for (int semitones = -11; semitones <= 11; ++semitones) {
            SongRewrite up;
            up.setting.transpose = semitones;
            SongRewrite down;
            down.setting.transpose = -semitones;
            const SongFile moved = Read(RewrittenSong(original, 0, up));
            const SongFile back = Read(RewrittenSong(moved, 0, down));
            EXPECT_EQ(PlayedNotes(back), PlayedNotes(original))
                << entry.path().filename() << " by " << semitones;
        }
    }
}

}  // namespace
}  // namespace fretwise::test

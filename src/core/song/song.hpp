#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/song/directive.hpp"

namespace fretwise {

// What a line of a ChordPro file is.
enum class LineKind : std::uint8_t {
    Lyrics,     // text with chords in brackets; an empty line too
    Directive,  // {name: value}
    Comment,    // "#" first: never shown
    Tab,        // inside a tab section: kept as it is
    Grid,       // inside a grid section: chord names between bar lines
};

// A chord name on a line: in brackets on a lyric line, or a cell of a grid.
enum class SpotKind : std::uint8_t {
    Chord,       // a name that starts with a note
    Annotation,  // [*Coda]: shown like a chord, never read as one
    Text,        // brackets around anything else ([N.C.]), shown as it is
};

struct ChordSpot {
    std::size_t begin = 0;  // byte offset of the name in the line (after "[" or "[*")
    std::size_t size = 0;
    SpotKind kind = SpotKind::Chord;
};

struct SongLine {
    std::string text;    // without its line end
    std::string ending;  // "\n", "\r\n", or empty after a last line without one
    LineKind kind = LineKind::Lyrics;
    std::optional<Directive> directive;  // on directive lines
    std::vector<ChordSpot> spots;
    // The semitones the song's {transpose} directives move the line by. The directives before
    // the first lyrics take the amount in force where the lyrics start, so a key given before
    // a {transpose} moves with the song.
    int transpose = 0;
    // False inside a section, or on a directive, whose selector leaves the guitar out.
    bool forGuitar = true;

    std::string_view Spot(const ChordSpot& spot) const {
        return std::string_view(text).substr(spot.begin, spot.size);
    }
};

// The facts about a song that its directives give, as written.
struct SongInfo {
    std::string title;
    std::vector<std::string> subtitles;
    std::string artist;
    std::string composer;
    std::string key;  // the first {key}; the chords as written are in this key
    std::optional<std::size_t> keyLine;
    int capo = 0;
    std::optional<int> tempo;  // beats per minute
    std::string time;          // "3/4"
};

// One song of a file; {new_song} starts the next.
struct Song {
    std::size_t first = 0;  // its lines in the file: [first, end)
    std::size_t end = 0;
    // Just after the directives it starts with: chord definitions written back go there.
    std::size_t head = 0;
    SongInfo info;
};

struct SongFile {
    bool byteOrderMark = false;  // kept before the first line
    std::vector<SongLine> lines;
    std::vector<Song> songs;  // at least one
    // What was read but could not be used: "line 7: {transpose: up} needs a number".
    std::vector<std::string> notes;
};

struct SongReading {
    std::optional<SongFile> file;
    std::string error;  // why the text is no song: "not UTF-8 text"
};

// Reads ChordPro text; refuses what is no song text (song_text.hpp).
SongReading ReadSongText(std::string_view bytes);

// Reads a file; refuses one it cannot read, larger than kMaxSongBytes, or no song text.
SongReading ReadSongFile(const std::filesystem::path& path);

// The same from a stream opened on the file.
SongReading ReadSongStream(std::istream& in);

// The text of the file as read, byte for byte.
std::string SongFileText(const SongFile& file);

// A {transpose} may move a song by at most this many semitones either way.
constexpr int kTransposeLimit = 48;

}  // namespace fretwise

#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/song/arrangement.hpp"
#include "core/song/song.hpp"

namespace fretwise {

// What a line of a song shows when the song is printed or read on screen.
enum class ShownKind : std::uint8_t {
    Lyrics,         // words with chords above them
    Blank,          // an empty line: a space between verses
    Comment,        // {comment}, {highlight}
    CommentItalic,  // {comment_italic}
    CommentBox,     // {comment_box}
    Label,          // a section's label ("Chorus 1"), or "Chorus" where {chorus} repeats it
    Tab,            // a line of a tab, as written, in a fixed-width font
    Grid,           // a line of a grid, its chords moved, in a fixed-width font
};

// A chord, or an annotation, and the words sung from it to the next one.
struct ChordOverWords {
    std::string chord;  // empty before the first chord of a line
    std::string words;
    bool annotation = false;  // [*rit.]: shown like a chord, never played
};

struct ShownLine {
    ShownKind kind = ShownKind::Lyrics;
    std::vector<ChordOverWords> pieces;  // for Lyrics
    std::string text;                    // for every other kind
    bool inChorus = false;               // chorus lines are set apart
};

// The word shown where {chorus} repeats the chorus without a label of its own.
constexpr std::string_view kChorusLabel = "Chorus";

// The lines of a song as the guitar plays it with the setting: chords named by the shapes
// played, sections of other instruments and "#" comments left out, text that is not UTF-8
// shown with U+FFFD.
std::vector<ShownLine> ShownLines(const SongFile& file, std::size_t song,
                                  const SongSetting& setting);

}  // namespace fretwise

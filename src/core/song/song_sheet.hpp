#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/music/fingering.hpp"
#include "core/song/shown_lines.hpp"
#include "core/song/song_plan.hpp"

namespace fretwise {

// A chord diagram of the sheet: the name played and its shape, fingered.
struct SheetChord {
    std::string name;
    std::optional<Fingering> shape;  // none for a chord the program cannot play
};

// What a printed chord sheet of a song shows, top to bottom.
struct SongSheet {
    std::string title;
    std::vector<std::string> subtitles;  // the song's subtitles, then its artist and composer
    std::string keyAndCapo;              // "Key G, capo 2 (sounds A)"
    std::vector<SheetChord> chords;      // in order of first appearance
    std::vector<ShownLine> lines;        // the lyrics with chords, when asked for
};

// The sheet of a planned song; lyrics says whether the words follow the diagrams.
SongSheet SheetOf(const SongFile& file, std::size_t song, const SongPlan& plan, bool lyrics);

// "Key G, capo 2 (sounds A)", "Key Am", "Capo 3", or empty.
std::string KeyAndCapoText(const ArrangedSong& song);

}  // namespace fretwise

#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/music/fingering.hpp"
#include "core/song/shown_lines.hpp"

namespace fretwise {

// What the song window and the metronome window show, as plain data; Present fills it.

struct SongChordView {
    std::string name;                // the shape played: "G"
    std::optional<Fingering> shape;  // none for a chord the program cannot play
    std::string sounds;              // with a capo, what it sounds ("Ab"); else empty
    bool current = false;            // shown on the fretboard, or playing
};

struct SongWindowView {
    bool shown = false;
    std::string caption;             // the window's title: "Song - Amazing Grace"
    std::vector<std::string> songs;  // the titles of a file's songs, when it holds several
    int songIndex = 0;
    std::string title;
    std::vector<std::string> subtitles;  // subtitles, artist, composer
    std::string keyAndCapo;              // "Key G, capo 2 (sounds A)"
    std::string transposeCaption;        // "Transpose: +2", "Transpose: none"
    int capo = 0;
    std::string capoNote;                      // "(suggested)" after "Suggest", else empty
    std::string unknownNote;                   // "Unknown chords: Dosa, Cosa", or empty
    std::vector<SongChordView> chords;         // in order of first appearance
    std::vector<ShownLine> lines;              // the lyrics with the chords above
    bool leftHanded = false;                   // the diagrams as the fretboard is drawn
    std::string playCaption = "Play through";  // "Stop" while playing through
};

struct MetronomeView {
    bool shown = false;
    int tempo = 120;
    int beatsPerBar = 4;
    int nextBeat = 0;
    bool running = false;
    std::string startCaption = "Start";  // "Stop" while running
};

}  // namespace fretwise

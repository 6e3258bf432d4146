#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/song/chord_define.hpp"
#include "core/song/song.hpp"

namespace fretwise {

// How a song is to be played: moved by some semitones, with some capo.
struct SongSetting {
    int transpose = 0;        // on top of the song's own {transpose}
    std::optional<int> capo;  // the song's {capo} when none is chosen

    bool operator==(const SongSetting&) const = default;
};

// A chord of a song as played.
struct PlayedChord {
    std::string shape;     // the name of the shape the hand plays: "G"
    std::string sounding;  // what it sounds with the capo: "Ab"
    // The shape the song defines for it, moved with the song where it can move.
    std::optional<ChordDefinition> defined;
};

// A song as played with a setting.
struct ArrangedSong {
    int capo = 0;
    std::string key;       // the key of the shapes; empty when the song gives none
    std::string keyHeard;  // the key that sounds with the capo
    // Each chord once, in order of first appearance.
    std::vector<PlayedChord> chords;
    // Every chord played, as a position in chords, in order; a repeated chorus plays again.
    std::vector<std::size_t> sequence;
};

// The semitones a line's chords move by: the song's own transposition there, the setting's,
// and the capo's change.
int LineShift(const Song& song, const SongLine& line, const SongSetting& setting);

// The capo the setting plays the song with.
int CapoOf(const Song& song, const SongSetting& setting);

// The key in force on a line as written: the latest {key} before it, else the song's first.
std::optional<std::string> KeyInForce(const SongFile& file, const Song& song, std::size_t line);

ArrangedSong Arrange(const SongFile& file, std::size_t song, const SongSetting& setting);

}  // namespace fretwise

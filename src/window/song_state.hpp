#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/song/song_plan.hpp"

namespace fretwise {

// The song opened with File > "Open Song...", as its window shows it.
struct SongState {
    std::string path;
    std::shared_ptr<const SongFile> file;  // as read; never changed
    std::size_t song = 0;                  // which of the file's songs
    int transpose = 0;
    bool capoSuggested = false;  // the capo in force came from "Suggest"
    SongPlan plan;               // moved, with its capo, a shape for every chord
    Tuning tuning{};             // the strings the shapes were chosen for
    // The chord shown on the fretboard or playing, as a position in the plan's chords.
    std::optional<std::size_t> current;
    bool playingThrough = false;
    std::size_t nextBar = 0;  // the chord played next, as a position in the plan's sequence
};

// The metronome of "Tools" > "Metronome".
constexpr int kSlowestTempo = 30;
constexpr int kFastestTempo = 300;
constexpr int kStandardTempo = 120;
constexpr int kStandardBeatsPerBar = 4;
constexpr int kMostBeatsPerBar = 12;

struct MetronomeState {
    bool shown = false;
    int tempo = kStandardTempo;  // beats a minute
    int beatsPerBar = kStandardBeatsPerBar;
    bool running = false;
    int nextBeat = 0;          // the beat that sounds next, 0 being the accented first
    std::vector<double> taps;  // when the tap button was pressed lately, in seconds
};

// How many songs File > "Recent Songs" lists.
constexpr std::size_t kRecentSongCount = 4;

}  // namespace fretwise

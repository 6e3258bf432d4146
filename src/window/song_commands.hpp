#pragma once

#include <string_view>

#include "window/window.hpp"

namespace fretwise {

// The song window's commands and the metronome's, named by what the user does; the view runs
// them through Perform (window.hpp) like the main window's.

// File > "Open Song...": the dialog for a ChordPro file, then OpenSongFile.
void ChooseSongToOpen(Window& window);

// Opens a ChordPro song: the song window shows its first song with the song's own capo, a
// shape for every chord, and the metronome takes the song's {tempo} and {time}; the path goes
// first in File > "Recent Songs". A file that cannot be read says why and changes nothing.
void OpenSongFile(Window& window, std::string_view path);

// File > "Recent Songs" > the index-th entry; a song no longer there leaves the list.
void OpenRecentSong(Window& window, int index);

// Closing the song window.
void CloseSong(Window& window);

// The song window's controls: the song of a file holding several, "Down" and "Up" (a
// semitone each), the capo spin box, "Suggest" (the capo that makes the song easiest), a
// click on a chord's diagram (the shape on the fretboard, with the song's capo, and heard),
// "Play through" / "Stop" (the chords one a bar at the metronome's tempo, the one playing
// highlighted), and "Save Song As..." (ChordPro with a {define} per chord of its shape).
void ChooseSongOfFile(Window& window, int index);
void TransposeSong(Window& window, int semitones);
void ChooseSongCapo(Window& window, int capo);
void SuggestSongCapo(Window& window);
void ShowSongChord(Window& window, int index);
void PlayThroughSong(Window& window);
void SaveSongAs(Window& window);

// "Tools" > "Metronome" and its window: the tempo (kSlowestTempo to kFastestTempo beats a
// minute), the beats in a bar (1 to kMostBeatsPerBar, the first accented), "Start" / "Stop",
// and "Tap": two taps or more less than two seconds apart set the tempo they beat. seconds is
// when the tap was made, on any clock.
void ShowMetronome(Window& window);
void CloseMetronome(Window& window);
void ChooseTempo(Window& window, int beatsPerMinute);
void ChooseBeatsPerBar(Window& window, int beats);
void ToggleMetronome(Window& window);
void TapTempo(Window& window, double seconds);

// A beat of the desktop's beat timer: the metronome clicks, or a song played through plays
// its next chord at the first beat of a bar.
void Beat(Window& window);

// After the strings change, the open song's shapes are chosen again for them.
void FollowStrings(WindowState& state);

}  // namespace fretwise

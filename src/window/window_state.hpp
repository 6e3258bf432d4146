#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/create/fingering_search.hpp"
#include "core/music/fingering.hpp"
#include "core/music/fret_range.hpp"
#include "core/music/pitch.hpp"
#include "core/music/tuning.hpp"
#include "core/music/vocabulary.hpp"
#include "tuner/tuned_note.hpp"
#include "window/display_state.hpp"
#include "window/song_state.hpp"
#include "window/zoom_steps.hpp"

namespace fretwise {

// The whole state of the main window. Commands (window/commands.hpp) change it; Present
// (window/present.hpp) turns it into what the window shows; the settings table
// (window/window_settings.cpp) keeps part of it between runs. A default-constructed state is
// the window as designed, before start-up reads the settings.
//
// Adding an option, such as "Settings > Search the whole neck":
//   1. a field under "Options" below, its default being today's behaviour;
//   2. a SettingKey in window/setting_keys.hpp and one KeyedRow line at the end of the table
//      in window/window_settings.cpp (it is then read, written and defaulted);
//   3. a command in window/commands.hpp ("ToggleWholeNeck"), its menu item in
//      qt/ui/main_menus.cpp connected in qt/ui/main_window.cpp, and its check mark in MenuView
//      (window/display_state.hpp) set by Present;
//   4. the fretwise-cli flag that sets the same field or search option.
// Options are never undone: Undo and Redo restore only the chord part (RestoreChord in
// window/undo_history.cpp).
struct WindowState {
    // The chord on the fretboard (CurrentShape) as the refresh fingered it.
    Fingering shape{};
    int numFrets = kMaxFrets;
    int neckPosition = 0;  // the first fret in view: the neck scroll bar's value
    int nameIndex = 0;     // which of the chord's alternative names is shown
    Accidentals accidentals = Accidentals::Sharps;
    OpenStrings strings{};  // tuning and capo

    // The "Create" panel: the chosen root (0 = A) and type, -1 when none; the fingerings
    // created, best first, candidate n being element n - 1; whether the scroll bar through
    // them is enabled; the neck position they were created at.
    int rootIndex = -1;
    int typeIndex = -1;
    std::vector<Fingering> candidates;
    int candidateNumber = 1;
    bool browsingCandidates = false;
    int createViewPos = 0;

    // The keyboard cursor on the fretboard.
    int cursorString = kStringCount - 1;
    int cursorFret = 0;

    // Options.
    bool toolTips = true;     // Help > "&ToolTips" (checked in the design)
    bool allStrings = false;  // created chords always use all six strings
    CreateOrder chordOrder = CreateOrder::Classic;
    bool restTreble = false;  // "Let the high strings rest"
    // "Search the whole neck": Create searches frets 1 to 15 whatever the view, and the neck
    // scrolls to each candidate chosen.
    bool wholeNeck = false;
    // "Chord names": the classic catalogue, or the full vocabulary of chart symbols, which
    // names and creates extended and altered chords, left-out notes and slash basses.
    Vocabulary vocabulary = Vocabulary::Classic;
    bool leftHanded = false;
    int zoomPercent = kStandardZoom;
    ListenChoices listen;  // the tuner's mode and reference A, kept with the window's settings

    // How the fretboard was last drawn; the picture follows the same rules. A refresh places
    // the barre wherever it lies, scrolling shows it only within the frets in view; the staff
    // numbers the fingers whose markers were in view at the last refresh.
    bool barreWherever = false;
    int neckAtRefresh = 0;

    // While a command runs: the sound being rendered or the chord being created, with the
    // hourglass and the controls that could start them again disabled.
    bool playing = false;
    bool creating = false;
    FocusRequest focus = FocusRequest::None;

    // How far Undo and Redo can go (the states themselves are in UndoHistory).
    int undoSteps = 0;
    int redoSteps = 0;

    // The song open in the song window, the songs opened lately (latest first) and the
    // metronome.
    std::optional<SongState> song;
    std::vector<std::string> recentSongs;
    MetronomeState metronome;
};

}  // namespace fretwise

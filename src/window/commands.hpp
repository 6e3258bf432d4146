#pragma once

#include <string_view>

#include "core/create/fingering_search.hpp"
#include "core/sound/sound_engine.hpp"
#include "window/display_state.hpp"
#include "window/fretboard_keys.hpp"
#include "window/window.hpp"

namespace fretwise {

// The main window's commands, named by what the user does. Each takes the window and the
// arguments of its event, changes the state in the order the window defines, and reaches
// the outside world through the window's services; the view runs them through Perform
// (window.hpp), which records Undo steps and paints.

// Start-up: the settings file read value by value (falling back to the first start's
// settings from the first value that cannot be read or shown), the chord file named on the
// command line opened (after a fallback too), the window shown and the file type
// registered. commandLine is the program's arguments joined by spaces.
void Startup(Window& window, std::string_view commandLine);

// Closing the window: the settings file written, the temporary sound files deleted.
void Close(Window& window);

// "E&xit": ends the program at once; nothing written, nothing deleted.
void Exit(Window& window);

// The fretboard. A mouse-button release at x, y in twips from its top left corner (or on a
// label inside it) sets the string's fret, or plays the string when it already holds that
// fret; the right button mutes a string or opens a muted one.
void ClickFretboard(Window& window, MouseButton button, int x, int y);

// A key pressed while the fretboard has the keyboard focus (FretboardCommandOfKey): the
// cursor moves (the neck scrolls to keep it in view), the string under it is held, muted or
// opened as a click would, the chord plays, or the whole shape moves a fret, muted strings
// staying muted; a shape that would leave the board only beeps. The fretboard keeps the focus.
void PressFretboardKey(Window& window, Key key, bool ctrl);

void ScrollNeck(Window& window, int firstFret);   // the neck scroll bar beside the fretboard
void ChooseChordName(Window& window, int index);  // the scroll bar of the "Analysis" panel

// Chord > "Clear": all strings open, as at the first start.
void ClearChord(Window& window);

// Chord > "Undo" and "Redo": the chord before the last change of the frets, or again the
// one undone; the tuning, the capo and the options stay.
void UndoChord(Window& window);
void RedoChord(Window& window);

// The "Create" panel: its two lists (-1: none), the Create button, which searches the
// fingerings of the chosen chord in the frets in view, and the scroll bar through them.
void SelectRoot(Window& window, int index);
void SelectChordType(Window& window, int index);
void CreateChord(Window& window);
void ChooseCandidate(Window& window, int number);

// "&Find chord...": asks for a chord symbol ("Bm7b5"), chooses its root and type and creates
// it as the button does. A symbol with a bass note ("D/F#") keeps the fingerings that play it
// lowest; when there is none it says so and changes nothing. A symbol that cannot be read is
// shown back with the reason and asked for again.
void FindChord(Window& window);

// The play buttons of the "Analysis" panel.
void PlayChord(Window& window, StrumMode strum);

// Opens a chord file by path (surrounding spaces ignored; shorter than four characters:
// nothing), as the command line and File > "&Open..." do.
void OpenChordFile(Window& window, std::string_view path);

void ChooseChordFileToOpen(Window& window);            // "&Open...": the dialog, then OpenChordFile
void SaveChordFile(Window& window);                    // "&Save...": a name, then a chord file
void SaveChordAsWav(Window& window, StrumMode strum);  // "Save as &WAV file..." > block, strummed

// Settings > Tuning: a named tuning (TuningPresets), "Custom tuning..." and "Capo...". The
// fingers stay where they are and sound the new strings; browsing the created fingerings ends.
void ChooseTuning(Window& window, int preset);
void AskCustomTuning(Window& window);
void AskCapo(Window& window);

// The Settings menu's options.
void ToggleAccidentals(Window& window);  // "&Use Flats (b)" / "&Use Sharps (#)"
void ToggleAllStrings(Window& window);   // "Created chords always use all &strings"
void ChooseChordOrder(Window& window, CreateOrder order);      // "Order of created chords"
void ToggleRestTreble(Window& window);                         // "Let the high strings rest"
void ToggleWholeNeck(Window& window);                          // "Search the whole neck"
void ChooseVocabulary(Window& window, Vocabulary vocabulary);  // "Chord names"
void AskFretCount(Window& window);                             // "Set number of &frets..."
void ToggleLeftHanded(Window& window);                         // "Left-handed fretboard"
void ChooseZoom(Window& window, int percent);  // "Zoom" > "100 %" ... "200 %"; others ignored

// The Tools and Help menus.
void ShowTuner(Window& window);       // "Guitar &Tuner"
void ToggleToolTips(Window& window);  // "&ToolTips"
void OpenHelp(Window& window);        // "&Online Help..."
void ShowAbout(Window& window);       // "&About..."

}  // namespace fretwise

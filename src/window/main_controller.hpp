#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/analysis/chord_analysis.hpp"
#include "core/create/fingering_search.hpp"
#include "core/music/fingering.hpp"
#include "core/music/pitch.hpp"
#include "core/music/tuning.hpp"
#include "core/sound/sound_engine.hpp"
#include "core/storage/app_paths.hpp"
#include "core/storage/keyed_lines.hpp"
#include "tuner/tuned_note.hpp"
#include "window/display_state.hpp"
#include "window/fretboard_keys.hpp"
#include "window/platform.hpp"

namespace fretwise {

// The adapters the main window's logic reaches the outside world through.
struct WindowServices {
    Dialogs& dialogs;
    Desktop& desktop;
    FileTypeRegistrar& registrar;
    Files& files;
    SoundEngine& sound;
    AppPaths paths;
};

// The main window without its widgets: it owns the window's state, runs every event handler
// in the order the window defines, and keeps a DisplayState of everything the window shows.
// The view forwards each user action to the method of that action and repaints from
// Display() whenever the change listener is called. All methods run on the user-interface thread.
class MainController {
  public:
    explicit MainController(WindowServices services);

    const DisplayState& Display() const { return display_; }

    // Called after every handler that changed the display, and before each modal dialog so
    // the window is up to date behind it.
    void SetChangeListener(std::function<void()> listener) { listener_ = std::move(listener); }

    // Start-up: lists filled, settings read value by value (fallback from the first value
    // that cannot be read or applied), the command-line chord file opened (after the fallback
    // too), the window shown, the file type registered. commandLine is the program's
    // arguments joined by spaces.
    void Startup(std::string_view commandLine);

    // Closing the window: the settings file written, the temporary sound files deleted.
    void Close();

    // "E&xit": ends the program at once; nothing written, nothing deleted.
    void Exit();

    // A mouse-button release on the fretboard (or on a label inside it) at x, y in twips
    // from the fretboard's top left corner: sets the string's fret, or plays the string
    // when it already holds that fret.
    void FretboardRelease(MouseButton button, int x, int y);

    // A key pressed while the fretboard has the keyboard focus (FretboardCommandOfKey): the
    // cursor moves (the neck scrolls to keep it in view), the string under it is held, muted
    // or opened as a click would, the chord plays, or the whole shape moves a fret, muted
    // strings staying muted; a shape that would leave the board only beeps.
    void FretboardKey(Key key, bool ctrl);

    // The three scroll bars and the two lists of the "Create" panel; each sets the value and
    // runs its change handler when the value differs.
    void ScrollNeck(int firstFret);    // the neck scroll bar beside the fretboard
    void ChooseChordName(int index);   // the scroll bar of the "Analysis" panel
    void ChooseCandidate(int number);  // the scroll bar under "Create"
    void SelectRoot(int index);        // -1: none
    void SelectChordType(int index);   // -1: none

    // The "Create" button: searches the fingerings of the chosen chord in the frets in view.
    void CreateChord();

    // "&Find chord...": asks for a chord symbol ("Bm7b5"), chooses its root and type and
    // creates it as the button does. A symbol with a bass note ("D/F#") keeps the fingerings
    // that play it lowest; when there is none it says so and changes nothing. A symbol that
    // cannot be read is shown back with the reason and asked for again.
    void FindChord();

    // The play buttons of the "Analysis" panel play the chord on the fretboard.
    void PlayChord(StrumMode strum);

    // Plays one string of the chord on the fretboard.
    void PlayString(int string);

    // Opens a chord file by path (surrounding spaces ignored; shorter than four characters:
    // nothing), as the command line and File > "&Open..." do.
    void OpenChordFile(std::string_view path);

    // Menu commands.
    void ChooseChordFileToOpen();          // "&Open...": the open dialog, then OpenChordFile
    void SaveChordFile();                  // "&Save...": asks for a name, writes a chord file
    void SaveChordAsWav(StrumMode strum);  // "Save as &WAV file..." > block or 'strummed'
    void ShowTuner();                      // "Guitar &Tuner"
    void ToggleAccidentals();              // "&Use Flats (b)" / "&Use Sharps (#)"
    void ToggleAllStrings();               // "Created chords always use all &strings"
    void AskFretCount();                   // "Set number of &frets..."
    void ToggleLeftHanded();               // "Left-handed fretboard"
    void ChooseZoom(int percent);          // "Zoom" > "100 %" ... "200 %"; others ignored
    void ToggleToolTips();                 // "&ToolTips"
    void ChooseTuning(int preset);         // Settings > Tuning > a named tuning (TuningPresets)
    void AskCustomTuning();                // Settings > Tuning > "Custom tuning..."
    void AskCapo();                        // Settings > Tuning > "Capo..."
    void OpenHelp();                       // "&Online Help..."
    void ShowAbout();                      // "&About..."

    // "Order of created chords" > "Easiest first" / "As guitarists play them", and "Let the
    // high strings rest": the next Create follows them.
    void ChooseChordOrder(CreateOrder order);
    void ToggleRestTreble();

    // The window's state.
    // The tuner's mode and reference A, kept in the settings file.
    const ListenChoices& KeptListenChoices() const { return listenChoices_; }
    void KeepListenChoices(const ListenChoices& choices) { listenChoices_ = choices; }

    const Fingering& CurrentShape() const { return currentShape_; }
    int NumFrets() const { return numFrets_; }
    const std::vector<Fingering>& Candidates() const { return candidates_; }
    int CreateViewPos() const { return createViewPos_; }
    Accidentals AccidentalMode() const { return accidentals_; }
    bool LeftHanded() const { return display_.fretboard.leftHanded; }

    // The left-handed view: the fretboard and its pictures mirrored, the chord unchanged.
    void UseLeftHanded(bool leftHanded);
    const OpenStrings& Strings() const { return strings_; }

    // What fretwise-cli show prints: the lists filled, the frets laid out for numFrets, the
    // neck at position, the accidental mode, the strings and the root list's selection (-1:
    // none) set, then the frets clicked into CurrentShape and refreshed. False when the position or
    // the root index is refused.
    bool ShowShape(const PerString& frets, int numFrets, int position, bool flats, int rootIndex,
                   const OpenStrings& strings = {});

  private:
    // The display refresh and its parts. RefreshDisplay shows shape, fingered, as the chord
    // on the fretboard: it becomes CurrentShape.
    void RefreshDisplay(Fingering shape);
    void ShowAnalysis();
    void ShowChordName(int index);
    void LayoutFrets();
    void DrawFretboard(int position);
    void ShowCursor();

    // A click of button on string s at fret f, from the mouse or the keyboard.
    void ClickString(MouseButton button, int s, int f);
    void MoveCursor(int strings, int frets);
    void MoveShape(int frets);

    // Scroll bar and list setters that raise the control's change event when the value
    // changes; false when the control refuses the value (outside its range or list).
    bool SetNeckPosition(int firstFret);
    void SetNeckScrollMax(int max);
    bool SetNameIndex(int index);
    void SetNameScrollMax(int max);
    bool SetCandidateNumber(int number);
    void SetCandidateRange(int min, int max);
    bool SetRootIndex(int index);
    bool SetTypeIndex(int index);

    // State changes shared by the commands and start-up, without the change notification.
    void UseAccidentals(Accidentals mode);  // the mode and the menu caption only
    void SwitchAccidentals();               // the other mode, everything spelled anew
    void SwitchToolTips();
    void UseOpenStrings(const OpenStrings& strings);  // the strings and the menu's check mark
    void Retune(const OpenStrings& strings);          // the strings, everything shown anew

    void FillLists();
    void FillRootList();
    void ApplyToolTips();
    SearchRequest ChosenSearch() const;
    void StartCreating();
    void FinishCreating(SearchResult result);
    void HandOverCandidates(std::vector<Fingering> found);
    void BrowseCandidates();
    void ReportCreateFailure();
    void Synthesise(const std::function<SynthOutcome(SoundEngine&)>& synth);
    bool ApplySettings();
    void ApplyKeyedSettings(const KeyedLines& keyed);
    void StartWithDefaults();
    void WriteSettings();
    void DeleteSoundFiles();
    void SetBusy(bool busy);
    void Notify();

    WindowServices services_;
    DisplayState display_;
    std::function<void()> listener_;

    Fingering currentShape_{};
    int numFrets_ = 0;
    ListenChoices listenChoices_;
    std::vector<Fingering> candidates_;  // best first; element 0 is candidate 1
    int createViewPos_ = 0;
    Accidentals accidentals_ = Accidentals::Sharps;
    OpenStrings strings_{};
    ChordAnalysis analysis_{};
    ChordAnalysis shapeAnalysis_{};  // with a capo: the names of the shape without it
};

}  // namespace fretwise

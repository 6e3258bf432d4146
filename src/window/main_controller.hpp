#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/chord_analysis.hpp"
#include "music/fingering.hpp"
#include "music/pitch.hpp"
#include "sound/sound_engine.hpp"
#include "storage/app_paths.hpp"
#include "window/display_state.hpp"
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

enum class MouseButton { Left, Right, Other };  // any button but the right counts as left

// The main window without its widgets: it owns the window's state, runs every event handler
// in the order the window defines, and keeps a DisplayState of everything the window shows.
// The view forwards each event to the method of the same name and repaints from Display()
// whenever the change listener is called. All methods run on the user-interface thread.
class MainController {
  public:
    explicit MainController(WindowServices services);

    const DisplayState& Display() const { return display_; }

    // Called after every handler that changed the display, and before each modal dialog so
    // the window is up to date behind it.
    void SetChangeListener(std::function<void()> listener) { listener_ = std::move(listener); }

    // Start-up: lists filled, settings read value by value (fallback from the first value
    // that cannot be read or applied), the command-line chord file opened, the window shown,
    // the file type registered. commandLine is the program's arguments joined by spaces.
    void Startup(std::string commandLine);

    // Closing the window: the settings file written, the temporary sound files deleted.
    void Close();

    // "E&xit": ends the program at once; nothing written, nothing deleted.
    void MnuExitClick();

    // A mouse-button release on the fretboard (or on a label inside it) at x, y in twips
    // relative to FrameChord.
    void FretboardRelease(MouseButton button, int x, int y);

    // Scroll bar changes; each sets the value and runs the change handler when it differs.
    void VScrollChange(int value);
    void ScrollChange(int value);
    void NewScrollChange(int value);

    // List selections (-1: none).
    void ComboRootClick(int index);
    void ComboTypeClick(int index);

    void CommandCreateClick();
    void CommandPlayClick();
    void CommandStrumClick();

    // Menu commands.
    void MnuOpenClick();
    void MnuSaveClick();
    void MnuBCSClick(int index);  // "Save as &WAV file..." 0 block, 1 strummed
    void MnuTunerClick();
    void MnuAccidentalsClick();
    void MnuXClick();
    void MnuNFClick();
    void MnuTTTClick();
    void MnuSupportClick();
    void MnuAboutClick();

    // Public methods of the window.
    void PlayChord();
    void PlayNotex(int string);
    void OpenF(std::string& path);  // trims path in place

    // The window's state.
    const Fingering& CurrentShape() const { return currentShape_; }
    int NumFrets() const { return numFrets_; }
    const std::vector<Fingering>& Candidates() const { return candidates_; }
    int CreateViewPos() const { return createViewPos_; }
    Accidentals Mode() const;

    // What fretwise-cli show prints: the lists filled, the frets laid out for numFrets, the
    // neck at position, the accidental mode and the root list's selection (-1: none) set,
    // then the frets clicked into CurrentShape and refreshed. False when the position or the
    // root index is refused.
    bool ShowShape(const PerString& frets, int numFrets, int position, bool flats, int rootIndex);

  private:
    // The display refresh and its parts.
    void RefreshDisplay(Fingering& shape);
    void ShowAnalysis();
    void ShowChordName(int index);
    void LayoutFrets();
    void DrawFretboard(int position);

    // Scroll bar and list setters that raise the control's change event when the value
    // changes; false when the control refuses the value (outside its range or list).
    bool SetVScrollValue(int value);
    void SetVScrollMax(int max);
    bool SetScrollValue(int value);
    void SetScrollMax(int max);
    bool SetNewScrollValue(int value);
    void SetNewScrollRange(int min, int max);
    bool SetComboRootIndex(int index);
    bool SetComboTypeIndex(int index);

    void FillLists();
    void FillComboRoot();
    void SwitchAccidentals();
    void ToggleToolTips();
    void ApplyToolTips();
    void HandOverCandidates(std::vector<Fingering> found);
    void BrowseCandidates();
    void ReportCreateFailure();
    void Synthesise(SynthOutcome (SoundEngine::*synth)());
    bool ApplySettings();
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
    std::vector<Fingering> candidates_;  // best first; element 0 is candidate 1
    int createViewPos_ = 0;
    ChordAnalysis analysis_{};
};

}  // namespace fretwise

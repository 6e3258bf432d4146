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

    // The chord on the fretboard: frets set as clicks would set them, then refreshed.
    // Used by fretwise-cli show.
    void ShowShape(const PerString& frets);

    // Frets laid out anew for n frets (as a chord file or the frets input would), view at top.
    void SetNumFrets(int n);

  private:
    // Display refresh and its parts.
    void RefreshDisplay(Fingering& shape);
    void PlaceMarkers(const Fingering& shape);
    void PlaceBar(const Fingering& shape);
    void ShowAnalysis();
    void ShowChordName(int index);
    void LayoutStaff(const Fingering& shape);
    void LayoutFrets();
    void DrawFretboard(int position);
    bool HitTest(int x, int y, int& string, int& fret) const;

    // Scroll bar and list setters that raise the change events; false when the value is
    // refused (outside the range or the list).
    bool SetVScrollValue(int value);
    void SetVScrollMax(int max);
    bool SetScrollValue(int value);
    void SetScrollMax(int max);
    bool SetNewScrollValue(int value);
    void SetNewScrollMin(int min);
    void SetNewScrollMax(int max);
    bool SetComboRootIndex(int index);
    bool SetComboTypeIndex(int index);

    void FillComboRoot();
    void ApplyToolTips();
    void BrowseCandidates();
    void ReportCreateFailure();
    void HandOverCandidates(std::vector<Fingering> found);
    void ShowFirstCandidate();
    bool ReadSettings();
    void StartWithDefaults();
    void WriteSettings();
    void DeleteSoundFiles();
    void SynthAndRestore(bool chord);
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

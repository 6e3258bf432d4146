#include "window/main_controller.hpp"

#include <cmath>

#include "music/chord_types.hpp"
#include "storage/chord_file.hpp"
#include "window/fretboard_view.hpp"
#include "window/geometry.hpp"
#include "window/number_input.hpp"

namespace fretwise {

namespace {

constexpr std::string_view kUseFlatsCaption = "&Use Flats (b)";
constexpr std::string_view kUseSharpsCaption = "&Use Sharps (#)";

bool InRange(int value, const ScrollBarView& bar) {
    return value >= bar.min && value <= bar.max;
}

bool InList(int index, const ComboView& combo) {
    return index >= -1 && index < static_cast<int>(combo.items.size());
}

}  // namespace

MainController::MainController(WindowServices services) : services_(services) {
    // The design state: the nut and the first fret line, sharps, tooltips checked.
    display_.fretboard.fretLines = {
        {geometry::kNutY, true, geometry::kNutLineWidth},
        {geometry::kNutY + geometry::kFretSpacing, true, geometry::kFretLineWidth}};
    display_.menu.accidentalsCaption = kUseFlatsCaption;
    display_.menu.toolTipsChecked = true;
    ApplyToolTips();
}

Accidentals MainController::Mode() const {
    return display_.menu.accidentalsCaption == kUseFlatsCaption ? Accidentals::Sharps
                                                                : Accidentals::Flats;
}

void MainController::Notify() {
    if (listener_) {
        listener_();
    }
    display_.focus = FocusRequest::None;
}

void MainController::SetBusy(bool busy) {
    display_.busy = busy;
    services_.dialogs.SetBusyCursor(busy);
}

// Scroll bars and lists. Setting a value raises the control's change event when the value
// changes, as the window's own controls do; a refused value changes nothing.

bool MainController::SetVScrollValue(int value) {
    ScrollBarView& bar = display_.vScroll;
    if (!InRange(value, bar)) {
        return false;
    }
    if (value != bar.value) {
        bar.value = value;
        DrawFretboard(value);
    }
    return true;
}

void MainController::SetVScrollMax(int max) {
    ScrollBarView& bar = display_.vScroll;
    bar.max = max;
    if (bar.value > max) {
        bar.value = max;
        DrawFretboard(max);
    }
}

bool MainController::SetScrollValue(int value) {
    ScrollBarView& bar = display_.scroll;
    if (!InRange(value, bar)) {
        return false;
    }
    if (value != bar.value) {
        bar.value = value;
        ShowChordName(value);
    }
    return true;
}

void MainController::SetScrollMax(int max) {
    ScrollBarView& bar = display_.scroll;
    bar.max = max;
    if (bar.value > max) {
        bar.value = max;
        ShowChordName(max);
    }
}

bool MainController::SetNewScrollValue(int value) {
    ScrollBarView& bar = display_.newScroll;
    if (!InRange(value, bar)) {
        return false;
    }
    if (value != bar.value) {
        bar.value = value;
        BrowseCandidates();
    }
    return true;
}

void MainController::SetNewScrollRange(int min, int max) {
    ScrollBarView& bar = display_.newScroll;
    bar.min = min;
    bar.max = max;
    const int clamped = std::clamp(bar.value, min, max);
    if (clamped != bar.value) {
        bar.value = clamped;
        BrowseCandidates();
    }
}

bool MainController::SetComboRootIndex(int index) {
    if (!InList(index, display_.comboRoot)) {
        return false;
    }
    display_.comboRoot.selected = index;
    return true;
}

bool MainController::SetComboTypeIndex(int index) {
    ComboView& combo = display_.comboType;
    if (!InList(index, combo)) {
        return false;
    }
    combo.selected = index;
    // The blank separator cannot be chosen: the first interval takes its place.
    if (index >= 0 && combo.Text().empty()) {
        combo.selected = kBlankChordType + 1;
    }
    return true;
}

void MainController::FillComboRoot() {
    ComboView& combo = display_.comboRoot;
    const int remembered = combo.selected;
    combo.items.clear();
    for (int pitch = 1; pitch <= kRootCount; ++pitch) {
        combo.items.emplace_back(NoteName(pitch, Mode()));
    }
    combo.selected = remembered;
}

void MainController::FillLists() {
    FillComboRoot();
    display_.comboType.items.clear();
    for (int type = 0; type < kChordTypeCount; ++type) {
        display_.comboType.items.emplace_back(ChordTypeName(type));
    }
}

void MainController::ApplyToolTips() {
    ToolTipsView& tips = display_.toolTips;
    if (!display_.menu.toolTipsChecked) {
        tips = ToolTipsView{};
        return;
    }
    tips.frameChord =
        "Click the fretboard to set fingure positions.  Use the scroll bar to move up and down "
        "the fretboard";
    tips.frameAnalysis =
        "Chord information - use the scroll bar to scroll between different names for the "
        "same chord";
    tips.frameCreate =
        "Create this chord - use the scroll bar to scroll between the different possibilities "
        "created";
    tips.pictureBox = "The notation of this chord";
    tips.comboType = "Select the chord type to create";
    tips.comboRoot = "Select a root for the chord to be created";
    tips.commandCreate = "Click to create this chord on the selected part of the fretboard";
    tips.commandStrum = "Play this chord (strum)";
    tips.commandPlay = "Play this chord (as a block chord)";
}

// Event handlers.

void MainController::FretboardRelease(MouseButton button, int x, int y) {
    const std::optional<FretboardHit> hit = HitTest(display_.fretboard, x, y);
    if (!hit) {
        return;
    }
    const int s = hit->string;
    int f = hit->fret;
    if (button == MouseButton::Right) {
        f = currentShape_.Fret[s] == kMuted ? 0 : kMuted;
    }
    if (currentShape_.Fret[s] != f) {
        currentShape_.Fret[s] = static_cast<std::int16_t>(f);
        RefreshDisplay(currentShape_);
    } else if (f != kMuted) {
        services_.sound.Strum = StrumMode::Block;
        PlayNotex(s);
    }
    Notify();
}

void MainController::VScrollChange(int value) {
    SetVScrollValue(value);
    Notify();
}

void MainController::ScrollChange(int value) {
    SetScrollValue(value);
    Notify();
}

void MainController::NewScrollChange(int value) {
    SetNewScrollValue(value);
    Notify();
}

void MainController::ComboRootClick(int index) {
    SetComboRootIndex(index);
    Notify();
}

void MainController::ComboTypeClick(int index) {
    SetComboTypeIndex(index);
    Notify();
}

void MainController::MnuAccidentalsClick() {
    SwitchAccidentals();
    Notify();
}

void MainController::SwitchAccidentals() {
    display_.menu.accidentalsCaption =
        Mode() == Accidentals::Sharps ? kUseSharpsCaption : kUseFlatsCaption;
    RefreshDisplay(currentShape_);
    FillComboRoot();
}

void MainController::MnuXClick() {
    display_.menu.allStringsChecked = !display_.menu.allStringsChecked;
    Notify();
}

void MainController::MnuTTTClick() {
    ToggleToolTips();
    Notify();
}

void MainController::ToggleToolTips() {
    display_.menu.toolTipsChecked = !display_.menu.toolTipsChecked;
    ApplyToolTips();
}

void MainController::MnuNFClick() {
    Notify();
    const std::optional<std::string> answer =
        services_.dialogs.Input("Enter number of frets to display", "", std::to_string(numFrets_));
    const std::optional<double> value = answer ? ParseTypedNumber(*answer) : std::nullopt;
    if (!value || *value < kMinFrets || *value > kMaxFrets || std::floor(*value) != *value) {
        services_.dialogs.Beep();
        return;
    }
    numFrets_ = static_cast<int>(*value);
    Fingering blank{};
    RefreshDisplay(blank);
    display_.newScroll.enabled = false;
    LayoutFrets();
    Notify();
}

void MainController::MnuTunerClick() {
    services_.desktop.ShowTuner();
}

void MainController::MnuSupportClick() {
    services_.desktop.OpenHelp();
}

void MainController::MnuAboutClick() {
    services_.dialogs.Message(
        "Fretwise v1.1 - chords for guitarists. Further information is available from the "
        "Fretwise website.\r\nWritten by the Fretwise developers.",
        MessageIcon::None);
}

void MainController::MnuExitClick() {
    services_.desktop.Quit();
}

// The fretboard's drawing operations over the window's state.

void MainController::LayoutFrets() {
    fretwise::LayoutFrets(display_.fretboard, numFrets_);
    SetVScrollValue(0);
    SetVScrollMax(NeckScrollMax(numFrets_));
}

void MainController::DrawFretboard(int position) {
    fretwise::DrawFretboard(display_.fretboard, numFrets_, position, currentShape_);
}

bool MainController::ShowShape(const PerString& frets, int numFrets, int position, bool flats,
                               int rootIndex) {
    FillLists();
    numFrets_ = ClampFrets(numFrets);
    LayoutFrets();
    DrawFretboard(0);
    if (!SetVScrollValue(position)) {
        return false;
    }
    DrawFretboard(position);
    if (flats != (Mode() == Accidentals::Flats)) {
        SwitchAccidentals();
    }
    if (!SetComboRootIndex(rootIndex)) {
        return false;
    }
    currentShape_.Fret = frets;
    RefreshDisplay(currentShape_);
    return true;
}

}  // namespace fretwise

#include "window/main_controller.hpp"

#include <cmath>

#include "core/music/chord_types.hpp"
#include "core/storage/chord_file.hpp"
#include "fretwise/version.hpp"
#include "window/fretboard_view.hpp"
#include "window/geometry.hpp"
#include "window/number_input.hpp"
#include "window/zoom_steps.hpp"

namespace fretwise {

namespace {

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
    UseAccidentals(Accidentals::Sharps);
    display_.menu.toolTipsChecked = true;
    ApplyToolTips();
}

void MainController::Notify() {
    ShowCursor();
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

bool MainController::SetNeckPosition(int firstFret) {
    ScrollBarView& bar = display_.neckScroll;
    if (!InRange(firstFret, bar)) {
        return false;
    }
    if (firstFret != bar.value) {
        bar.value = firstFret;
        DrawFretboard(firstFret);
    }
    return true;
}

void MainController::SetNeckScrollMax(int max) {
    ScrollBarView& bar = display_.neckScroll;
    bar.max = max;
    if (bar.value > max) {
        bar.value = max;
        DrawFretboard(max);
    }
}

bool MainController::SetNameIndex(int index) {
    ScrollBarView& bar = display_.nameScroll;
    if (!InRange(index, bar)) {
        return false;
    }
    if (index != bar.value) {
        bar.value = index;
        ShowChordName(index);
    }
    return true;
}

void MainController::SetNameScrollMax(int max) {
    ScrollBarView& bar = display_.nameScroll;
    bar.max = max;
    if (bar.value > max) {
        bar.value = max;
        ShowChordName(max);
    }
}

bool MainController::SetCandidateNumber(int number) {
    ScrollBarView& bar = display_.candidateScroll;
    if (!InRange(number, bar)) {
        return false;
    }
    if (number != bar.value) {
        bar.value = number;
        BrowseCandidates();
    }
    return true;
}

void MainController::SetCandidateRange(int min, int max) {
    ScrollBarView& bar = display_.candidateScroll;
    bar.min = min;
    bar.max = max;
    const int clamped = std::clamp(bar.value, min, max);
    if (clamped != bar.value) {
        bar.value = clamped;
        BrowseCandidates();
    }
}

bool MainController::SetRootIndex(int index) {
    if (!InList(index, display_.rootList)) {
        return false;
    }
    display_.rootList.selected = index;
    return true;
}

bool MainController::SetTypeIndex(int index) {
    ComboView& combo = display_.typeList;
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

void MainController::FillRootList() {
    ComboView& combo = display_.rootList;
    const int remembered = combo.selected;
    combo.items.clear();
    for (int pitch = 1; pitch <= kRootCount; ++pitch) {
        combo.items.emplace_back(NoteName(pitch, accidentals_));
    }
    combo.selected = remembered;
}

void MainController::FillLists() {
    FillRootList();
    display_.typeList.items.clear();
    for (int type = 0; type < kChordTypeCount; ++type) {
        display_.typeList.items.emplace_back(ChordTypeName(type));
    }
}

void MainController::ApplyToolTips() {
    ToolTipsView& tips = display_.toolTips;
    if (!display_.menu.toolTipsChecked) {
        tips = ToolTipsView{};
        return;
    }
    tips.fretboard =
        "Click the fretboard to set fingure positions.  Use the scroll bar to move up and down "
        "the fretboard";
    tips.analysisPanel =
        "Chord information - use the scroll bar to scroll between different names for the "
        "same chord";
    tips.createPanel =
        "Create this chord - use the scroll bar to scroll between the different possibilities "
        "created";
    tips.staff = "The notation of this chord";
    tips.typeList = "Select the chord type to create";
    tips.rootList = "Select a root for the chord to be created";
    tips.createButton = "Click to create this chord on the selected part of the fretboard";
    tips.strumButton = "Play this chord (strum)";
    tips.playButton = "Play this chord (as a block chord)";
    tips.symbol = "The chord symbol - press Ctrl+F to find a chord by its symbol";
}

// Event handlers.

void MainController::FretboardRelease(MouseButton button, int x, int y) {
    const std::optional<FretboardHit> hit = HitTest(display_.fretboard, x, y);
    if (!hit) {
        return;
    }
    display_.fretboard.cursor.string = hit->string;
    display_.fretboard.cursor.fret = hit->fret;
    ClickString(button, hit->string, hit->fret);
    Notify();
}

void MainController::ClickString(MouseButton button, int s, int f) {
    if (button == MouseButton::Right) {
        f = currentShape_.Fret[s] == kMuted ? 0 : kMuted;
    }
    if (currentShape_.Fret[s] != f) {
        currentShape_.Fret[s] = static_cast<std::int16_t>(f);
        RefreshDisplay(currentShape_);
    } else if (f != kMuted) {
        PlayString(s);
    }
}

void MainController::ScrollNeck(int firstFret) {
    SetNeckPosition(firstFret);
    Notify();
}

void MainController::ChooseChordName(int index) {
    SetNameIndex(index);
    Notify();
}

void MainController::ChooseCandidate(int number) {
    SetCandidateNumber(number);
    Notify();
}

void MainController::SelectRoot(int index) {
    SetRootIndex(index);
    Notify();
}

void MainController::SelectChordType(int index) {
    SetTypeIndex(index);
    Notify();
}

void MainController::ToggleAccidentals() {
    SwitchAccidentals();
    Notify();
}

void MainController::UseAccidentals(Accidentals mode) {
    accidentals_ = mode;
    display_.menu.accidentalsCaption = AccidentalsCaption(mode);
}

void MainController::SwitchAccidentals() {
    UseAccidentals(accidentals_ == Accidentals::Sharps ? Accidentals::Flats : Accidentals::Sharps);
    RefreshDisplay(currentShape_);
    FillRootList();
}

void MainController::ToggleAllStrings() {
    display_.menu.allStringsChecked = !display_.menu.allStringsChecked;
    Notify();
}

void MainController::ToggleLeftHanded() {
    UseLeftHanded(!LeftHanded());
    Notify();
}

void MainController::UseLeftHanded(bool leftHanded) {
    display_.fretboard.leftHanded = leftHanded;
    PlaceBar(display_.fretboard, currentShape_);
}

void MainController::ChooseZoom(int percent) {
    if (IsZoomStep(percent)) {
        display_.zoomPercent = percent;
    }
    Notify();
}

void MainController::ChooseChordOrder(CreateOrder order) {
    display_.menu.chordOrder = order;
    Notify();
}

void MainController::ToggleRestTreble() {
    display_.menu.restTrebleChecked = !display_.menu.restTrebleChecked;
    Notify();
}

void MainController::ToggleToolTips() {
    SwitchToolTips();
    Notify();
}

void MainController::SwitchToolTips() {
    display_.menu.toolTipsChecked = !display_.menu.toolTipsChecked;
    ApplyToolTips();
}

void MainController::AskFretCount() {
    Notify();
    const std::optional<std::string> answer =
        services_.dialogs.Input("Enter number of frets to display", "", std::to_string(numFrets_));
    const std::optional<double> value = answer ? ParseTypedNumber(*answer) : std::nullopt;
    if (!value || *value < kMinFrets || *value > kMaxFrets || std::floor(*value) != *value) {
        services_.dialogs.Beep();
        return;
    }
    numFrets_ = static_cast<int>(*value);
    RefreshDisplay(Fingering{});
    display_.candidateScroll.enabled = false;
    LayoutFrets();
    Notify();
}

void MainController::ShowTuner() {
    services_.desktop.ShowTuner(strings_.tuning);
}

void MainController::OpenHelp() {
    services_.desktop.OpenHelp();
}

void MainController::ShowAbout() {
    services_.dialogs.Message(std::string(kVersionedName) +
                                  " - chords for guitarists. Further information is available "
                                  "from the Fretwise website.\r\nWritten by the Fretwise "
                                  "developers.",
                              MessageIcon::None);
}

void MainController::Exit() {
    services_.desktop.Quit();
}

// The fretboard's drawing operations over the window's state.

void MainController::LayoutFrets() {
    fretwise::LayoutFrets(display_.fretboard, numFrets_);
    SetNeckPosition(0);
    SetNeckScrollMax(NeckScrollMax(numFrets_));
}

void MainController::DrawFretboard(int position) {
    fretwise::DrawFretboard(display_.fretboard, numFrets_, position, currentShape_);
}

bool MainController::ShowShape(const PerString& frets, int numFrets, int position, bool flats,
                               int rootIndex, const OpenStrings& strings) {
    FillLists();
    numFrets_ = ClampFrets(numFrets);
    LayoutFrets();
    DrawFretboard(0);
    if (!SetNeckPosition(position)) {
        return false;
    }
    DrawFretboard(position);
    if (flats != (accidentals_ == Accidentals::Flats)) {
        SwitchAccidentals();
    }
    if (!SetRootIndex(rootIndex)) {
        return false;
    }
    UseOpenStrings(strings);
    currentShape_.Fret = frets;
    RefreshDisplay(currentShape_);
    return true;
}

}  // namespace fretwise

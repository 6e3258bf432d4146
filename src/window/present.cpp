#include "window/present.hpp"

#include <array>
#include <span>
#include <string>

#include "core/music/chord_types.hpp"
#include "window/analysis_panel.hpp"
#include "window/fretboard_cursor.hpp"
#include "window/fretboard_view.hpp"
#include "window/refresh.hpp"
#include "window/song_present.hpp"
#include "window/staff_layout.hpp"

namespace fretwise {

namespace {

ToolTipsView ToolTips() {
    ToolTipsView tips;
    tips.fretboard =
        "Click the fretboard to set finger positions.  Use the scroll bar to move up and down "
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
    return tips;
}

// "Capo 2", and "Tuning: D A D G B E" for a tuning other than standard (low E first).
void CaptionStrings(FretboardView& view, const OpenStrings& strings, Accidentals mode) {
    view.capoCaption = strings.capo == 0 ? "" : "Capo " + std::to_string(strings.capo);
    if (strings.tuning.IsStandard()) {
        return;
    }
    const OpenStrings withoutCapo{strings.tuning, 0};
    view.tuningCaption = "Tuning:";
    for (int s = kStringCount - 1; s >= 0; --s) {
        view.tuningCaption += ' ';
        view.tuningCaption += NoteName(withoutCapo.OpenPitch(s), mode);
    }
}

void PresentFretboard(DisplayState& d, const WindowState& s) {
    FretboardView& board = d.fretboard;
    board.leftHanded = s.leftHanded;
    DrawFretboard(board, s.numFrets, s.neckPosition, s.shape, s.barreWherever);
    for (int i = 0; i < kStringCount; ++i) {
        board.stringLabels[i] = NoteName(s.shape.Note[i], s.accidentals);
    }
    CaptionStrings(board, s.strings, s.accidentals);

    CursorView& cursor = board.cursor;
    cursor.string = s.cursorString;
    cursor.fret = s.cursorFret;
    PlaceCursor(board, s.neckPosition);
    const int string = cursor.string;
    // The string is named as the tuning names it, as in the tuning caption: a capo does not
    // rename the strings.
    const OpenStrings withoutCapo{s.strings.tuning, 0};
    cursor.description =
        CursorDescription(string, NoteName(withoutCapo.OpenPitch(string), s.accidentals),
                          cursor.fret, s.shape.Fret[string], board.markers[string].fingerText);
}

// The chord's name shown in the panel, the frame and across the fretboard; with a capo, the
// shape's name too (a capo moves every note alike, so its names come in the same order).
void PresentNames(DisplayState& d, const WindowState& s) {
    const ChordAnalysis analysis = AnalysisOf(s);
    d.nameScroll = {0, NameScrollMax(analysis), s.nameIndex, analysis.NameCount > 1};
    if (analysis.NameCount == 0 || s.nameIndex >= kStringCount) {
        ClearChordName(d);
        return;
    }
    ShowChordName(d, analysis.ChordNames[s.nameIndex]);
    if (s.strings.capo != 0) {
        const ChordAnalysis shape =
            AnalyseChord(ShapeFretsToNotes(s.shape, {s.strings.tuning, 0}), s.accidentals);
        ShowShapeName(d, shape.ChordNames[s.nameIndex]);
    }
}

// The staff numbers the fingers whose markers were in view at the last refresh.
void PresentStaff(DisplayState& d, const WindowState& s) {
    std::array<bool, kStringCount> fingerLabelShown{};
    for (int i = 0; i < kStringCount; ++i) {
        fingerLabelShown[i] = MarkerInView(s.shape.Fret[i], s.numFrets, s.neckAtRefresh);
    }
    LayoutStaff(d.staff, s.shape, s.accidentals, fingerLabelShown, s.strings);
}

void PresentCreatePanel(DisplayState& d, const WindowState& s) {
    for (int pitch = 1; pitch <= kRootCount; ++pitch) {
        d.rootList.items.emplace_back(NoteName(pitch, s.accidentals));
    }
    d.rootList.selected = s.rootIndex;
    d.typeList.selected = -1;
    const std::span<const int> types = TypeList(s.vocabulary);
    for (std::size_t k = 0; k < types.size(); ++k) {
        d.typeList.items.emplace_back(ChordTypeName(types[k], s.vocabulary));
        if (types[k] == s.typeIndex) {
            d.typeList.selected = static_cast<int>(k);
        }
    }
    const int last = std::max(static_cast<int>(s.candidates.size()), 1);
    d.candidateScroll = {1, last, s.candidateNumber, s.browsingCandidates};
}

void PresentMenus(DisplayState& d, const WindowState& s) {
    MenuView& menu = d.menu;
    menu.accidentalsCaption = AccidentalsCaption(s.accidentals);
    menu.toolTipsChecked = s.toolTips;
    menu.allStringsChecked = s.allStrings;
    menu.chordOrder = s.chordOrder;
    menu.restTrebleChecked = s.restTreble;
    menu.wholeNeckChecked = s.wholeNeck;
    menu.vocabulary = s.vocabulary;
    const TuningPreset* preset = PresetOf(s.strings.tuning);
    menu.tuningChecked = preset == nullptr ? -1 : static_cast<int>(preset - TuningPresets().data());
    menu.undoEnabled = s.undoSteps > 0;
    menu.redoEnabled = s.redoSteps > 0;
    if (s.toolTips) {
        d.toolTips = ToolTips();
    }
}

}  // namespace

DisplayState Present(const WindowState& s) {
    DisplayState d;
    PresentFretboard(d, s);
    PresentNames(d, s);
    PresentStaff(d, s);
    PresentCreatePanel(d, s);
    PresentMenus(d, s);
    d.neckScroll = {0, NeckScrollMax(s.numFrets), s.neckPosition, true};
    d.fretboardEnabled = !s.playing;
    d.playEnabled = d.strumEnabled = !s.playing;
    d.createEnabled = !s.creating;
    d.busy = s.playing || s.creating;
    d.zoomPercent = s.zoomPercent;
    d.focus = s.focus;
    d.song = PresentSong(s);
    d.metronome = PresentMetronome(s.metronome);
    d.menu.recentSongs = s.recentSongs;
    d.menu.songItemsEnabled = s.song.has_value();
    return d;
}

}  // namespace fretwise

#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/create/fingering_search.hpp"
#include "core/music/fingering.hpp"
#include "core/music/pitch.hpp"
#include "core/music/vocabulary.hpp"
#include "window/song_view.hpp"

namespace fretwise {

// Everything the main window shows, as plain data in twips. Present produces it from the
// window's state; the views paint it and nothing else. Per-string arrays are indexed by string (0 =
// high E).

enum class MouseButton { Left, Right, Other };  // any button but the right counts as left

// A string line; x is fixed (StringLineX of the fretboard view), the ends follow the frets.
struct StringLineView {
    int top = 840;
    int bottom = 840;
    bool dashed = false;  // a string that is not played
};

// A fret line, drawn from geometry::kFretLineLeft to kFretLineRight.
// Line 0 is the nut (width 3); the others are width 1.
struct FretLineView {
    int y = 840;
    bool visible = true;
    int width = 1;
};

// A finger marker and the finger number on it, which share visibility and position.
// The left edge is fixed: StringLineX(board, i) - geometry::kMarkerLeftOfString.
struct MarkerView {
    bool visible = false;
    int top = 0;
    std::string fingerText;  // the finger number shown on the marker
};

struct BarView {
    bool visible = false;
    int y = 0;   // both ends
    int x1 = 0;  // the left end
    int x2 = 0;
};

struct FretLabelView {
    std::string caption = "5";
    int top = 0;  // left is geometry::kFretLabelLeft
};

// The keyboard cursor on one string and fret, drawn while the fretboard has the focus.
struct CursorView {
    int string = kStringCount - 1;  // the low E string
    int fret = 0;
    bool inView = true;  // false while the neck is scrolled away from it
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::string description;  // what a screen reader says about it
};

struct FretboardView {
    std::array<StringLineView, kStringCount> strings{};
    std::vector<FretLineView> fretLines;  // index 0 (the nut) to NumFrets
    std::array<MarkerView, kStringCount> markers{};
    BarView bar;
    FretLabelView fretLabel;
    std::array<std::string, kStringCount> stringLabels{};  // note names above the strings
    std::string shortName;    // the chord's short name across the top (in the small diagram)
    bool leftHanded = false;  // mirrored: the high E string on the left
    CursorView cursor;
    std::string capoCaption;  // "Capo 2" on the capo's bar at the nut; empty without a capo
    // The open strings' names, low E first ("Tuning: D A D G B E"), when the tuning is not
    // standard.
    std::string tuningCaption;
};

struct ScrollBarView {
    int min = 0;
    int max = 0;
    int value = 0;
    bool enabled = true;
};

struct PanelLabelView {
    std::string caption;
    bool enabled = false;
};

// The "Analysis" panel.
struct AnalysisPanelView {
    PanelLabelView name{"Name: ", false};
    PanelLabelView abbrev{"Abbreviation: ", false};
    PanelLabelView inversion{"Inversion: ", false};
    PanelLabelView thirds{"Thirds:", false};
    PanelLabelView fifths{"Fifths:", false};
    std::string symbol;  // the shown name as songbooks write it, "C/E"; empty when it has none
    // With a capo, the shown name of the shape as played without it: "Shape: G major".
    std::string shapeName;
};

// A control placed on the staff: a note head, an accidental sign or a finger number.
struct StaffItemView {
    bool visible = false;
    int left = 0;
    int top = 0;
    std::string text;  // empty for heads
};

// The chord on the treble staff. Ledger lines are shown from the staff outwards:
// upperLedgers of geometry::UpperLedgerY(0..), lowerLedgers of LowerLedgerY(0..).
struct StaffView {
    std::array<StaffItemView, kStringCount> heads{};
    std::array<StaffItemView, kStringCount> accidentals{};  // sharp or flat signs
    std::array<StaffItemView, kStringCount> fingers{};      // finger numbers beside the heads
    int upperLedgers = 0;
    int lowerLedgers = 0;
};

struct ComboView {
    std::vector<std::string> items;
    int selected = -1;  // -1: nothing selected

    // The text shown: the selected item, or empty.
    std::string Text() const {
        return selected >= 0 && selected < static_cast<int>(items.size()) ? items[selected] : "";
    }
};

// The Settings menu's accidentals item names the spelling it switches to.
constexpr std::string_view AccidentalsCaption(Accidentals inUse) {
    return inUse == Accidentals::Sharps ? "&Use Flats (b)" : "&Use Sharps (#)";
}

struct MenuView {
    std::string accidentalsCaption{AccidentalsCaption(Accidentals::Sharps)};
    bool toolTipsChecked = true;     // Help > "&ToolTips"
    bool allStringsChecked = false;  // Settings > "Created chords always use all &strings"
    // Settings > "Order of created chords": "Easiest first" (Classic) or "As guitarists play
    // them" (Guitarist) ticked.
    CreateOrder chordOrder = CreateOrder::Classic;
    bool restTrebleChecked = false;  // Settings > "Let the high strings rest"
    bool wholeNeckChecked = false;   // Settings > "Search the whole neck"
    // Settings > "Chord names": "Classic catalogue" or "Full vocabulary (extended, altered,
    // omitted notes)" ticked.
    Vocabulary vocabulary = Vocabulary::Classic;
    int tuningChecked = 0;  // Settings > Tuning: the preset in force (TuningPresets()), -1 custom
    bool undoEnabled = false;  // Chord > "Undo"
    bool redoEnabled = false;  // Chord > "Redo"
    // File > "Recent Songs", latest first; the song items act on the song open.
    std::vector<std::string> recentSongs;
    bool songItemsEnabled = false;  // "Save Song As...", "Print Song...", "Save Song Sheet..."
};

// Tooltip texts of the controls that carry one; all empty while tooltips are off.
struct ToolTipsView {
    std::string fretboard;
    std::string analysisPanel;
    std::string createPanel;
    std::string staff;
    std::string typeList;
    std::string rootList;
    std::string createButton;
    std::string strumButton;
    std::string playButton;
    std::string symbol;
};

// Which control the window gives the keyboard focus to once it has painted a command's end.
enum class FocusRequest { None, Fretboard, CreateButton };

struct DisplayState {
    std::string chordCaption;  // the chord's full name, the caption of the frame round it all
    FretboardView fretboard;
    ScrollBarView neckScroll{0, 0, 0, true};        // first fret in view
    ScrollBarView nameScroll{0, 0, 0, false};       // index of the chord name shown
    ScrollBarView candidateScroll{1, 1, 1, false};  // number of the created candidate shown
    AnalysisPanelView panel;
    StaffView staff;
    ComboView rootList;  // the root to create
    ComboView typeList;  // the chord type to create
    MenuView menu;
    ToolTipsView toolTips;
    bool fretboardEnabled = true;
    bool playEnabled = true;
    bool strumEnabled = true;
    bool createEnabled = true;
    bool busy = false;      // the hourglass pointer
    int zoomPercent = 100;  // one of kZoomSteps
    FocusRequest focus = FocusRequest::None;
    SongWindowView song;
    MetronomeView metronome;
};

}  // namespace fretwise

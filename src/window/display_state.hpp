#pragma once

#include <array>
#include <string>
#include <vector>

#include "music/fingering.hpp"

namespace fretwise {

// Everything the main window shows, as plain data in twips. The controller produces it; the
// views paint it and nothing else. Per-string arrays are indexed by string (0 = high E).

// A vertical string line S(i); x is fixed (geometry::StringX), the ends follow the frets.
struct StringLineView {
    int top = 840;
    int bottom = 840;
    bool dashed = false;  // a string that is not played
};

// A horizontal fret line Fret(k), drawn from geometry::kFretLineLeft to kFretLineRight.
// Line 0 is the nut (width 3); the others are width 1.
struct FretLineView {
    int y = 840;
    bool visible = true;
    int width = 1;
};

// A finger marker F(i) and its label FL(i), which share visibility and position.
// The left edge is fixed: geometry::StringX(i) - geometry::kMarkerLeftOfString.
struct MarkerView {
    bool visible = false;
    int top = 0;
    std::string fingerText;  // caption of FL(i)
};

struct BarView {
    bool visible = false;
    int y = 0;  // both ends
    int x1 = 0;
    int x2 = 0;
};

struct FretLabelView {
    std::string caption = "5";
    int top = 0;  // left is geometry::kFretLabelLeft
};

struct FretboardView {
    std::array<StringLineView, kStringCount> strings{};
    std::vector<FretLineView> fretLines;  // index 0 (the nut) to NumFrets
    std::array<MarkerView, kStringCount> markers{};
    BarView bar;
    FretLabelView fretLabel;
    std::array<std::string, kStringCount> stringLabels{};  // captions of L(i)
    std::string shortName;                                 // LShort
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

// The analysis panel FrameAnalysis.
struct AnalysisPanelView {
    PanelLabelView name{"Name: ", false};            // LblName
    PanelLabelView abbrev{"Abbreviation: ", false};  // LblShort
    PanelLabelView inversion{"Inversion: ", false};  // LblInversion
    PanelLabelView thirds{"Thirds:", false};         // Lbl3rds
    PanelLabelView fifths{"Fifths:", false};         // Lbl5ths
};

// A control placed on the staff: a note head, an accidental sign or a finger number.
struct StaffItemView {
    bool visible = false;
    int left = 0;
    int top = 0;
    std::string text;  // empty for heads
};

// The notation in PictureBox. Ledger lines are shown from the staff outwards:
// upperLedgers of geometry::UpperLedgerY(0..), lowerLedgers of LowerLedgerY(0..).
struct StaffView {
    std::array<StaffItemView, kStringCount> heads{};        // Head(i)
    std::array<StaffItemView, kStringCount> accidentals{};  // Label(i)
    std::array<StaffItemView, kStringCount> fingers{};      // NLabel(i)
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

struct MenuView {
    std::string accidentalsCaption = "&Use Flats (b)";  // mnuAccidentals
    bool toolTipsChecked = true;                        // mnuTTT
    bool allStringsChecked = false;                     // mnuX
};

// Tooltip texts of the nine controls that carry one; all empty while tooltips are off.
struct ToolTipsView {
    std::string frameChord;
    std::string frameAnalysis;
    std::string frameCreate;
    std::string pictureBox;
    std::string comboType;
    std::string comboRoot;
    std::string commandCreate;
    std::string commandStrum;
    std::string commandPlay;
};

// Which control the window should give the keyboard focus to after a handler.
enum class FocusRequest { None, CommandCreate };

struct DisplayState {
    std::string frameCaption;  // caption of Frame: the chord's full name
    FretboardView fretboard;
    ScrollBarView vScroll{0, 0, 0, true};     // neck position (first fret in view)
    ScrollBarView scroll{0, 0, 0, false};     // index of the chord name shown
    ScrollBarView newScroll{1, 1, 1, false};  // number of the created candidate shown
    AnalysisPanelView panel;
    StaffView staff;
    ComboView comboRoot;
    ComboView comboType;
    MenuView menu;
    ToolTipsView toolTips;
    bool fretboardEnabled = true;  // FrameChord
    bool commandPlayEnabled = true;
    bool commandStrumEnabled = true;
    bool commandCreateEnabled = true;
    bool busy = false;  // the hourglass pointer
    FocusRequest focus = FocusRequest::None;
};

}  // namespace fretwise

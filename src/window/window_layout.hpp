#pragma once

#include "window/geometry.hpp"

namespace fretwise::layout {

// Where the main window's controls lie, in twips, each relative to its container: the window
// paints them there and the printed pages frame the same parts.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

constexpr int kLabelHeight = 285;
constexpr int kComboHeight = 345;
constexpr int kMargin = 120;  // round the frame, as on its left and top

// In the window: the frame captioned with the chord's name, round everything.
constexpr TwipsRect kChordFrame{120, 120, 9375, 7695};

// In the frame.
constexpr TwipsRect kFretboard{240, 480, geometry::kFretboardWidth, geometry::kFretboardHeight};
constexpr TwipsRect kAnalysisPanel{5160, 360, 3975, 2295};
constexpr TwipsRect kStaff{5160, 3000, geometry::kStaffWidth, geometry::kStaffHeight};
constexpr TwipsRect kCreatePanel{5160, 5580, 3975, 1875};

// In the analysis panel. Thirds and fifths get room for their number; the chord symbol, in
// bold, the space between them and the play buttons, its upper line only when the shape's
// name (with a capo) takes the lower one.
constexpr TwipsRect kNameLabel{120, 360, 2775, kLabelHeight};
constexpr TwipsRect kAbbreviationLabel{120, 720, 2655, kLabelHeight};
constexpr TwipsRect kInversionLabel{120, 1080, 2655, kLabelHeight};
constexpr TwipsRect kThirdsLabel{120, 1440, 900, kLabelHeight};
constexpr TwipsRect kFifthsLabel{120, 1800, 900, kLabelHeight};
constexpr TwipsRect kSymbolLabel{1020, 1440, 1530, 645};
constexpr TwipsRect kSymbolAboveShapeName{1020, 1440, 1530, 360};
constexpr TwipsRect kShapeNameLabel{1020, 1800, 1530, kLabelHeight};
constexpr TwipsRect kNameScroll{3000, 240, 855, 315};
constexpr TwipsRect kPlayButton{2580, 1560, 555, 495};
constexpr TwipsRect kStrumButton{3240, 1560, 555, 495};

// In the "Create" panel.
constexpr TwipsRect kRootList{120, 360, 855, kComboHeight};
constexpr TwipsRect kTypeList{1080, 360, 2775, kComboHeight};
constexpr TwipsRect kCreateButton{120, 780, 3735, 435};
constexpr TwipsRect kCandidateScroll{120, 1320, 3735, 375};

}  // namespace fretwise::layout

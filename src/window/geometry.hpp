#pragma once

#include "core/music/fret_range.hpp"

// The fixed geometry of the main window's drawing areas, in twips (15 twips per logical
// pixel). Positions inside the fretboard are relative to the fretboard's top left corner;
// positions on the staff to the staff's.
namespace fretwise::geometry {

// Fretboard.
constexpr int kFretboardWidth = 4695;
constexpr int kFretboardHeight = 6975;
constexpr int kNutY = 840;
constexpr int kFretSpacing = 720;
constexpr int kFretLineLeft = 675;
constexpr int kFretLineRight = 3675;
constexpr int kNutLineWidth = 3;
constexpr int kFretLineWidth = 1;
constexpr int kBarLineWidth = 5;
using fretwise::kFretsInView;
constexpr int kMarkerBelowFretLine = 120;
constexpr int kBarBelowFretLine = 360;
constexpr int kStringOverhang = 120;
constexpr int kVisibleBandBottom = 6600;  // markers show strictly between the nut and this
constexpr int kStringHitHalfWidth = 300;

// String i is drawn at x = kString0X - kStringSpacing * i (string 0 at the right).
constexpr int kString0X = 3675;
constexpr int kStringSpacing = 600;
constexpr int StringX(int string) {
    return kString0X - kStringSpacing * string;
}

// The left-handed view mirrors x about the middle of the strings (2175), so the strings,
// fret lines and everything on them keep their places on the board: x' = 4350 - x.
constexpr int MirrorX(int x) {
    return kFretLineLeft + kFretLineRight - x;
}

// The finger markers and the finger numbers on them share one square, left of the string line.
constexpr int kMarkerSize = 495;
constexpr int kMarkerLeftOfString = 240;

// The note names above the nut.
constexpr int kStringLabelTop = 360;
constexpr int kStringLabelWidth = 615;
constexpr int kStringLabelHeight = 375;
constexpr int kStringLabelLeftOfString = 120;

// The capo's bar above the nut, reaching past the outer strings, and its caption above the
// string names.
constexpr int kCapoHeight = 90;
constexpr int kCapoOverhang = 180;

// The label saying which fret is in view ("5", "7th fret").
constexpr int kFretLabelLeft = 0;
constexpr int kFretLabelWidth = 615;
constexpr int kFretLabelHeight = 255;

// The neck scroll bar at the fretboard's right.
constexpr int kNeckScrollLeft = 4160;
constexpr int kNeckScrollTop = 840;
constexpr int kNeckScrollWidth = 255;
constexpr int kNeckScrollHeight = 5895;

// The short chord name across the top of the fretboard.
constexpr int kShortNameWidth = 4695;
constexpr int kShortNameHeight = 855;

// Staff.
constexpr int kStaffWidth = 3975;
constexpr int kStaffHeight = 2355;
constexpr int kStaffLineLeft = 600;
constexpr int kStaffLineRight = 3000;
constexpr int kStaffTopLineY = 840;
constexpr int kStaffLineSpacing = 120;  // five lines from 840 to 1320
constexpr int kStaffBottomLineY = 1320;
constexpr int kClefLeft = 680;
constexpr int kClefTop = 550;
constexpr int kClefWidth = 390;
constexpr int kClefHeight = 1020;
constexpr int kLedgerLeft = 1760;
constexpr int kLedgerRight = 2000;
constexpr int kUpperLedgerCount = 5;
// Standard tuning needs three lower ledger lines; the lowest tunings (down to B) five.
constexpr int kLowerLedgerCount = 5;
// Ledger line n (0 nearest the staff).
constexpr int UpperLedgerY(int n) {
    return 720 - 120 * n;
}
constexpr int LowerLedgerY(int n) {
    return 1440 + 120 * n;
}
constexpr int kHeadWidth = 165;
constexpr int kHeadHeight = 135;
constexpr int kAccidentalWidth = 420;
constexpr int kAccidentalHeight = 255;
constexpr int kStaffFingerWidth = 180;
constexpr int kStaffFingerHeight = 255;

}  // namespace fretwise::geometry

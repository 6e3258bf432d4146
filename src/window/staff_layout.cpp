#include "window/staff_layout.hpp"

#include <algorithm>
#include <vector>

namespace fretwise {

namespace {

constexpr int kAccidentalLeft = 1680;
constexpr int kHeadLeft = 1800;
constexpr int kFingerLeft = 1840;
constexpr int kSideStep = 80;  // how far a crowded head or number moves right
constexpr int kStepHeight = 60;
constexpr int kHeadTopAtStep0 = 1680;
constexpr int kSignTopAtStep0 = 1650;
constexpr int kFirstUpperLedgerStep = 17;
constexpr int kFirstLowerLedgerStep = 5;

// Counters of how crowded each step is, so heads on the same or neighbouring steps move
// aside. Steps outside the table (only from notes no fretboard shows) count as empty.
class Occupancy {
  public:
    int At(int step) const { return InTable(step) ? counts_[step] : 0; }
    void Add(int step, int n) {
        if (InTable(step)) {
            counts_[step] += n;
        }
    }
    static bool InTable(int step) { return step >= 0 && step <= kHighestStaffStep; }

  private:
    std::array<int, kHighestStaffStep + 1> counts_{};
};

}  // namespace

StaffStepResult StaffStep(std::string_view noteName) {
    StaffStepResult result;
    switch (noteName.empty() ? ' ' : noteName.front()) {
        case 'A':
            result.step = -4;
            break;
        case 'B':
            result.step = -3;
            break;
        case 'C':
            result.step = -2;
            break;
        case 'D':
            result.step = -1;
            break;
        case 'E':
            result.step = 0;
            break;
        case 'F':
            result.step = 1;
            break;
        case 'G':
            result.step = 2;
            break;
        default:
            break;
    }
    result.accidental = noteName.size() == 2 ? std::string(1, noteName[1]) : "  ";
    return result;
}

int StringStaffStep(const Fingering& shape, int string, Accidentals mode) {
    const int note = shape.Note[string];
    // G#/Ab belongs to the G below when spelled with a sharp, to the A above with a flat.
    int octave = mode == Accidentals::Sharps ? (note - 1) / 12 : note / 12;
    if (string <= 4) {
        ++octave;
    }
    if (string <= 1) {
        ++octave;
    }
    return StaffStep(NoteName(note, mode)).step + 7 * octave;
}

void LayoutStaff(StaffView& staff, const Fingering& shape, Accidentals mode,
                 const std::array<bool, kStringCount>& fingerLabelVisible) {
    Occupancy occupancy;
    std::vector<int> steps;
    for (int g = 0; g < kStringCount; ++g) {
        StaffItemView& head = staff.heads[g];
        StaffItemView& sign = staff.accidentals[g];
        StaffItemView& finger = staff.fingers[g];
        if (shape.Note[g] == kNotPlayed) {
            head.visible = sign.visible = finger.visible = false;
            continue;
        }
        sign.left = kAccidentalLeft;
        const int s = StringStaffStep(shape, g, mode);
        head.left = kHeadLeft + kSideStep * occupancy.At(s);
        occupancy.Add(s, 2);
        if (s > 0) {
            occupancy.Add(s - 1, 1);
        }
        if (s < kHighestStaffStep) {
            occupancy.Add(s + 1, 1);
        }
        head.top = kHeadTopAtStep0 - kStepHeight * s;
        head.visible = true;
        sign.top = kSignTopAtStep0 - kStepHeight * s;
        steps.push_back(s);
        const int crowd = std::max({occupancy.At(s), occupancy.At(s - 1), occupancy.At(s + 1)});
        sign.text = StaffStep(NoteName(shape.Note[g], mode)).accidental;
        sign.visible = true;

        finger.visible = false;
        if (shape.Finger[g] > 0 && shape.Playable) {
            finger.text = fingerLabelVisible[g] ? std::to_string(shape.Finger[g]) : "";
            finger.top = sign.top;
            finger.visible = true;
            finger.left = kFingerLeft + kSideStep * crowd;
        }
    }

    int highest = 0;
    int lowest = 10;
    for (int s : steps) {
        highest = std::max(highest, s);
        lowest = std::min(lowest, s);
    }
    const auto ledgers = [](int beyond, int available) {
        return beyond < 0 ? 0 : std::min(beyond / 2 + 1, available);
    };
    staff.upperLedgers = ledgers(highest - kFirstUpperLedgerStep, 5);
    staff.lowerLedgers = ledgers(kFirstLowerLedgerStep - lowest, 3);
}

}  // namespace fretwise

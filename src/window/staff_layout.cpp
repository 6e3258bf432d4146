#include "window/staff_layout.hpp"

#include <algorithm>
#include <vector>

#include "window/geometry.hpp"

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
// aside. The table reaches from the lowest tuning's open low string to the highest
// tuning's twentieth fret above a capo at the seventh; steps outside it count as empty.
class Occupancy {
  public:
    int At(int step) const { return InTable(step) ? counts_[Index(step)] : 0; }
    void Add(int step, int n) {
        if (InTable(step)) {
            counts_[Index(step)] += n;
        }
    }

  private:
    static constexpr int kLowest = -3;
    static constexpr int kHighest = 40;
    static bool InTable(int step) { return step >= kLowest && step <= kHighest; }
    static std::size_t Index(int step) { return static_cast<std::size_t>(step - kLowest); }

    std::array<int, kHighest - kLowest + 1> counts_{};
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

int StringStaffStep(const Fingering& shape, int string, Accidentals mode,
                    const OpenStrings& strings) {
    // The sound note carries the octave: as a pitch number counted from the E written on
    // step 0 (the open low E string of standard tuning, sound note -5, pitch number 8).
    const int written = strings.SoundingPitchOf(string, shape.Note[string]).SoundNote() + 13;
    // G#/Ab belongs to the G below when spelled with a sharp, to the A above with a flat.
    const int octave = mode == Accidentals::Sharps ? (written - 1) / 12 : written / 12;
    return StaffStep(NoteName(written, mode)).step + 7 * octave;
}

void LayoutStaff(StaffView& staff, const Fingering& shape, Accidentals mode,
                 const std::array<bool, kStringCount>& fingerLabelVisible,
                 const OpenStrings& strings) {
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
        const int s = StringStaffStep(shape, g, mode, strings);
        head.left = kHeadLeft + kSideStep * occupancy.At(s);
        occupancy.Add(s, 2);
        occupancy.Add(s - 1, 1);
        occupancy.Add(s + 1, 1);
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
    staff.lowerLedgers = ledgers(kFirstLowerLedgerStep - lowest, geometry::kLowerLedgerCount);
}

}  // namespace fretwise

#include "core/create/combinations.hpp"

#include <algorithm>

#include "core/analysis/assign_fingering.hpp"

namespace fretwise {

namespace {

using Combination = PerString;

std::uint16_t ClassBit(int note) {
    if (note < 0) {
        return 0;
    }
    return static_cast<std::uint16_t>(1u << PitchClass(note));
}

std::uint16_t Sounding(const Combination& c) {
    std::uint16_t bits = 0;
    for (const std::int16_t note : c) {
        bits |= ClassBit(note);
    }
    return bits;
}

void Form(const Combination& c, std::uint16_t needed, CompleteCombinations& out) {
    if ((Sounding(c) & needed) == needed) {
        out.notes.push_back(c);
        out.numbers.push_back(out.formed);
    }
    ++out.formed;
}

bool BRestsAlone(std::int16_t highE, std::int16_t b) {
    return b == kNotPlayed && highE != kNotPlayed;
}

// A walk down the strings that leaves a branch as soon as its fretted notes spread wider than
// a hand can stretch.
class ReachWalk {
  public:
    ReachWalk(const OptionLists& options, std::uint16_t needed, const PerString& openPitches,
              CompleteCombinations& out)
        : options_(options), needed_(needed), open_(openPitches), out_(out) {}

    void From(int s, int lowest, int highest) {
        if (s == kStringCount) {
            Form(current_, needed_, out_);
            return;
        }
        for (const std::int16_t note : options_[s]) {
            if (s == 1 && BRestsAlone(current_[0], note)) {
                continue;
            }
            const int fret = note == kNotPlayed ? 0 : note - open_[s];
            const int low = fret >= 1 ? std::min(lowest, fret) : lowest;
            const int high = std::max(highest, fret);
            if (fret >= 1 && high - low > kWidestStretch) {
                continue;
            }
            current_[s] = note;
            From(s + 1, low, high);
        }
    }

  private:
    const OptionLists& options_;
    std::uint16_t needed_;
    const PerString& open_;
    CompleteCombinations& out_;
    Combination current_{};
};

}  // namespace

std::uint16_t ChordClassBits(const ChordClasses& chord) {
    std::uint16_t bits = 0;
    for (const std::int16_t pc : chord) {
        bits |= ClassBit(pc);
    }
    return bits;
}

CompleteCombinations EveryCombination(const OptionLists& o, std::uint16_t needed) {
    CompleteCombinations out;
    for (const std::int16_t n0 : o[0]) {
        for (const std::int16_t n1 : o[1]) {
            if (BRestsAlone(n0, n1)) {
                continue;
            }
            for (const std::int16_t n2 : o[2]) {
                for (const std::int16_t n3 : o[3]) {
                    for (const std::int16_t n4 : o[4]) {
                        for (const std::int16_t n5 : o[5]) {
                            Form({n0, n1, n2, n3, n4, n5}, needed, out);
                        }
                    }
                }
            }
        }
    }
    return out;
}

CompleteCombinations CombinationsWithinReach(const OptionLists& options, std::uint16_t needed,
                                             const PerString& openPitches) {
    CompleteCombinations out;
    constexpr int kNoFret = 1000;
    ReachWalk(options, needed, openPitches, out).From(0, kNoFret, 0);
    return out;
}

}  // namespace fretwise

#include "core/create/combinations.hpp"

#include <algorithm>
#include <bit>

#include "core/analysis/assign_fingering.hpp"
#include "core/create/guitarist_grip.hpp"

namespace fretwise {

namespace {

using Combination = PerString;

std::uint16_t ClassBit(int note) {
    if (note < 0) {
        return 0;
    }
    return static_cast<std::uint16_t>(1u << PitchClass(note));
}

// Forms the combination sounding the chord classes of the bits.
void Form(const Combination& c, std::uint16_t sounding, std::uint16_t needed,
          CompleteCombinations& out) {
    if ((sounding & needed) == needed) {
        out.notes.push_back(c);
        out.numbers.push_back(out.formed);
    }
    ++out.formed;
}

bool BRestsAlone(std::int16_t highE, std::int16_t b) {
    return b == kNotPlayed && highE != kNotPlayed;
}

// Whether the enumeration leaves out this choice for the B string.
bool Skipped(bool bRestsAlone, std::int16_t highE, std::int16_t b) {
    return !bRestsAlone && BRestsAlone(highE, b);
}

// Whether the strings chosen so far leave, or will leave, a string loose: unplayed below a
// sounding string with no fretted string below it to damp it.
enum class Damping : std::uint8_t {
    Quiet,     // no unplayed string waits for a string below
    Awaiting,  // the string just chosen is unplayed below a sounding one: the next must be fretted
    Loose,     // a string lies loose unless no string below sounds
};

// What the walk knows of the strings chosen so far.
struct Walked {
    int lowest = 1000;  // the lowest and highest fretted frets
    int highest = 0;
    std::uint16_t sounding = 0;  // the chord classes sounded
    int lastHeight = 1000;       // the height of the lowest string sounding so far
    bool anySounds = false;
    bool anyOpen = false;
    Damping damping = Damping::Quiet;
};

// Moves the damping on by a string at the fret (-1 unplayed); false when that leaves a string
// loose.
bool Damp(Walked& next, int fret) {
    switch (next.damping) {
        case Damping::Loose:
            return fret < 0;
        case Damping::Awaiting:
            if (fret == 0) {
                return false;
            }
            next.damping = fret >= 1 ? Damping::Quiet : Damping::Loose;
            return true;
        case Damping::Quiet:
            next.damping = fret < 0 && next.anySounds ? Damping::Awaiting : Damping::Quiet;
            return true;
    }
    return true;
}

// The guitarist order's rules for one more string, lower than the strings walked.
bool GuitaristTakes(Walked& next, int fret, int height) {
    if (!Damp(next, fret)) {
        return false;
    }
    if (fret >= 0) {
        if (height >= next.lastHeight) {
            return false;
        }
        next.lastHeight = height;
        next.anyOpen = next.anyOpen || fret == 0;
    }
    return !(next.anyOpen && next.highest > kOpenChordReach);
}

// A walk down the strings that leaves a branch as soon as its fretted notes spread wider than
// a hand can stretch, as soon as the strings left cannot complete the chord, and for the
// guitarist order as soon as it breaks one of that order's rules.
class ReachWalk {
  public:
    ReachWalk(const OptionLists& options, std::uint16_t needed, FormingRules rules,
              const ScoredStrings& strings, CompleteCombinations& out)
        : options_(options), needed_(needed), rules_(rules), strings_(strings), out_(out) {}

    void From(int s, const Walked& walked) {
        if (s == kStringCount) {
            Form(current_, walked.sounding, needed_, out_);
            return;
        }
        if (std::popcount(static_cast<unsigned>(needed_ & ~walked.sounding)) > kStringCount - s) {
            return;
        }
        for (const std::int16_t note : options_[s]) {
            if (s == 1 && Skipped(rules_.bRestsAlone, current_[0], note)) {
                continue;
            }
            Walked next = walked;
            const int fret = note == kNotPlayed ? -1 : note - strings_.pitches[s];
            if (fret >= 1) {
                next.lowest = std::min(walked.lowest, fret);
                next.highest = std::max(walked.highest, fret);
                if (next.highest - next.lowest > kWidestStretch) {
                    continue;
                }
            }
            if (rules_.guitarist && !GuitaristTakes(next, fret, strings_.heights[s] + fret)) {
                continue;
            }
            next.sounding = static_cast<std::uint16_t>(walked.sounding | ClassBit(note));
            next.anySounds = walked.anySounds || fret >= 0;
            current_[s] = note;
            From(s + 1, next);
        }
    }

  private:
    const OptionLists& options_;
    std::uint16_t needed_;
    FormingRules rules_;
    const ScoredStrings& strings_;
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

CompleteCombinations EveryCombination(const OptionLists& o, std::uint16_t needed,
                                      FormingRules rules) {
    // The classes sounded by the strings chosen so far are carried from loop to loop.
    CompleteCombinations out;
    for (const std::int16_t n0 : o[0]) {
        const auto b0 = ClassBit(n0);
        for (const std::int16_t n1 : o[1]) {
            if (Skipped(rules.bRestsAlone, n0, n1)) {
                continue;
            }
            const auto b1 = static_cast<std::uint16_t>(b0 | ClassBit(n1));
            for (const std::int16_t n2 : o[2]) {
                const auto b2 = static_cast<std::uint16_t>(b1 | ClassBit(n2));
                for (const std::int16_t n3 : o[3]) {
                    const auto b3 = static_cast<std::uint16_t>(b2 | ClassBit(n3));
                    for (const std::int16_t n4 : o[4]) {
                        const auto b4 = static_cast<std::uint16_t>(b3 | ClassBit(n4));
                        for (const std::int16_t n5 : o[5]) {
                            Form({n0, n1, n2, n3, n4, n5},
                                 static_cast<std::uint16_t>(b4 | ClassBit(n5)), needed, out);
                        }
                    }
                }
            }
        }
    }
    return out;
}

CompleteCombinations CombinationsWithinReach(const OptionLists& options, std::uint16_t needed,
                                             FormingRules rules, const ScoredStrings& strings) {
    CompleteCombinations out;
    ReachWalk(options, needed, rules, strings, out).From(0, Walked{});
    return out;
}

}  // namespace fretwise

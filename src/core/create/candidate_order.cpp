#include "core/create/candidate_order.hpp"

#include <algorithm>
#include <array>
#include <cstdint>

namespace fretwise {

namespace {

bool EasierFirst(const RankedCandidate& a, const RankedCandidate& b) {
    return a.ease != b.ease ? a.ease > b.ease : a.combination > b.combination;
}

// A shape of the guitarist order with the keys it is ordered by.
struct Entry {
    float total;
    int strings;  // sounding strings
    int fingers;
    std::int32_t combination;
    std::size_t index;  // in the candidates
};

bool HigherFirst(const Entry& a, const Entry& b) {
    if (a.total != b.total) {
        return a.total > b.total;
    }
    if (a.strings != b.strings) {
        return a.strings > b.strings;
    }
    return a.fingers != b.fingers ? a.fingers < b.fingers : a.combination > b.combination;
}

int SoundingStrings(const PerString& frets) {
    return static_cast<int>(std::count_if(frets.begin(), frets.end(),
                                          [](std::int16_t fret) { return fret != kMuted; }));
}

// The place on the neck a shape is played at: the fret where the hand starts, except that every
// shape ringing an open string shares one place, the open position (0), as chord charts show
// one open chord before the forms up the neck.
int PlaceOnTheNeck(const PerString& frets) {
    int lowest = 0;
    for (const std::int16_t fret : frets) {
        if (fret == 0) {
            return 0;
        }
        lowest = fret >= 1 && (lowest == 0 || fret < lowest) ? fret : lowest;
    }
    return lowest;
}

// Each shape, in order of their own scores, loses the Crowded points for every shape before it
// played at the same place.
void CountCrowding(std::vector<RankedCandidate>& candidates, std::vector<Entry>& order) {
    constexpr auto kCrowded = static_cast<std::size_t>(ScoreTerm::Crowded);
    std::array<int, kHighestFret + 1> ahead{};
    for (Entry& entry : order) {
        RankedCandidate& candidate = candidates[entry.index];
        const int count = ahead[static_cast<std::size_t>(PlaceOnTheNeck(candidate.frets))]++;
        candidate.score.counts[kCrowded] = static_cast<std::int16_t>(count);
        candidate.score.total += candidate.score.Points(kCrowded);
        entry.total = candidate.score.total;
    }
}

}  // namespace

void SortEasiestFirst(std::vector<RankedCandidate>& candidates) {
    std::sort(candidates.begin(), candidates.end(), EasierFirst);
}

void SortAsGuitaristsPlay(std::vector<RankedCandidate>& candidates, bool wholeNeck) {
    std::vector<Entry> order;
    order.reserve(candidates.size());
    for (std::size_t k = 0; k < candidates.size(); ++k) {
        const RankedCandidate& c = candidates[k];
        order.push_back({c.score.total, SoundingStrings(c.frets),
                         c.score.counts[static_cast<std::size_t>(ScoreTerm::Fingers)],
                         c.combination, k});
    }
    std::sort(order.begin(), order.end(), HigherFirst);
    if (wholeNeck) {
        CountCrowding(candidates, order);
        std::sort(order.begin(), order.end(), HigherFirst);
    }
    std::vector<RankedCandidate> sorted;
    sorted.reserve(candidates.size());
    for (const Entry& entry : order) {
        sorted.push_back(candidates[entry.index]);
    }
    candidates = std::move(sorted);
}

}  // namespace fretwise

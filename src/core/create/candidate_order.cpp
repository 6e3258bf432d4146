#include "core/create/candidate_order.hpp"

#include <algorithm>

namespace fretwise {

namespace {

bool EasierFirst(const RankedCandidate& a, const RankedCandidate& b) {
    return a.ease != b.ease ? a.ease > b.ease : a.combination > b.combination;
}

// Every string that sounds in part sounds in whole at the same fret, and whole sounds more.
bool IsPartOf(const RankedCandidate& part, const RankedCandidate& whole) {
    bool more = false;
    for (int s = 0; s < kStringCount; ++s) {
        if (part.frets[s] == kMuted) {
            more = more || whole.frets[s] != kMuted;
        } else if (part.frets[s] != whole.frets[s]) {
            return false;
        }
    }
    return more;
}

// Reorders a run of equal scores so that no shape comes before one it is part of, keeping
// the given order wherever the rule leaves a choice: each place takes the first remaining
// shape that is part of no other remaining shape.
void PutWholesBeforeParts(std::vector<RankedCandidate>::iterator first,
                          std::vector<RankedCandidate>::iterator last) {
    const auto size = static_cast<std::size_t>(last - first);
    std::vector<int> wholesLeft(size, 0);
    for (std::size_t i = 0; i < size; ++i) {
        for (std::size_t j = 0; j < size; ++j) {
            wholesLeft[i] += IsPartOf(first[i], first[j]) ? 1 : 0;
        }
    }
    if (std::all_of(wholesLeft.begin(), wholesLeft.end(), [](int n) { return n == 0; })) {
        return;
    }
    std::vector<RankedCandidate> ordered;
    ordered.reserve(size);
    std::vector<bool> placed(size, false);
    while (ordered.size() < size) {
        std::size_t next = 0;
        while (placed[next] || wholesLeft[next] > 0) {
            ++next;
        }
        placed[next] = true;
        ordered.push_back(first[next]);
        for (std::size_t i = 0; i < size; ++i) {
            wholesLeft[i] -= !placed[i] && IsPartOf(first[i], first[next]) ? 1 : 0;
        }
    }
    std::copy(ordered.begin(), ordered.end(), first);
}

}  // namespace

void SortEasiestFirst(std::vector<RankedCandidate>& candidates) {
    std::sort(candidates.begin(), candidates.end(), EasierFirst);
}

void SortAsGuitaristsPlay(std::vector<RankedCandidate>& candidates) {
    std::sort(candidates.begin(), candidates.end(),
              [](const RankedCandidate& a, const RankedCandidate& b) {
                  return a.score.total != b.score.total ? a.score.total > b.score.total
                                                        : EasierFirst(a, b);
              });
    for (auto run = candidates.begin(); run != candidates.end();) {
        const auto end = std::find_if(run, candidates.end(), [&](const RankedCandidate& c) {
            return c.score.total != run->score.total;
        });
        PutWholesBeforeParts(run, end);
        run = end;
    }
}

}  // namespace fretwise

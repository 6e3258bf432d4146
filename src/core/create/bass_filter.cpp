#include "core/create/bass_filter.hpp"

#include <cstddef>

namespace fretwise {

namespace {

// The pitch class of the lowest sounding string; -1 when none sounds.
int BassClass(const Fingering& candidate) {
    for (int s = kStringCount - 1; s >= 0; --s) {
        if (candidate.Note[s] != kNotPlayed) {
            return PitchClass(candidate.Note[s]);
        }
    }
    return -1;
}

}  // namespace

void KeepCandidatesWithBass(SearchResult& result, int pitchClass) {
    std::size_t kept = 0;
    for (std::size_t k = 0; k < result.candidates.size(); ++k) {
        if (BassClass(result.candidates[k]) == pitchClass) {
            result.candidates[kept] = result.candidates[k];
            if (!result.eases.empty()) {
                result.eases[kept] = result.eases[k];
            }
            if (!result.scores.empty()) {
                result.scores[kept] = result.scores[k];
            }
            if (!result.omits.empty()) {
                result.omits[kept] = result.omits[k];
            }
            ++kept;
        }
    }
    result.candidates.resize(kept);
    if (!result.eases.empty()) {
        result.eases.resize(kept);
    }
    if (!result.scores.empty()) {
        result.scores.resize(kept);
    }
    if (!result.omits.empty()) {
        result.omits.resize(kept);
    }
}

std::string NoFingeringWithBass(std::string_view symbol, const SearchRequest& request) {
    const FretWindow frets = SearchedFrets(request);
    return "No fingering of " + std::string(symbol) + " in frets " + std::to_string(frets.first) +
           " to " + std::to_string(frets.last);
}

}  // namespace fretwise

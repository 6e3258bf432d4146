#include "core/create/fingering_search.hpp"

#include <algorithm>
#include <vector>

#include "core/analysis/assign_fingering.hpp"
#include "core/create/candidate_order.hpp"
#include "core/create/combinations.hpp"
#include "core/create/option_lists.hpp"

namespace fretwise {

SearchResult FindFingerings(const SearchRequest& request) {
    SearchResult result;
    const ChordClasses chord = ChordPitchClasses(request.root, request.type);
    const OptionLists options = BuildOptionLists(request, chord);

    std::int64_t count = 1;
    for (const OptionList& list : options) {
        count *= list.size();
    }
    if (count == 0) {
        result.failure = SearchFailure::NoOptions;
        return result;
    }

    const std::uint16_t needed = ChordClassBits(chord);
    const CompleteCombinations complete =
        request.wholeNeck ? CombinationsWithinReach(options, needed, request.strings.OpenPitches())
                          : EveryCombination(options, needed);
    result.combinations = complete.formed;
    if (complete.notes.empty()) {
        result.failure = SearchFailure::NoneComplete;
        return result;
    }

    // One working record serves every combination: its notes and frets are overwritten and
    // the fingering sets everything else from the frets.
    const bool guitarist = request.order == CreateOrder::Guitarist;
    const ScoreContext context{chord.classes[0], needed, request.strings.OpenPitches(),
                               SearchedFrets(request).first, request.bass};
    std::vector<RankedCandidate> kept;
    Fingering working;
    for (std::size_t k = 0; k < complete.notes.size(); ++k) {
        working.Note = complete.notes[k];
        working = AssignFingering(ShapeNotesToFrets(working, request.strings), request.numFrets);
        if (working.Playable) {
            RankedCandidate& candidate = kept.emplace_back();
            candidate.combination = complete.numbers[k];
            candidate.notes = working.Note;
            candidate.ease = working.Ease;
            if (guitarist) {
                candidate.score = ScoreShape(ScoredShapeOf(working, request.strings), context);
                candidate.frets = working.Fret;
            }
        }
    }
    if (kept.empty()) {
        result.failure = SearchFailure::NonePlayable;
        return result;
    }

    if (guitarist) {
        SortAsGuitaristsPlay(kept);
    } else {
        SortEasiestFirst(kept);
    }
    result.candidates.resize(kept.size());
    result.eases.resize(kept.size());
    for (std::size_t i = 0; i < kept.size(); ++i) {
        result.candidates[i].Note = kept[i].notes;
        result.eases[i] = kept[i].ease;
        if (guitarist) {
            result.scores.push_back(kept[i].score);
        }
    }
    return result;
}

FretWindow SearchedFrets(const SearchRequest& request) {
    if (request.wholeNeck) {
        return {1, std::min(kWholeNeckLastFret, request.numFrets)};
    }
    // With more than eight frets shown the window is the eight in view; with fewer, the
    // neck cannot scroll and the last fret shown is left out.
    const int first = std::max(request.position, 0) + 1;
    return {first,
            request.numFrets > kFretsInView ? first + kFretsInView - 1 : request.numFrets - 1};
}

std::string_view CreateFailureMessage(bool allStrings) {
    return allStrings ? "This chord cannot be created on this part\r\n"
                        "of the fretboard using every string."
                      : "This chord cannot be created on\r\n"
                        "this part of the fretboard.";
}

}  // namespace fretwise

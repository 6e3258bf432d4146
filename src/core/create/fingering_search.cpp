#include "core/create/fingering_search.hpp"

#include <algorithm>
#include <vector>

#include "core/analysis/assign_fingering.hpp"
#include "core/create/candidate_order.hpp"
#include "core/create/option_lists.hpp"

namespace fretwise {

namespace {

using Combination = PerString;

std::uint16_t ClassBit(int note) {
    if (note < 0) {
        return 0;
    }
    return static_cast<std::uint16_t>(1u << PitchClass(note));
}

std::uint16_t ClassBits(const ChordClasses& chord) {
    std::uint16_t bits = 0;
    for (const std::int16_t pc : chord) {
        bits |= ClassBit(pc);
    }
    return bits;
}

// Every way of taking one option per string, the low E string varying fastest; the B string
// rests only with the high E string. The combinations that sound every chord class are noted
// as they are formed.
void Enumerate(const OptionLists& o, std::uint16_t needed, std::vector<Combination>& table,
               std::vector<std::int32_t>& complete) {
    for (const std::int16_t n0 : o[0]) {
        for (const std::int16_t n1 : o[1]) {
            if (n1 == kNotPlayed && n0 != kNotPlayed) {
                continue;
            }
            for (const std::int16_t n2 : o[2]) {
                for (const std::int16_t n3 : o[3]) {
                    for (const std::int16_t n4 : o[4]) {
                        for (const std::int16_t n5 : o[5]) {
                            const std::uint16_t sounding = ClassBit(n0) | ClassBit(n1) |
                                                           ClassBit(n2) | ClassBit(n3) |
                                                           ClassBit(n4) | ClassBit(n5);
                            if ((sounding & needed) == needed) {
                                complete.push_back(static_cast<std::int32_t>(table.size()));
                            }
                            table.push_back({n0, n1, n2, n3, n4, n5});
                        }
                    }
                }
            }
        }
    }
}

}  // namespace

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

    std::vector<Combination> table;
    table.reserve(static_cast<std::size_t>(count));
    std::vector<std::int32_t> complete;
    complete.reserve(static_cast<std::size_t>(count));
    Enumerate(options, ClassBits(chord), table, complete);
    result.combinations = static_cast<std::int32_t>(table.size());
    if (complete.empty()) {
        result.failure = SearchFailure::NoneComplete;
        return result;
    }

    // One working record serves every combination: its notes and frets are overwritten and
    // the fingering sets everything else from the frets.
    const bool guitarist = request.order == CreateOrder::Guitarist;
    const ScoreContext context{chord.classes[0], ClassBits(chord), request.strings.OpenPitches(),
                               SearchedFrets(request).first, request.bass};
    std::vector<RankedCandidate> kept;
    Fingering working;
    for (const std::int32_t c : complete) {
        working.Note = table[c];
        working = AssignFingering(ShapeNotesToFrets(working, request.strings), request.numFrets);
        if (working.Playable) {
            RankedCandidate& candidate = kept.emplace_back();
            candidate.combination = c;
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
        result.candidates[i].Note = table[kept[i].combination];
        result.eases[i] = kept[i].ease;
        if (guitarist) {
            result.scores.push_back(kept[i].score);
        }
    }
    return result;
}

FretWindow SearchedFrets(const SearchRequest& request) {
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

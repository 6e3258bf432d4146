#include "core/create/fingering_search.hpp"

#include <algorithm>
#include <vector>

#include "core/analysis/assign_fingering.hpp"
#include "core/create/candidate_order.hpp"
#include "core/create/combinations.hpp"
#include "core/create/option_lists.hpp"

namespace fretwise {

namespace {

constexpr int kClasses = 12;

// Which sets of pitch classes a complete candidate may sound: every class of the chord, or in
// the full vocabulary every class but one of the sets guitarists leave out.
class Completeness {
  public:
    explicit Completeness(const SearchRequest& request, const ChordClasses& chord)
        : rootClass_(PitchClass(request.root + 1)) {
        const std::uint16_t every = ChordClassBits(chord);
        if (request.vocabulary == Vocabulary::Classic) {
            accepted_.sets[accepted_.size++] = every;
            return;
        }
        const ChordType& type = ChordTypeOf(request.type, request.vocabulary);
        for (const NoteBits omits : OmissionSetsOf(type)) {
            accepted_.sets[accepted_.size++] = every & ~Classes(omits);
        }
    }

    // The classes every complete candidate sounds.
    std::uint16_t Needed() const {
        std::uint16_t needed = accepted_.sets[0];
        for (const NoteBits set : accepted_) {
            needed &= set;
        }
        return needed;
    }

    bool Accepts(std::uint16_t sounding) const {
        return std::find(accepted_.begin(), accepted_.end(), sounding) != accepted_.end();
    }

    // The notes of the chord a candidate sounding these classes leaves out.
    NoteBits Omitted(std::uint16_t sounding) const {
        const unsigned missing = accepted_.sets[0] & ~sounding;
        return static_cast<NoteBits>(
            ((missing >> rootClass_) | (missing << (kClasses - rootClass_))) &
            ((1u << kClasses) - 1));
    }

  private:
    // Notes above the root as pitch classes.
    std::uint16_t Classes(NoteBits notes) const {
        const unsigned rotated = (notes << rootClass_) | (notes >> (kClasses - rootClass_));
        return static_cast<std::uint16_t>(rotated & ((1u << kClasses) - 1));
    }

    int rootClass_;
    OmissionSets accepted_;
};

std::uint16_t SoundingClasses(const PerString& notes) {
    std::uint16_t bits = 0;
    for (const std::int16_t note : notes) {
        if (note >= 0) {
            bits |= static_cast<std::uint16_t>(1u << PitchClass(note));
        }
    }
    return bits;
}

}  // namespace

SearchResult FindFingerings(const SearchRequest& request) {
    SearchResult result;
    const ChordClasses chord =
        ChordPitchClasses(request.root, request.type, request.vocabulary, request.addedNote);
    const OptionLists options = BuildOptionLists(request, chord);
    const Completeness completeness(request, chord);
    const bool full = request.vocabulary == Vocabulary::Full;

    std::int64_t count = 1;
    for (const OptionList& list : options) {
        count *= list.size();
    }
    if (count == 0) {
        result.failure = SearchFailure::NoOptions;
        return result;
    }

    // The full vocabulary's chords of up to seven notes never form the combinations no hand
    // can stretch to.
    const std::uint16_t needed = completeness.Needed();
    const CompleteCombinations complete =
        request.wholeNeck || full
            ? CombinationsWithinReach(options, needed, request.strings.OpenPitches())
            : EveryCombination(options, needed);
    result.combinations = complete.formed;
    if (complete.notes.empty()) {
        result.failure = SearchFailure::NoneComplete;
        return result;
    }

    // One working record serves every combination: its notes and frets are overwritten and
    // the fingering sets everything else from the frets.
    const bool guitarist = request.order == CreateOrder::Guitarist;
    const ScoreContext context{chord.classes[0], ChordClassBits(chord),
                               request.strings.OpenPitches(), SearchedFrets(request).first,
                               request.bass};
    std::vector<RankedCandidate> kept;
    Fingering working;
    for (std::size_t k = 0; k < complete.notes.size(); ++k) {
        if (!completeness.Accepts(SoundingClasses(complete.notes[k]))) {
            continue;
        }
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
        if (full) {
            result.omits.push_back(completeness.Omitted(SoundingClasses(kept[i].notes)));
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

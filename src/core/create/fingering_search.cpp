#include "core/create/fingering_search.hpp"

#include <algorithm>
#include <vector>

#include "core/analysis/assign_fingering.hpp"
#include "core/create/candidate_order.hpp"
#include "core/create/combinations.hpp"
#include "core/create/option_lists.hpp"
#include "core/music/chord_types.hpp"

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

// The classic search keeps what the fingering can play, easiest first. One working record
// serves every combination: its notes and frets are overwritten and the fingering sets
// everything else from the frets.
std::vector<RankedCandidate> KeepPlayable(const SearchRequest& request,
                                          const Completeness& completeness,
                                          const CompleteCombinations& complete) {
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
        }
    }
    SortEasiestFirst(kept);
    return kept;
}

// The guitarist order keeps the shapes it offers (OffersShape), which takes in shapes the
// fingering's stricter rules refuse (8 10 10 9 10 8). It ranks by its own score and leaves
// the fingering's ease to EasesOf.
std::vector<RankedCandidate> KeepGuitaristShapes(const SearchRequest& request,
                                                 const Completeness& completeness,
                                                 const CompleteCombinations& complete) {
    const ScoreContext context = GuitaristContext(request);
    const ScoredStrings strings = ScoredStringsOf(request.strings);
    std::vector<RankedCandidate> kept;
    for (std::size_t k = 0; k < complete.notes.size(); ++k) {
        if (!completeness.Accepts(SoundingClasses(complete.notes[k]))) {
            continue;
        }
        const ScoredShape shape = ScoredShapeOf(complete.notes[k], strings);
        if (!OffersShape(shape)) {
            continue;
        }
        RankedCandidate& candidate = kept.emplace_back();
        candidate.combination = complete.numbers[k];
        candidate.notes = shape.notes;
        candidate.score = ScoreShape(shape, context);
        candidate.frets = shape.frets;
    }
    SortAsGuitaristsPlay(kept, request.wholeNeck);
    return kept;
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

    // Guitarists rest the B string under a sounding high E (x 3 2 3 x 2), and only strings
    // their hand keeps silent. The full vocabulary's chords of up to seven notes, like the whole
    // neck, never form the combinations no hand can stretch to.
    const bool guitarist = request.order == CreateOrder::Guitarist;
    const FormingRules rules{guitarist, guitarist};
    const std::uint16_t needed = completeness.Needed();
    const CompleteCombinations complete =
        request.wholeNeck || full
            ? CombinationsWithinReach(options, needed, rules, ScoredStringsOf(request.strings))
            : EveryCombination(options, needed, rules);
    result.combinations = complete.formed;
    if (complete.notes.empty()) {
        result.failure = SearchFailure::NoneComplete;
        return result;
    }

    const std::vector<RankedCandidate> kept =
        guitarist ? KeepGuitaristShapes(request, completeness, complete)
                  : KeepPlayable(request, completeness, complete);
    if (kept.empty()) {
        result.failure = SearchFailure::NonePlayable;
        return result;
    }

    result.candidates.resize(kept.size());
    if (guitarist) {
        result.scores.reserve(kept.size());
    } else {
        result.eases.reserve(kept.size());
    }
    for (std::size_t i = 0; i < kept.size(); ++i) {
        result.candidates[i].Note = kept[i].notes;
        if (guitarist) {
            result.scores.push_back(kept[i].score);
        } else {
            result.eases.push_back(kept[i].ease);
        }
        if (full) {
            result.omits.push_back(completeness.Omitted(SoundingClasses(kept[i].notes)));
        }
    }
    return result;
}

std::vector<float> EasesOf(const SearchResult& result, const SearchRequest& request) {
    if (result.scores.empty()) {
        return result.eases;
    }
    std::vector<float> eases;
    eases.reserve(result.candidates.size());
    for (const Fingering& candidate : result.candidates) {
        eases.push_back(
            AssignFingering(ShapeNotesToFrets(candidate, request.strings), request.numFrets).Ease);
    }
    return eases;
}

float CandidateMerit(const SearchResult& result, std::size_t k) {
    return result.scores.empty() ? result.eases.at(k) : result.scores.at(k).total;
}

float ShapeMerit(const SearchResult& result, std::size_t k) {
    constexpr auto kCrowded = static_cast<std::size_t>(ScoreTerm::Crowded);
    return result.scores.empty() ? result.eases.at(k)
                                 : result.scores.at(k).total - result.scores.at(k).Points(kCrowded);
}

ScoreContext GuitaristContext(const SearchRequest& request) {
    const ChordClasses chord =
        ChordPitchClasses(request.root, request.type, request.vocabulary, request.addedNote);
    const ChordType& type = ChordTypeOf(request.type, request.vocabulary);
    ScoreContext context;
    context.rootClass = chord.classes[0];
    switch (type.kind) {
        case ChordKind::Chord:
            context.third = type.third;
            context.fifth = PitchClass(type.fifth);
            break;
        case ChordKind::Interval:
            context.fifth = PitchClass(type.third);
            break;
        default:
            break;
    }
    context.chordClasses = ChordClassBits(chord);
    context.openNotes = request.strings.OpenPitches();
    context.firstFret = SearchedFrets(request).first;
    context.bass = request.bass;
    context.wholeNeck = request.wholeNeck;
    return context;
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

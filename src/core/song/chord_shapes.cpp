#include "core/song/chord_shapes.hpp"

#include <algorithm>

#include "core/analysis/assign_fingering.hpp"
#include "core/create/bass_filter.hpp"

namespace fretwise {

namespace {

// The classic order's ease runs over a much narrower range than the guitarist score; this
// brings its differences to the same scale, so that moving the hand weighs alike.
constexpr float kEaseToScore = 10.0f;

}  // namespace

std::optional<ChordSymbol> ResolveChordName(std::string_view name, Vocabulary vocabulary) {
    return ReadChordSymbol(name, vocabulary).chord;
}

std::vector<ShapeChoice> ChordShapes(const ChordSymbol& chord, const ShapeSearch& search,
                                     std::size_t limit) {
    // The reader accepts a bass outside the chord only where the vocabulary sounds it.
    const SoundedChord sounded = *ChordSounded(chord, search.vocabulary);
    SearchRequest request;
    request.root = chord.root;
    request.type = sounded.type;
    request.addedNote = sounded.addedNote;
    request.vocabulary = search.vocabulary;
    request.order = search.order;
    request.strings = search.strings;
    request.wholeNeck = true;
    request.bass = chord.bass ? BassChoice::Any : BassChoice::Root;
    SearchResult result = FindFingerings(request);
    if (chord.bass) {
        KeepCandidatesWithBass(result, *chord.bass);
    }
    const std::size_t count = std::min(limit, result.candidates.size());
    std::vector<ShapeChoice> shapes;
    shapes.reserve(count);
    for (std::size_t k = 0; k < count; ++k) {
        const float cost =
            result.scores.empty() ? -kEaseToScore * result.eases[k] : -result.scores[k].total;
        shapes.push_back({GivenShape(ShapeNotesToFrets(result.candidates[k], search.strings).Fret,
                                     search.strings),
                          cost});
    }
    return shapes;
}

Fingering GivenShape(const PerString& frets, const OpenStrings& strings) {
    Fingering shape;
    shape.Fret = frets;
    return AssignFingering(ShapeFretsToNotes(shape, strings), kMaxFrets);
}

Fingering WithFingers(Fingering shape, const PerString& fingers) {
    shape.Finger = fingers;
    shape.BarreFrom = shape.BarreTo = shape.BarreFret = 0;
    // The strings the same finger holds at the same fret as the string s; the barre is the
    // lowest such fret.
    for (int s = 0; s < kStringCount; ++s) {
        const int fret = shape.Fret[s];
        if (fingers[s] < 1 || fret < 1 || (shape.HasBarre() && fret >= shape.BarreFret)) {
            continue;
        }
        int last = s;
        for (int t = s + 1; t < kStringCount; ++t) {
            if (fingers[t] == fingers[s] && shape.Fret[t] == fret) {
                last = t;
            }
        }
        if (last > s) {
            shape.BarreFrom = static_cast<std::int16_t>(s);
            shape.BarreTo = static_cast<std::int16_t>(last);
            shape.BarreFret = static_cast<std::int16_t>(fret);
        }
    }
    return shape;
}

}  // namespace fretwise

#include "core/song/chord_shapes.hpp"

#include <algorithm>

#include "core/analysis/assign_fingering.hpp"
#include "core/create/bass_filter.hpp"

namespace fretwise {

namespace {

// The classic order's ease runs over a much narrower range than the guitarist score; this
// brings its differences to the score's scale, on which the song weighs the rest.
constexpr float kEaseToScore = 10.0f;

// What a song's player weighs besides the order's value of a shape, in points of the
// guitarist score. Chord charts show every place on the neck alike; a song is strummed near
// the nut, on every string the chord lets ring, and a full barre held through it tires the
// hand. Fitted to the shapes the authors of the songs in data/songs chose.
constexpr float kCostPerFretUp = 4.0f;  // per fret the fretted notes lie above the open
                                        // position's second fret, on average
constexpr float kRingingStringValue = 4.0f;
constexpr float kFullBarreCost = 4.0f;
constexpr float kOpenPositionMeanFret = 2.0f;
constexpr int kFullBarreStrings = 5;

float SongCost(float merit, const Fingering& shape) {
    int fretted = 0;
    int fretSum = 0;
    int ringing = 0;
    for (const std::int16_t fret : shape.Fret) {
        ringing += fret >= 0 ? 1 : 0;
        fretted += fret >= 1 ? 1 : 0;
        fretSum += fret >= 1 ? fret : 0;
    }
    const float meanFret =
        fretted == 0 ? 0.0f : static_cast<float>(fretSum) / static_cast<float>(fretted);
    const bool fullBarre =
        shape.HasBarre() && shape.BarreTo - shape.BarreFrom + 1 >= kFullBarreStrings;
    return -merit + kCostPerFretUp * std::max(0.0f, meanFret - kOpenPositionMeanFret) -
           kRingingStringValue * static_cast<float>(ringing) + (fullBarre ? kFullBarreCost : 0.0f);
}

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
    std::vector<ShapeChoice> shapes;
    shapes.reserve(result.candidates.size());
    for (std::size_t k = 0; k < result.candidates.size(); ++k) {
        Fingering shape = GivenShape(ShapeNotesToFrets(result.candidates[k], search.strings).Fret,
                                     search.strings);
        const float merit =
            result.scores.empty() ? kEaseToScore * ShapeMerit(result, k) : ShapeMerit(result, k);
        const float cost = SongCost(merit, shape);
        shapes.push_back({std::move(shape), cost});
    }
    // Of equal costs, the shape the order ranks first.
    std::stable_sort(shapes.begin(), shapes.end(),
                     [](const ShapeChoice& a, const ShapeChoice& b) { return a.cost < b.cost; });
    shapes.resize(std::min(limit, shapes.size()));
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

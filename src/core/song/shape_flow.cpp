#include "core/song/shape_flow.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

namespace fretwise {

namespace {

// The cheapest shapes of a chord the flow chooses among.
constexpr std::size_t kFlowCandidates = 8;
// The hand moves freely within four frets, as in the open position; further it travels at a
// cost per fret. Each finger put down anew costs a little, to settle near ties.
constexpr float kFreeTravel = 4.0f;
constexpr float kCostPerFret = 0.25f;
constexpr float kCostPerFingerPlaced = 0.1f;
// Rounds of improving one chord at a time; the choice settles long before.
constexpr int kMaxRounds = 20;
constexpr int kFingerCount = 4;

// Where the hand is: the mean fret of the fretted strings, 0 for open strings alone.
float HandPosition(const Fingering& shape) {
    int sum = 0;
    int count = 0;
    for (const std::int16_t fret : shape.Fret) {
        if (fret >= 1) {
            sum += fret;
            ++count;
        }
    }
    return count == 0 ? 0.0f : static_cast<float>(sum) / static_cast<float>(count);
}

// Where each finger presses: per finger, the fret on each string it holds (0 where none).
using FingerPlaces = std::array<PerString, kFingerCount>;

FingerPlaces PlacesOf(const Fingering& shape) {
    FingerPlaces places{};
    for (int s = 0; s < kStringCount; ++s) {
        const int finger = shape.Finger[s];
        if (finger >= 1 && finger <= kFingerCount && shape.Fret[s] >= 1) {
            places[finger - 1][s] = shape.Fret[s];
        }
    }
    return places;
}

struct ChordOptions {
    std::vector<Fingering> shapes;
    std::vector<float> costs;
    std::size_t chosen = 0;
};

}  // namespace

float MoveCost(const Fingering& from, const Fingering& to) {
    const FingerPlaces before = PlacesOf(from);
    const FingerPlaces after = PlacesOf(to);
    int placed = 0;
    for (int f = 0; f < kFingerCount; ++f) {
        const bool used = after[f] != PerString{};
        placed += used && after[f] != before[f] ? 1 : 0;
    }
    const float travel = std::abs(HandPosition(to) - HandPosition(from));
    return kCostPerFret * std::max(0.0f, travel - kFreeTravel) +
           kCostPerFingerPlaced * static_cast<float>(placed);
}

SongShapes ChooseShapes(const ArrangedSong& song, const ShapeSearch& search) {
    const std::size_t count = song.chords.size();
    std::vector<ChordOptions> options(count);
    SongShapes result;
    result.shapes.resize(count);
    for (std::size_t k = 0; k < count; ++k) {
        const PlayedChord& chord = song.chords[k];
        if (chord.defined && chord.defined->frets) {
            Fingering shape = GivenShape(*chord.defined->frets, search.strings);
            if (chord.defined->fingers) {
                shape = WithFingers(shape, *chord.defined->fingers);
            }
            options[k].shapes = {shape};
            options[k].costs = {0.0f};
            continue;
        }
        const std::optional<ChordSymbol> symbol =
            ResolveChordName(chord.sounding, search.vocabulary);
        if (!symbol) {
            result.unknown.push_back(chord.shape);
            continue;
        }
        for (const ShapeChoice& choice : ChordShapes(*symbol, search, kFlowCandidates)) {
            options[k].shapes.push_back(choice.shape);
            options[k].costs.push_back(choice.cost);
        }
    }

    // How often each chord is played and each change from one chord to another is made.
    std::vector<int> played(count, 0);
    std::map<std::pair<std::size_t, std::size_t>, int> changes;
    std::optional<std::size_t> previous;
    for (const std::size_t k : song.sequence) {
        if (options[k].shapes.empty()) {
            continue;
        }
        ++played[k];
        if (previous && *previous != k) {
            ++changes[{*previous, k}];
        }
        previous = k;
    }

    // Each chord in turn takes the shape that costs least with the others as they stand,
    // until none changes.
    const auto costOf = [&](std::size_t k, std::size_t candidate) {
        const Fingering& shape = options[k].shapes[candidate];
        float cost = static_cast<float>(played[k]) * options[k].costs[candidate];
        for (const auto& [change, times] : changes) {
            const auto& [from, to] = change;
            if (from == k) {
                cost += static_cast<float>(times) *
                        MoveCost(shape, options[to].shapes[options[to].chosen]);
            } else if (to == k) {
                cost += static_cast<float>(times) *
                        MoveCost(options[from].shapes[options[from].chosen], shape);
            }
        }
        return cost;
    };
    for (int round = 0; round < kMaxRounds; ++round) {
        bool changed = false;
        for (std::size_t k = 0; k < count; ++k) {
            ChordOptions& chord = options[k];
            std::size_t best = chord.chosen;
            float bestCost = chord.shapes.size() > 1 ? costOf(k, best) : 0.0f;
            for (std::size_t c = 0; c < chord.shapes.size() && chord.shapes.size() > 1; ++c) {
                const float cost = costOf(k, c);
                if (cost < bestCost || (cost == bestCost && c < best)) {
                    best = c;
                    bestCost = cost;
                }
            }
            changed = changed || best != chord.chosen;
            chord.chosen = best;
        }
        if (!changed) {
            break;
        }
    }
    for (std::size_t k = 0; k < count; ++k) {
        if (!options[k].shapes.empty()) {
            result.shapes[k] = options[k].shapes[options[k].chosen];
        }
    }
    return result;
}

}  // namespace fretwise

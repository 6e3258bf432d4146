#include "core/song/capo_choice.hpp"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>
#include <string_view>
#include <vector>

namespace fretwise {

namespace {

// The open chords a beginner learns first: a shape that costs no more than the costliest of
// them in standard tuning is easy, and a song of such shapes only is easy, however much less
// some of them cost.
constexpr std::array<std::string_view, 7> kFirstChords = {"G", "C", "D", "Em", "Am", "E", "A"};
// What a barre across four strings or more adds each time it is played: held through a song
// it tires the hand. A first finger across two or three strings is no such strain.
constexpr float kBarreStrain = 3.0f;
constexpr int kStrainingBarreStrings = 4;
// Putting a capo on is a small bother of its own: it must make the song easier than that.
constexpr float kCapoBother = 1.0f;
// What a chord costs each time it is played with a capo under which no shape sounds it: more
// than any shape, so that such a capo never wins.
constexpr float kNoShapeCost = 30.0f;

int BarreStrings(const Fingering& shape) {
    return shape.HasBarre() ? shape.BarreTo - shape.BarreFrom + 1 : 0;
}

// The cost up to which a shape is as easy as the first open chords, with the search's order
// and vocabulary.
float ComfortableCost(const ShapeSearch& search) {
    ShapeSearch standard = search;
    standard.strings = {};
    float comfortable = std::numeric_limits<float>::lowest();
    for (const std::string_view name : kFirstChords) {
        const std::vector<ShapeChoice> best =
            ChordShapes(*ResolveChordName(name, search.vocabulary), standard, 1);
        comfortable = std::max(comfortable, best.front().cost);
    }
    return comfortable;
}

// How hard a shape is to play through a song; 0 for the easiest.
float Difficulty(const ShapeChoice& choice, float comfortable) {
    return std::max(0.0f, choice.cost - comfortable) +
           (BarreStrings(choice.shape) >= kStrainingBarreStrings ? kBarreStrain : 0.0f);
}

}  // namespace

CapoSuggestion SuggestCapo(const SongFile& file, std::size_t song, int transpose,
                           const ShapeSearch& search) {
    CapoSuggestion suggestion;
    // The chords sound the same whatever the capo: read their names once.
    const ArrangedSong sounding = Arrange(file, song, {transpose, 0});
    std::vector<std::optional<ChordSymbol>> chords;
    chords.reserve(sounding.chords.size());
    for (const PlayedChord& chord : sounding.chords) {
        chords.push_back(ResolveChordName(chord.sounding, search.vocabulary));
    }
    const float comfortable = ComfortableCost(search);
    std::vector<int> played(chords.size(), 0);
    for (const std::size_t k : sounding.sequence) {
        ++played[k];
    }
    for (int capo = 0; capo <= kMaxCapo; ++capo) {
        ShapeSearch withCapo = search;
        withCapo.strings.capo = static_cast<std::int16_t>(capo);
        float cost = capo == 0 ? 0.0f : kCapoBother;
        for (std::size_t k = 0; k < chords.size(); ++k) {
            if (!chords[k]) {
                continue;
            }
            const std::vector<ShapeChoice> best = ChordShapes(*chords[k], withCapo, 1);
            cost += static_cast<float>(played[k]) *
                    (best.empty() ? kNoShapeCost : Difficulty(best.front(), comfortable));
        }
        suggestion.costs[static_cast<std::size_t>(capo)] = cost;
        if (cost < suggestion.costs[static_cast<std::size_t>(suggestion.capo)]) {
            suggestion.capo = capo;
        }
    }
    return suggestion;
}

}  // namespace fretwise

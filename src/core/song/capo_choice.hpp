#pragma once

#include <array>
#include <cstddef>

#include "core/music/tuning.hpp"
#include "core/song/arrangement.hpp"
#include "core/song/chord_shapes.hpp"

namespace fretwise {

// What each capo from none to kMaxCapo costs a song, and the cheapest.
struct CapoSuggestion {
    int capo = 0;
    std::array<float, kMaxCapo + 1> costs{};  // lower is easier
};

// Plays the song, moved by the transposition, with each capo: every time a chord is played
// it costs how hard its best shape is, 0 for the shapes as easy as the first open chords, more
// for a barre, which tires the hand through a song; a capo itself costs a little. The
// cheapest capo wins; the lower one on a tie. The search's capo is ignored.
CapoSuggestion SuggestCapo(const SongFile& file, std::size_t song, int transpose,
                           const ShapeSearch& search);

}  // namespace fretwise

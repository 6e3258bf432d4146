#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/music/fingering.hpp"
#include "core/song/arrangement.hpp"
#include "core/song/chord_shapes.hpp"

namespace fretwise {

// The shapes a song is played with: one per chord name, the same every time it comes.
struct SongShapes {
    // One per chord of the arranged song, in its order; nullopt for a chord that no chord
    // type the program knows reads, or that no playable shape sounds.
    std::vector<std::optional<Fingering>> shapes;
    // The names no chord type reads, in order of first appearance.
    std::vector<std::string> unknown;
};

// What moving the hand from one shape to the next costs, on the scale of the shapes' costs:
// the frets the hand travels and the fingers it places anew.
float MoveCost(const Fingering& from, const Fingering& to);

// Chooses the shapes of the whole song so that each is easy and the hand moves little from
// one chord to the next: a shape the song defines stays; every other chord takes one of its
// cheapest shapes, weighing how often it is played and how often each change is made.
SongShapes ChooseShapes(const ArrangedSong& song, const ShapeSearch& search);

}  // namespace fretwise

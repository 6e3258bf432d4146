#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "core/song/arrangement.hpp"
#include "core/song/capo_choice.hpp"
#include "core/song/chord_shapes.hpp"
#include "core/song/shape_flow.hpp"
#include "core/song/song_writer.hpp"

namespace fretwise {

// The capo asked for: the song's own, a fret, or the one that makes the song easiest.
struct CapoWish {
    enum class Kind { Song, Fret, Suggested } kind = Kind::Song;
    int fret = 0;  // for Fret

    static CapoWish Fret(int fret) { return {Kind::Fret, fret}; }
    static CapoWish Suggested() { return {Kind::Suggested, 0}; }
};

// A song made ready to play: moved, with its capo, and a shape for every chord.
struct SongPlan {
    SongSetting setting;  // with the capo chosen
    ArrangedSong arranged;
    SongShapes shapes;
    std::optional<CapoSuggestion> suggestion;  // when the capo was suggested
};

// The search's capo is replaced by the one chosen.
SongPlan PlanSong(const SongFile& file, std::size_t song, int transpose, CapoWish capo,
                  const ShapeSearch& search);

// A {define} for every chord the plan has a shape for, in order of first appearance.
std::vector<ShapeToDefine> DefinesOf(const SongPlan& plan);

}  // namespace fretwise

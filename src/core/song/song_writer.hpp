#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/music/fingering.hpp"
#include "core/song/arrangement.hpp"

namespace fretwise {

// A chord shape to write as a {define}, so other ChordPro programs draw the same shape.
struct ShapeToDefine {
    std::string name;
    PerString frets{};    // program string order, 0 = high E
    PerString fingers{};  // 0 for no finger
};

struct SongRewrite {
    SongSetting setting;
    // Written at the top of the song, except where a line the song keeps defines the name.
    std::vector<ShapeToDefine> defines;
};

// One song of the file written as played with the setting: chords and keys moved, no
// {transpose} left, the capo in force given by {capo}, a {define} per shape. Every line it
// has no reason to change is kept byte for byte.
std::string RewrittenSong(const SongFile& file, std::size_t song, const SongRewrite& rewrite);

}  // namespace fretwise

#pragma once

#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "cli/commands/arg_parser.hpp"
#include "core/song/song.hpp"
#include "core/song/song_plan.hpp"

namespace fretwise::cli {

// What the commands that read a song are asked: the file, which song of it, how to move it,
// the capo, and how shapes are found.
struct SongRequest {
    std::string file;
    int song = 1;  // counted from 1
    int transpose = 0;
    CapoWish capo;
    ShapeSearch search;
};

// FILE, --song, --transpose, --capo N|auto, --tuning, --order and --vocabulary.
void DeclareSongOptions(ArgParser& parser, SongRequest& request);

// A song read and planned as asked.
struct LoadedSong {
    SongFile file;
    std::size_t song = 0;
    SongPlan plan;
};

// Reads the file and plans the song. A file that cannot be read is one line on err,
// "fretwise-cli COMMAND: Error opening file 'FILE': reason", and nullopt; what the file holds
// but the song cannot use is a line "fretwise-cli COMMAND: FILE: line N: ..." each. A song
// number beyond the file's songs is a UsageError.
std::optional<LoadedSong> LoadSong(const SongRequest& request, std::string_view command,
                                   std::ostream& err);

}  // namespace fretwise::cli

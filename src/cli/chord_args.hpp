#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command.hpp"
#include "create/fingering_search.hpp"
#include "music/fingering.hpp"
#include "music/pitch.hpp"

namespace fretwise::cli {

constexpr int kDefaultFrets = 20;
constexpr int kFewestFrets = 5;
constexpr int kMostFrets = 20;

// The arguments of "name" and "create" split into options and the rest.
struct ChordArgs {
    std::vector<std::string> positional;
    std::vector<std::string> options;  // the option arguments as given, values included
    bool json = false;
    bool batch = false;
    bool help = false;
    Accidentals mode = Accidentals::Sharps;
    bool allStrings = false;
    int numFrets = kDefaultFrets;
    int position = 0;
    std::string error;  // the first problem found; empty when there is none
};

enum class ChordCommand { Name, Create };

// Reads the options the command takes; anything else starting with "--" is an error.
// A later option overrides an earlier one.
ChordArgs ParseChordArgs(Args args, ChordCommand command);

// "create": root and type from the positional arguments, with the options; the range of
// the position depends on the number of frets.
std::optional<SearchRequest> SearchFrom(const ChordArgs& args, std::string& error);

// A note name (A, A#, Bb ..., either case) or a root index 0-11.
std::optional<int> ParseRoot(std::string_view text);

// A chord type index 0-37 or a display name in any case; of two types with the same name,
// the chord (the lower index).
std::optional<int> ParseType(std::string_view text);

}  // namespace fretwise::cli

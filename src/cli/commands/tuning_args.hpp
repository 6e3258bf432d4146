#pragma once

#include <iosfwd>
#include <string>

#include "cli/commands/arg_parser.hpp"
#include "core/music/tuning.hpp"

namespace fretwise::cli {

// "--tuning T" (a preset id or six scientific pitches, low string first) and "--capo N";
// a bad value is a fault naming the text.
void DeclareOpenStrings(ArgParser& parser, OpenStrings& strings);

// "--tuning T" alone.
void DeclareTuning(ArgParser& parser, Tuning& tuning);

// ,"tuning":"D2,A2,D3,G3,B3,E4","capo":0 after the keys of an object; nothing in standard
// tuning with no capo.
void AppendJsonOpenStrings(std::string& out, const OpenStrings& strings);

// "Tuning:    D2,A2,D3,G3,B3,E4 (Drop D)" and "Capo:      fret 2" lines; nothing in standard
// tuning with no capo.
void PrintOpenStrings(std::ostream& out, const OpenStrings& strings);

}  // namespace fretwise::cli

#pragma once

#include <span>
#include <string>

#include "cli/commands/arg_parser.hpp"
#include "core/music/vocabulary.hpp"

namespace fretwise::cli {

// "--vocabulary classic|full"; another word is a fault naming it.
void DeclareVocabulary(ArgParser& parser, Vocabulary& vocabulary);

// [0,4,7,10]: semitones above the root, rising from 0.
void AppendJsonIntervals(std::string& out, std::span<const std::int16_t> intervals);

}  // namespace fretwise::cli

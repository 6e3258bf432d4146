#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command.hpp"

namespace fretwise::cli {

// Answers one batch line: given the line's arguments, appends one JSON object (without the
// line end) to out and tells whether the line succeeded.
using BatchLine = std::function<bool(const std::vector<std::string>& args, std::string& out)>;

// Reads standard input line by line, splits each line at blanks and tabs, puts the
// defaults in front of its arguments and writes one JSON line per input line, in order.
// Output is flushed whenever no more input is waiting, so a script can also converse
// with it line by line. Returns kExitOk when every line succeeded, kExitFailure otherwise.
int RunBatch(const std::vector<std::string>& defaults, const BatchLine& answer, Io io);

// Runs a command's batch for "--batch": the command line's options (but --batch and --json)
// apply to every line. The lines come only from standard input, so a positional argument is
// refused: error tells why (naming what the lines hold) and nothing is returned.
std::optional<int> StartBatch(const std::vector<std::string>& positional,
                              const std::vector<std::string>& options, std::string_view lineHolds,
                              const BatchLine& answer, Io io, std::string& error);

}  // namespace fretwise::cli

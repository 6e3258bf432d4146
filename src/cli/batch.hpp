#pragma once

#include <functional>
#include <string>
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

}  // namespace fretwise::cli

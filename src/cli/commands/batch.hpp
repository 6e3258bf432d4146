#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "cli/commands/arg_parser.hpp"
#include "cli/commands/command.hpp"
#include "cli/commands/json_text.hpp"

namespace fretwise::cli {

// Answers one batch line: given the line's words, appends one JSON object (without the line
// end) to out and tells whether the line succeeded.
using BatchLine = std::function<bool(Args words, std::string& out)>;

// Reads standard input line by line, splits each line at blanks and tabs and writes one JSON
// line per input line, in order. Output is flushed whenever no more input is waiting, so a
// script can also converse with it line by line. Returns kExitOk when every line succeeded,
// kExitFailure otherwise.
int RunBatch(const BatchLine& answer, Io io);

// With --batch the lines come only from standard input: a word on the command line is a fault
// that names what the lines hold.
void RefuseWords(Args words, std::string_view linesHold);

// A command's --batch: each line is parsed as the command's arguments on top of the command
// line's request, so the command line's options apply to every line, and answered with one
// JSON object; a fault in a line gives {"error": ...}. Request has a `batch` flag.
template <typename Request>
int RunBatchOf(const Request& commandLine, void (*declare)(ArgParser&, Request&),
               bool (*answer)(const Request&, std::string& out), Io io) {
    ArgParser parser("line", "");
    Request line;
    declare(parser, line);
    return RunBatch(
        [&](Args words, std::string& out) {
            line = commandLine;
            line.batch = false;
            try {
                if (parser.Parse(words) == ArgParser::Outcome::HelpAsked || line.batch) {
                    throw UsageError("--batch and --help cannot be given on a batch line");
                }
                return answer(line, out);
            } catch (const UsageError& fault) {
                out += JsonError(fault.what());
                return false;
            }
        },
        io);
}

}  // namespace fretwise::cli

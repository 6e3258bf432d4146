#pragma once

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli/commands/command.hpp"

namespace fretwise::test {

// What one run of fretwise-cli printed and returned.
struct CliResult {
    int status;
    std::string out, err;
};

// Runs "fretwise-cli ARGS..." in-process over the given commands, with input as standard input.
inline CliResult RunCommandLine(const std::vector<std::string>& args, const std::string& input = "",
                                std::span<const cli::CommandInfo> commands = cli::CoreCommands()) {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = cli::RunCli(commands, args, {in, out, err});
    return {status, out.str(), err.str()};
}

// One JSON value per output line, as --batch prints them.
inline std::vector<nlohmann::json> JsonLines(const std::string& text) {
    std::vector<nlohmann::json> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(nlohmann::json::parse(line));
    }
    return lines;
}

}  // namespace fretwise::test

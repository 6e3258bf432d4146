#pragma once

#include <memory>
#include <span>
#include <vector>

#include "cli/commands/arg_parser.hpp"
#include "cli/commands/command.hpp"
#include "cli/commands/command_outline.hpp"

namespace CLI {
class App;
}

namespace fretwise::cli {

// The whole command line of fretwise-cli as one CLI11 app: every command with its summary,
// arguments, options and explanations. "fretwise-cli --help" shows it; a generator of manual
// pages or shell completion reads Outline().
class CommandLine {
  public:
    explicit CommandLine(std::span<const CommandInfo> commands);
    ~CommandLine();

    const CLI::App& App() const { return *app_; }
    std::string Help() const;
    CommandLineOutline Outline() const;

  private:
    std::vector<std::unique_ptr<Command>> commands_;  // the declarations point into these
    std::unique_ptr<CLI::App> app_;
    std::vector<std::unique_ptr<ArgParser>> parsers_;
};

}  // namespace fretwise::cli

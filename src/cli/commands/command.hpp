#pragma once

#include <iosfwd>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace fretwise::cli {

// Exit statuses shared by every command.
constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;  // the command ran but could not do what was asked
constexpr int kExitUsage = 2;    // bad arguments

// What a command reads and writes; the tests pass string streams.
struct Io {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
};

using Args = std::span<const std::string>;

// A fault in a command's arguments: exit status 2 and the message as the one line after
// "fretwise-cli COMMAND: " (or as the {"error": ...} of a batch line).
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class ArgParser;

// One command of fretwise-cli. Declare puts its arguments and options, with their
// explanations, on a parser; parsing fills the command's request and Run acts on it.
class Command {
  public:
    virtual ~Command() = default;
    virtual void Declare(ArgParser& parser) = 0;
    // Returns the exit status; throws UsageError for a fault only the command itself sees.
    virtual int Run(Io io) = 0;
};

// A command made of what it is asked (Request, filled by parsing) and two functions: one
// declares the arguments that fill a request, the other runs one.
template <typename Request, void (*DeclareRequest)(ArgParser&, Request&),
          int (*RunRequest)(const Request&, Io)>
class CommandOf final : public Command {
  public:
    void Declare(ArgParser& parser) override { DeclareRequest(parser, request_); }
    int Run(Io io) override { return RunRequest(request_, io); }

  private:
    Request request_;
};

template <typename Request, void (*DeclareRequest)(ArgParser&, Request&),
          int (*RunRequest)(const Request&, Io)>
std::unique_ptr<Command> MakeCommand() {
    return std::make_unique<CommandOf<Request, DeclareRequest, RunRequest>>();
}

// An entry of the list of commands.
struct CommandInfo {
    std::string_view name;
    std::string_view summary;  // its line in the list of commands
    std::unique_ptr<Command> (*make)();
};

// The commands that need only the core, in the order --help lists them.
std::span<const CommandInfo> CoreCommands();

// Runs "fretwise-cli ARGS..." (without the program name) over the given commands and
// returns the exit status.
int RunCli(std::span<const CommandInfo> commands, Args args, Io io);

}  // namespace fretwise::cli

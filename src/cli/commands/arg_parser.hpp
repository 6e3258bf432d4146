#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "cli/commands/command.hpp"
#include "cli/commands/command_outline.hpp"

namespace CLI {
class App;
class Option;
}  // namespace CLI

namespace fretwise::cli {

// Declares a command's arguments on a CLI11 app and parses a command line the way every
// command of fretwise-cli does:
// - an option's value is read by the command's own reader, which throws UsageError for text
//   it cannot use (each command keeps its message);
// - the first fault in the order of the arguments is the one reported: a bad value, an
//   unknown option, a word too many, or a missing value at the end;
// - --help (-h) before any fault asks for the help, whatever follows.
// The app keeps every declaration with its explanation, for --help and for anything else
// that walks the command line.
class ArgParser {
  public:
    // Declares on an app of its own, for the command NAME.
    ArgParser(const std::string& name, const std::string& summary);
    // Declares on an app that lives elsewhere, such as a command of the whole command line.
    explicit ArgParser(CLI::App& app);
    ~ArgParser();

    // The longer explanation of the command, shown below the options.
    void Details(const std::string& text);

    // One positional word; a further word is a fault unless Words follows. The offer is what
    // the shell completions offer for it (nothing by default), here and for Words and Value.
    void Word(const std::string& name, std::string& word, const std::string& explanation,
              const Offer& offer = {});
    // Any number of positional words, in the order given.
    void Words(const std::string& name, std::vector<std::string>& words,
               const std::string& explanation, const Offer& offer = {});

    void Flag(const std::string& names, bool& given, const std::string& explanation);

    // An option with one value, "NAMES VALUE"; read takes the text or throws UsageError. An
    // option given last without its value is the fault "NAME needs " + needs.
    void Value(const std::string& names, const std::string& valueName,
               const std::string& explanation, const std::string& needs,
               std::function<void(const std::string& text)> read, const Offer& offer = {});

    // How a word that nothing takes is reported: an undeclared option (see IsOptionWord), or
    // a positional word too many. The default says "unknown option WORD".
    void Stray(std::function<std::string(const std::string& word)> message);

    enum class Outcome { Parsed, HelpAsked };
    // Parses the arguments that follow the command's name; throws UsageError at a fault.
    Outcome Parse(Args args);

    // "Usage: PROGRAM COMMAND ..." and every argument and option with its explanation.
    std::string Help(const std::string& program) const;

    // What the argument declared on the app offers for its value.
    Offer OfferOf(const CLI::Option& option) const;

  private:
    void Setup();
    void ThrowIfStray() const;

    std::unique_ptr<CLI::App> ownApp_;
    CLI::App& app_;
    std::map<std::string, std::string, std::less<>> needs_;  // by each name of an option
    std::function<std::string(const std::string&)> stray_;
    std::map<const CLI::Option*, Offer> offers_;
};

// A word that reads as an option: a dash and a character that is not a digit ("-1" is a
// fret, "-5" a note).
bool IsOptionWord(std::string_view word);

// Gives app the help layout of fretwise-cli; its commands added later inherit it.
void UseHelpLayout(CLI::App& app);

}  // namespace fretwise::cli

#include <gtest/gtest.h>

#include <CLI/CLI.hpp>

#include "cli/commands/command_line.hpp"
#include "support/cli_run.hpp"
#include "support/temp_dir.hpp"

namespace fretwise::test {
namespace {

using namespace cli;

class CommandLineTest : public TempDirTest {
  protected:
    std::string file = (dir / "out").string();
};

// The first fault of a command line, in the order of its arguments, is reported on one line
// with exit status 2; nothing is printed or written.
TEST_F(CommandLineTest, EachFaultGivesItsOneLineAndStatusTwo) {
    const struct {
        std::vector<std::string> args;
        std::string message;
    } faults[] = {
        {{}, ""},  // the list of commands, on stderr
        {{"bogus"}, "fretwise-cli: unknown command 'bogus' (try 'fretwise-cli --help')"},
        {{"version", "extra"}, "fretwise-cli version: takes no arguments"},
        {{"name", "x32010", "--loud"}, "fretwise-cli name: unknown option --loud"},
        {{"name", "x32010", "--all-strings"}, "fretwise-cli name: unknown option --all-strings"},
        {{"name", "x32010", "--frets"}, "fretwise-cli name: --frets needs a number"},
        {{"name", "x32010", "--frets", "ten"}, "fretwise-cli name: --frets: 'ten' is not a number"},
        {{"name", "--frets", "--json", "x32010"},
         "fretwise-cli name: --frets: '--json' is not a number"},
        {{"name", "x32010", "--frets", "4"}, "fretwise-cli name: --frets must be 5 to 20, not 4"},
        {{"name", "--loud", "--frets", "x"}, "fretwise-cli name: unknown option --loud"},
        {{"name", "--frets", "x", "--help"}, "fretwise-cli name: --frets: 'x' is not a number"},
        {{"name", "x32010", "x32010"},
         "fretwise-cli name: unexpected argument 'x32010' after the shape"},
        {{"name", "--batch", "x32010"},
         "fretwise-cli name: --batch reads the shapes from standard input, not 'x32010'"},
        {{"create"},
         "fretwise-cli create: needs a chord symbol, or ROOT and TYPE (e.g. C#m7b5, A Major)"},
        {{"create", "C/F#"},
         "fretwise-cli create: 'C/F#': F# is not a note of C (C, E, G) and no classic chord "
         "type holds them both; the full vocabulary reads it"},
        {{"create", "C7#9", "--vocabulary", "fuller"},
         "fretwise-cli create: --vocabulary must be classic or full, not 'fuller'"},
        {{"create", "H7", "--json"},
         "fretwise-cli create: 'H7': no root note (a symbol starts with A to G, then # or b)"},
        {{"create", "Am", "--position", "13"},
         "fretwise-cli create: --position must be 0 to 12 with 20 frets, not 13"},
        {{"create", "A", "Major", "--position", "13"},
         "fretwise-cli create: --position must be 0 to 12 with 20 frets, not 13"},
        {{"create", "A", "Major", "--frets", "8", "--position", "1"},
         "fretwise-cli create: --position must be 0 to 0 with 8 frets, not 1"},
        {{"create", "A", "Major", "--order", "best"},
         "fretwise-cli create: --order must be classic or guitarist, not 'best'"},
        {{"create", "A", "Major", "--bass", "fifth", "--order", "guitarist"},
         "fretwise-cli create: --bass must be root or any, not 'fifth'"},
        {{"create", "A", "Major", "--bass", "any"},
         "fretwise-cli create: --bass needs --order guitarist"},
        {{"show", "022100", "--root", "H"},
         "fretwise-cli show: unknown root 'H' (a note such as A, C#, Bb, or 0-11)"},
        {{"show", "022100", "--position"}, "fretwise-cli show: --position needs a value"},
        {{"save", "x32010", "-o"}, "fretwise-cli save: -o needs a value"},
        {{"save", "x32010", "-o", file, "--frets", "7.5"},
         "fretwise-cli save: --frets takes a whole number from 5 to 20, not '7.5'"},
        {{"save", "x32010", "--loud", "-o", file}, "fretwise-cli save: unknown option '--loud'"},
        {{"save", "x32010"}, "fretwise-cli save: missing -o FILE"},
        {{"wav", "--note"}, "fretwise-cli wav: --note needs a note number (12 = concert A)"},
        {{"wav", "--note", "nan", "-o", file},
         "fretwise-cli wav: --note needs a number from -100 to 100 (12 = concert A), not 'nan'"},
        {{"wav", "--note", "12", "--strum", "-o", file},
         "fretwise-cli wav: --strum applies to a chord, not to --note"},
        {{"wav", "--note", "12", "x32010", "-o", file},
         "fretwise-cli wav: give either a SHAPE or --note N, not both"},
        {{"wav", "x32010", "-o", ""}, "fretwise-cli wav: -o needs a file name"},
        {{"wav", "x32010", "x", "-o", file}, "fretwise-cli wav: unexpected argument 'x'"},
        {{"open"}, "fretwise-cli open: missing FILE"},
        {{"open", file, "b.fw"}, "fretwise-cli open: one FILE only, not also 'b.fw'"},
        {{"open", file, "--flat"}, "fretwise-cli open: unknown option '--flat'"},
    };
    for (const auto& fault : faults) {
        const CliResult r = RunCommandLine(fault.args);
        EXPECT_EQ(r.status, kExitUsage) << fault.message;
        EXPECT_EQ(r.out, "") << fault.message;
        if (!fault.message.empty()) {
            EXPECT_EQ(r.err, fault.message + '\n');
        }
    }
    EXPECT_EQ(FileCount(), 0u);
}

TEST(CommandLine, ValuesAreReadAsWrittenAndTheLastOneCounts) {
    // Fret 9 is fingered on a fretboard of 10 frets, not on one of 8.
    const std::string tenFrets = RunCommandLine({"name", "x 3 2 0 1 9", "--frets", "10"}).out;
    EXPECT_NE(RunCommandLine({"name", "x 3 2 0 1 9", "--frets", "8"}).out, tenFrets);
    EXPECT_EQ(RunCommandLine({"name", "x 3 2 0 1 9", "--frets", "010"}).out, tenFrets);
    EXPECT_EQ(RunCommandLine({"name", "--frets", "8", "x 3 2 0 1 9", "--frets", "10"}).out,
              tenFrets);
    EXPECT_EQ(RunCommandLine({"name", "--frets=10", "x 3 2 0 1 9"}).out, tenFrets);
}

// --help comes from the declarations: every argument and option with its explanation, and
// before any fault it wins.
TEST(CommandLine, HelpListsEveryArgumentWithItsExplanation) {
    const CommandLine commandLine(CoreCommands());
    const std::string list = RunCommandLine({"--help"}).out;
    for (const CLI::App* command : commandLine.App().get_subcommands({})) {
        EXPECT_NE(list.find(command->get_description()), std::string::npos);
        const CliResult help = RunCommandLine({command->get_name(), "--help", "--bogus"});
        EXPECT_EQ(help.status, kExitOk) << command->get_name();
        EXPECT_EQ(help.out.rfind("Usage: fretwise-cli " + command->get_name(), 0), 0u);
        for (const CLI::Option* option : command->get_options()) {
            const std::string explanation = option->get_description();
            EXPECT_FALSE(explanation.empty()) << option->get_name();
            EXPECT_NE(help.out.find(explanation.substr(0, explanation.find('\n'))),
                      std::string::npos)
                << option->get_name();
        }
    }
}

}  // namespace
}  // namespace fretwise::test

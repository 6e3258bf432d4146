// fretwise-docs OUTDIR: writes the manual pages fretwise.1 and fretwise-cli.1 and the
// completions of fretwise-cli for bash (fretwise-cli.bash) and zsh (_fretwise-cli) into
// OUTDIR, from the command line of fretwise-cli. Run by the build.
#include <iostream>
#include <vector>

#include "cli/commands/command_line.hpp"
#include "cli/docs/completion.hpp"
#include "cli/docs/manual_pages.hpp"
#include "core/storage/atomic_file.hpp"
#include "fretwise/version.hpp"
#ifdef FRETWISE_CLI_QT
#include "cli/qt/qt_commands.hpp"
#endif

int main(int argc, char** argv) {
    using namespace fretwise;
    using namespace fretwise::cli;
    if (argc != 2) {
        std::cerr << "usage: fretwise-docs OUTDIR\n";
        return kExitUsage;
    }
    std::vector<CommandInfo> commands(CoreCommands().begin(), CoreCommands().end());
#ifdef FRETWISE_CLI_QT
    commands.insert(commands.end(), QtCommands().begin(), QtCommands().end());
#endif
    const CommandLineOutline outline = CommandLine(commands).Outline();
    const std::filesystem::path out = argv[1];
    const bool written =
        WriteFileAtomically(out / "fretwise.1", WindowManualPage(kVersion)) &&
        WriteFileAtomically(out / "fretwise-cli.1", CliManualPage(outline, kVersion)) &&
        WriteFileAtomically(out / "fretwise-cli.bash", BashCompletion(outline)) &&
        WriteFileAtomically(out / "_fretwise-cli", ZshCompletion(outline));
    if (!written) {
        std::cerr << "fretwise-docs: cannot write into " << out << '\n';
        return kExitFailure;
    }
    return kExitOk;
}

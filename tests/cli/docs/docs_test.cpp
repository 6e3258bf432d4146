#include <gtest/gtest.h>

#include "cli/commands/arg_parser.hpp"
#include "cli/commands/command_line.hpp"
#include "cli/docs/completion.hpp"
#include "cli/docs/completion_values.hpp"
#include "cli/docs/manual_pages.hpp"

namespace fretwise::test {
namespace {

using namespace cli;

// A command as another part of the program might add it: its words must reach the manual
// page and the completions without any change to them.
struct TuneRequest {
    std::string root, file;
    std::vector<std::string> type;
    bool leftHanded = false;
};

void DeclareTune(ArgParser& parser, TuneRequest& request) {
    parser.Details("Tunes.\n\n.starts a line\\with a backslash");
    parser.Word("ROOT", request.root, "the root");
    parser.Words("TYPE", request.type, "the type");
    parser.Flag("--left-handed", request.leftHanded, "mirror the -fretboard");
    parser.Value("-o,--output", "FILE", "the file", "a file", [](const std::string&) {});
    parser.Value("--capo", "N", "the capo's fret", "a number", [](const std::string&) {});
    parser.Value("--tuning-root", "NAME", "a root", "a note", [](const std::string&) {});
}

int RunTune(const TuneRequest&, Io) {
    return kExitOk;
}

std::vector<CommandInfo> Commands() {
    std::vector<CommandInfo> commands(CoreCommands().begin(), CoreCommands().end());
    commands.push_back({"tune", "tune the guitar", MakeCommand<TuneRequest, DeclareTune, RunTune>});
    return commands;
}

const CommandLineOutline& Outline() {
    static const CommandLineOutline outline = CommandLine(Commands()).Outline();
    return outline;
}

std::string Roffed(std::string text) {
    for (std::size_t at = text.find('-'); at != std::string::npos; at = text.find('-', at + 2)) {
        text.replace(at, 1, "\\-");
    }
    return text;
}

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(DocsTest, EveryCommandArgumentAndOptionIsInThePageAndBothCompletions) {
    const std::string page = CliManualPage(Outline(), "1.1");
    const std::string bash = BashCompletion(Outline());
    const std::string zsh = ZshCompletion(Outline());
    ASSERT_EQ(Outline().commands.size(), CoreCommands().size() + 1);
    for (const CommandOutline& command : Outline().commands) {
        EXPECT_TRUE(Has(page, ".SS " + Roffed(command.name) + "\n")) << command.name;
        EXPECT_TRUE(Has(bash, "    " + command.name + ")\n")) << command.name;
        EXPECT_TRUE(Has(zsh, "'" + command.name + ":")) << command.name;
        for (const ArgumentOutline& argument : command.arguments) {
            const std::string first =
                argument.explanation.substr(0, argument.explanation.find('\n'));
            EXPECT_TRUE(Has(page, Roffed(first))) << command.name << ' ' << first;
            for (const std::string& name : argument.names) {
                const std::string tag = argument.positional ? "\\fI" : "\\fB";
                EXPECT_TRUE(Has(page, tag + Roffed(name) + "\\fR")) << command.name << ' ' << name;
                EXPECT_TRUE(argument.positional || Has(bash, name)) << command.name << ' ' << name;
                EXPECT_TRUE(Has(zsh, name)) << command.name << ' ' << name;
            }
        }
    }
}

TEST(DocsTest, ValuesCompleteAsRootsTypeWordsOrTheCommandsFiles) {
    const auto argument = [](std::vector<std::string> names, std::string value, bool positional) {
        return ArgumentOutline{std::move(names), std::move(value), "", positional, false};
    };
    const struct {
        std::string command;
        ArgumentOutline argument;
        ValueKind kind;
        std::string extension;
    } cases[] = {
        {"create", argument({"SYMBOL|ROOT"}, "", true), ValueKind::Root, ""},
        {"show", argument({"--root"}, "NAME", false), ValueKind::Root, ""},
        {"create", argument({"TYPE"}, "", true), ValueKind::TypeWord, ""},
        {"open", argument({"FILE"}, "", true), ValueKind::File, "fw"},
        {"save", argument({"-o", "--output"}, "FILE", false), ValueKind::File, "fw"},
        {"wav", argument({"-o", "--output"}, "FILE", false), ValueKind::File, "wav"},
        {"diagram", argument({"-o"}, "FILE", false), ValueKind::File, ""},
        {"name", argument({"SHAPE"}, "", true), ValueKind::Nothing, ""},
        {"name", argument({"--frets"}, "N", false), ValueKind::Nothing, ""},
        {"show", argument({"--root-first"}, "", false), ValueKind::Nothing, ""},  // a flag
    };
    for (const auto& [command, arg, kind, extension] : cases) {
        const ValueCompletion value = CompletionOf(command, arg);
        EXPECT_EQ(value.kind, kind) << command << ' ' << arg.names.back();
        EXPECT_EQ(value.extension, extension) << command << ' ' << arg.names.back();
    }
}

TEST(DocsTest, RootsAndTypeWordsComeOnceEachFromTheCatalogue) {
    const std::vector<std::string> roots = RootNames();
    EXPECT_EQ(roots.size(), 17u);  // twelve notes, five of them also with a flat
    EXPECT_EQ(roots.front(), "A");
    EXPECT_NE(std::find(roots.begin(), roots.end(), "Bb"), roots.end());
    const std::vector<std::string> words = TypeWords();
    for (const char* word : {"Major", "Seventh", "(Flattened", "Fifth)", "Octave", "Perfect"}) {
        EXPECT_EQ(std::count(words.begin(), words.end(), word), 1) << word;
    }
}

// roff would take a line starting with a dot for a request, and a backslash for an escape.
TEST(DocsTest, ThePageEscapesWhatRoffWouldRead) {
    const std::string page = CliManualPage(Outline(), "1.1");
    EXPECT_TRUE(Has(page, "Tunes.\n.PP\n\\&.starts a line\\ewith a backslash\n"));
    EXPECT_TRUE(Has(page, "mirror the \\-fretboard"));
    EXPECT_TRUE(Has(page, "\\fB\\-o\\fR, \\fB\\-\\-output\\fR \\fIFILE\\fR"));
    EXPECT_TRUE(Has(page, ".TH FRETWISE\\-CLI 1 \"\" \"Fretwise 1.1\""));
    for (const char* status : {"0", "1", "2"}) {
        EXPECT_TRUE(Has(page, std::string(".TP\n\\fB") + status + "\\fR\n")) << status;
    }
}

TEST(DocsTest, BothPagesListTheFilesOfBothPrograms) {
    for (const std::string& page : {CliManualPage(Outline(), "1.1"), WindowManualPage("1.1")}) {
        for (const char* file : {"Settings.ini", "chord0.wav", "\\fB\\&.fw\\fR",
                                 "\\fIPREFIX\\fR\\fB/share/fretwise\\fR",
                                 "applications/fretwise.desktop", "mime/packages/fretwise.xml"}) {
            EXPECT_TRUE(Has(page, file)) << file;
        }
    }
}

}  // namespace
}  // namespace fretwise::test

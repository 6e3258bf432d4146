#include <gtest/gtest.h>

#include <algorithm>

#include "core/music/tuning.hpp"

#include "cli/commands/arg_parser.hpp"
#include "cli/commands/command_line.hpp"
#include "cli/commands/offers.hpp"
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
    parser.Word("ROOT", request.root, "the root", RootOffer());
    parser.Words("TYPE", request.type, "the type", WordsOffer("moods", {"calm", "(wild)"}));
    parser.Flag("--left-handed", request.leftHanded, "mirror the -fretboard");
    parser.Value("-o,--output", "FILE", "the file", "a file", [](const std::string&) {});
    parser.Value(
        "--capo", "N", "the capo's fret", "a number", [](const std::string&) {}, CapoOffer());
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

// What a value completes to is what its argument declares; the names say nothing.
TEST(DocsTest, ValuesCompleteAsTheirArgumentsDeclare) {
    const auto offer = [](const std::string& command, const std::string& name) {
        for (const CommandOutline& c : Outline().commands) {
            for (const ArgumentOutline& argument : c.arguments) {
                if (c.name == command && argument.names.back() == name) {
                    return argument.offer;
                }
            }
        }
        ADD_FAILURE() << command << ' ' << name;
        return Offer{};
    };
    using Kind = Offer::Kind;
    const struct {
        std::string command, name;
        Kind kind;
        std::string list;
        std::vector<std::string> words;
    } cases[] = {
        {"create", "SYMBOL|ROOT", Kind::Words, "roots", RootOffer().words},
        {"show", "--root", Kind::Words, "roots", RootOffer().words},
        {"create", "TYPE", Kind::Words, "types", TypeWordOffer().words},
        {"create", "--order", Kind::Words, "orders", {"classic", "guitarist"}},
        {"create", "--bass", Kind::Words, "basses", {"root", "any"}},
        {"name", "--tuning", Kind::Words, "tunings", TuningOffer().words},
        {"wav", "--capo", Kind::Words, "capos", {"0", "1", "2", "3", "4", "5", "6", "7"}},
        {"open", "FILE", Kind::Files, "", {"fw"}},
        {"save", "--output", Kind::Files, "", {"fw"}},
        {"wav", "--output", Kind::Files, "", {"wav"}},
        {"pitch", "FILE", Kind::Files, "", {"wav"}},
        {"tune", "TYPE", Kind::Words, "moods", {"calm", "(wild)"}},
        {"tune", "--output", Kind::Nothing, "", {}},
        {"tune", "--tuning-root", Kind::Nothing, "", {}},
        {"name", "SHAPE", Kind::Nothing, "", {}},
        {"name", "--frets", Kind::Nothing, "", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(offer(c.command, c.name), (Offer{c.kind, c.list, c.words}))
            << c.command << ' ' << c.name;
    }
    EXPECT_EQ(TuningOffer().words.front(), "standard");
    EXPECT_EQ(TuningOffer().words.size(), TuningPresets().size());
}

TEST(DocsTest, RootsTypeWordsAndEveryListComeOnceEach) {
    const std::vector<std::string> roots = RootOffer().words;
    EXPECT_EQ(roots.size(), 17u);  // twelve notes, five of them also with a flat
    EXPECT_EQ(roots.front(), "A");
    EXPECT_NE(std::find(roots.begin(), roots.end(), "Bb"), roots.end());
    const std::vector<std::string> words = TypeWordOffer().words;
    for (const char* word : {"Major", "Seventh", "(Flattened", "Fifth)", "Octave", "Perfect"}) {
        EXPECT_EQ(std::count(words.begin(), words.end(), word), 1) << word;
    }
    const std::vector<Offer> lists = WordLists(Outline());
    for (const char* list : {"roots", "types", "tunings", "capos", "orders", "moods"}) {
        EXPECT_EQ(std::count_if(lists.begin(), lists.end(),
                                [&](const Offer& offer) { return offer.list == list; }),
                  1)
            << list;
        EXPECT_TRUE(Has(BashCompletion(Outline()), std::string("_fretwise_cli_") + list + "='"));
        EXPECT_TRUE(Has(ZshCompletion(Outline()), std::string("\n") + list + "=("));
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

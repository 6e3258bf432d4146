#include "cli/commands/command_line.hpp"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <ostream>

namespace fretwise::cli {

namespace {

constexpr char kProgram[] = "fretwise-cli";

int RunCommand(const CommandInfo& info, Args args, Io io) {
    ArgParser parser(std::string(info.name), std::string(info.summary));
    const std::unique_ptr<Command> command = info.make();
    command->Declare(parser);
    try {
        if (parser.Parse(args) == ArgParser::Outcome::HelpAsked) {
            io.out << parser.Help(kProgram);
            return kExitOk;
        }
        return command->Run(io);
    } catch (const UsageError& fault) {
        io.err << kProgram << ' ' << info.name << ": " << fault.what() << '\n';
        return kExitUsage;
    }
}

ArgumentOutline OutlineOf(const CLI::Option& option) {
    ArgumentOutline argument;
    argument.positional = option.get_positional();
    argument.explanation = option.get_description();
    if (argument.positional) {
        argument.names = {option.get_name()};
        argument.repeats = option.get_items_expected_max() > 1;
        return argument;
    }
    for (const std::string& name : option.get_snames()) {
        argument.names.push_back('-' + name);
    }
    for (const std::string& name : option.get_lnames()) {
        argument.names.push_back("--" + name);
    }
    if (option.get_type_size_max() > 0) {
        argument.valueName = option.get_type_name();
    }
    return argument;
}

}  // namespace

CommandLine::CommandLine(std::span<const CommandInfo> commands)
    : app_(std::make_unique<CLI::App>(
          "Names, fingers and creates guitar chords from the command line.", kProgram)) {
    UseHelpLayout(*app_);
    app_->set_help_flag("-h,--help", "print this help and exit");
    app_->require_subcommand(1);
    app_->footer("Run 'fretwise-cli COMMAND --help' for the options of a command.");
    for (const CommandInfo& info : commands) {
        CLI::App* app = app_->add_subcommand(std::string(info.name), std::string(info.summary));
        app->group("Commands");
        parsers_.push_back(std::make_unique<ArgParser>(*app));
        commands_.push_back(info.make());
        commands_.back()->Declare(*parsers_.back());
    }
}

CommandLine::~CommandLine() = default;

std::string CommandLine::Help() const {
    return app_->help();
}

CommandLineOutline CommandLine::Outline() const {
    CommandLineOutline outline{kProgram, app_->get_description(), app_->get_footer(), {}};
    for (const CLI::App* app : app_->get_subcommands({})) {
        // A command without details of its own shows the whole command line's footer.
        const std::string details = app->get_footer() == outline.footer ? "" : app->get_footer();
        CommandOutline command{app->get_name(), app->get_description(), details, {}};
        const ArgParser& parser = *parsers_[outline.commands.size()];
        for (const bool positional : {true, false}) {
            for (const CLI::Option* option : app->get_options()) {
                if (option->get_positional() == positional) {
                    command.arguments.push_back(OutlineOf(*option));
                    command.arguments.back().offer = parser.OfferOf(*option);
                }
            }
        }
        outline.commands.push_back(std::move(command));
    }
    return outline;
}

int RunCli(std::span<const CommandInfo> commands, Args args, Io io) {
    if (args.empty()) {
        io.err << CommandLine(commands).Help();
        return kExitUsage;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        io.out << CommandLine(commands).Help();
        return kExitOk;
    }
    const auto command = std::find_if(commands.begin(), commands.end(),
                                      [&](const CommandInfo& c) { return args[0] == c.name; });
    if (command == commands.end()) {
        io.err << kProgram << ": unknown command '" << args[0] << "' (try 'fretwise-cli --help')\n";
        return kExitUsage;
    }
    return RunCommand(*command, args.subspan(1), io);
}

}  // namespace fretwise::cli

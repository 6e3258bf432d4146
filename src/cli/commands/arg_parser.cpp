#include "cli/commands/arg_parser.hpp"

#include <CLI/CLI.hpp>
#include <cctype>

namespace fretwise::cli {

namespace {

// Thrown by the help option to end the parse there.
struct HelpRequest {};

class HelpLayout final : public CLI::Formatter {
  public:
    HelpLayout() {
        label("Positionals", "Arguments");
        label("SUBCOMMAND", "COMMAND");
        column_width(20);
    }

    // The usage line first, as command-line tools write it, then what the command is for.
    std::string make_help(const CLI::App* app, std::string name,
                          CLI::AppFormatMode mode) const override {
        if (mode == CLI::AppFormatMode::Sub) {
            return make_expanded(app);
        }
        const std::string footer = make_footer(app);
        return make_usage(app, std::move(name)) + make_description(app) + make_positionals(app) +
               make_groups(app, mode) + make_subcommands(app, mode) +
               (footer.empty() ? "" : '\n' + footer);
    }

    // A positional argument by its name alone: its explanation says how many words it takes.
    std::string make_option_usage(const CLI::Option* option) const override {
        return option->get_name(true, false);
    }
    std::string make_option_opts(const CLI::Option* option) const override {
        return option->get_positional() ? std::string() : CLI::Formatter::make_option_opts(option);
    }
};

}  // namespace

bool IsOptionWord(std::string_view word) {
    return word.size() > 1 && word[0] == '-' && !std::isdigit(static_cast<unsigned char>(word[1]));
}

void UseHelpLayout(CLI::App& app) {
    app.formatter(std::make_shared<HelpLayout>());
}

ArgParser::ArgParser(const std::string& name, const std::string& summary)
    : ownApp_(std::make_unique<CLI::App>(summary, name)), app_(*ownApp_) {
    Setup();
}

ArgParser::ArgParser(CLI::App& app) : app_(app) {
    Setup();
}

ArgParser::~ArgParser() = default;

void ArgParser::Setup() {
    stray_ = [](const std::string& word) {
        return IsOptionWord(word) ? "unknown option " + word : "unexpected argument '" + word + "'";
    };
    UseHelpLayout(app_);
    // Words no declaration takes are kept in order, for ThrowIfStray to report the first.
    app_.allow_extras();
    app_.set_help_flag();
    app_.add_flag_callback(
            "-h,--help",
            [this] {
                ThrowIfStray();
                throw HelpRequest{};
            },
            "print this help and exit")
        ->trigger_on_parse();
}

void ArgParser::Details(const std::string& text) {
    app_.footer(text);
}

void ArgParser::Word(const std::string& name, std::string& word, const std::string& explanation,
                     const Offer& offer) {
    offers_[app_.add_option(name, word, explanation)] = offer;
}

void ArgParser::Words(const std::string& name, std::vector<std::string>& words,
                      const std::string& explanation, const Offer& offer) {
    offers_[app_.add_option(name, words, explanation)] = offer;
}

Offer ArgParser::OfferOf(const CLI::Option& option) const {
    const auto offer = offers_.find(&option);
    return offer == offers_.end() ? Offer{} : offer->second;
}

void ArgParser::Flag(const std::string& names, bool& given, const std::string& explanation) {
    app_.add_flag_callback(
        names, [&given] { given = true; }, explanation);
}

void ArgParser::Value(const std::string& names, const std::string& valueName,
                      const std::string& explanation, const std::string& needs,
                      std::function<void(const std::string& text)> read, const Offer& offer) {
    // Read as it is met, so that faults come out in the order of the arguments. The value is
    // read by the command, not by CLI11, whose numbers follow C (010 would be eight).
    CLI::Option* option = app_.add_option_function<std::string>(
        names,
        [this, read = std::move(read)](const std::string& text) {
            ThrowIfStray();
            read(text);
        },
        explanation);
    option->type_name(valueName)->trigger_on_parse();
    offers_[option] = offer;
    for (const std::string& name : option->get_lnames()) {
        needs_["--" + name] = needs;
    }
    for (const std::string& name : option->get_snames()) {
        needs_["-" + name] = needs;
    }
}

void ArgParser::Stray(std::function<std::string(const std::string& word)> message) {
    stray_ = std::move(message);
}

ArgParser::Outcome ArgParser::Parse(Args args) {
    std::vector<std::string> reversed(args.rbegin(), args.rend());  // CLI11 takes from the back
    try {
        app_.parse(reversed);
    } catch (const HelpRequest&) {
        return Outcome::HelpAsked;
    } catch (const CLI::ArgumentMismatch& mismatch) {
        ThrowIfStray();
        // An option takes the next argument whatever it is, so only the last can lack it.
        const std::string name = args.back().substr(0, args.back().find('='));
        const auto needs = needs_.find(name);
        if (needs == needs_.end()) {
            throw UsageError(mismatch.what());
        }
        throw UsageError(name + " needs " + needs->second);
    } catch (const CLI::ParseError& fault) {
        ThrowIfStray();
        throw UsageError(fault.what());
    }
    ThrowIfStray();
    return Outcome::Parsed;
}

std::string ArgParser::Help(const std::string& program) const {
    return app_.help(program);
}

void ArgParser::ThrowIfStray() const {
    const std::vector<std::string> stray = app_.remaining();
    if (!stray.empty()) {
        throw UsageError(stray_(stray.front()));
    }
}

}  // namespace fretwise::cli

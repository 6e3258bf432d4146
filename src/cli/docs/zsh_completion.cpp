#include <sstream>

#include "cli/docs/completion.hpp"
#include "cli/docs/completion_values.hpp"

namespace fretwise::cli {

namespace {

// Text inside a single-quoted zsh word.
std::string InQuotes(const std::string& text) {
    std::string out;
    for (char c : text) {
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return out;
}

// An explanation inside the brackets of one of _arguments' option descriptions.
std::string Bracketed(const std::string& text) {
    std::string out;
    for (char c : OneLine(text)) {
        if (c == '[' || c == ']' || c == ':' || c == '\\') {
            out += '\\';
        }
        out += c;
    }
    return InQuotes(out);
}

// The action of _arguments that offers a value.
std::string Action(const Offer& offer) {
    switch (offer.kind) {
        case Offer::Kind::Words:
            return "compadd -a " + offer.list;
        case Offer::Kind::Files: {
            if (offer.words.empty()) {
                return "_files";
            }
            std::string pattern;
            for (const std::string& extension : offer.words) {
                pattern += (pattern.empty() ? "" : "|") + extension;
            }
            return "_files -g \"*." + (offer.words.size() > 1 ? "(" + pattern + ")" : pattern) +
                   "\"";
        }
        case Offer::Kind::Nothing:
            break;
    }
    return " ";
}

std::string Words(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& word : words) {
        text += (text.empty() ? "'" : " '") + InQuotes(word) + "'";
    }
    return text;
}

void WriteCommand(std::ostream& out, const CommandOutline& command) {
    out << "    " << command.name << ")\n        specs=(\n";
    int position = 0;
    for (const ArgumentOutline& argument : command.arguments) {
        const std::string action = Action(argument.offer);
        out << "            ";
        if (argument.positional) {
            const std::string where =
                argument.repeats ? std::string("*") : std::to_string(++position);
            out << "'" << where << ":" << InQuotes(argument.names.front()) << ":" << action
                << "'\n";
            continue;
        }
        std::string names;
        for (const std::string& name : argument.names) {
            names += (names.empty() ? "" : " ") + name;
        }
        const std::string exclusion = argument.names.size() > 1 ? "(" + names + ")" : "";
        for (std::size_t k = 0; k < argument.names.size(); ++k) {
            out << (k > 0 ? " '" : "'") << exclusion << argument.names[k] << "["
                << Bracketed(argument.explanation) << "]";
            if (!argument.valueName.empty()) {
                out << ":" << InQuotes(argument.valueName) << ":" << action;
            }
            out << "'";
        }
        out << "\n";
    }
    out << "        ) ;;\n";
}

}  // namespace

std::string ZshCompletion(const CommandLineOutline& outline) {
    std::ostringstream out;
    out << "#compdef " << outline.program << "\n";
    out << "# zsh completion for " << outline.program
        << ", generated from its command line by fretwise-docs\n\n";
    const std::vector<Offer> lists = WordLists(outline);
    out << "local -a commands specs";
    for (const Offer& list : lists) {
        out << " " << list.list;
    }
    out << "\n";
    out << "commands=(\n";
    for (const CommandOutline& command : outline.commands) {
        out << "    '" << command.name << ":" << InQuotes(OneLine(command.summary)) << "'\n";
    }
    out << ")\n";
    for (const Offer& list : lists) {
        out << list.list << "=(" << Words(list.words) << ")\n";
    }
    out << "\n";
    out << "if (( CURRENT == 2 )); then\n"
           "    _describe -t commands command commands\n"
           "    return\n"
           "fi\n"
           "case $words[2] in\n";
    for (const CommandOutline& command : outline.commands) {
        WriteCommand(out, command);
    }
    out << "    *) return 1 ;;\n"
           "esac\n"
           "# The command's own words, as if it were a program of its own.\n"
           "shift words\n"
           "(( CURRENT-- ))\n"
           "_arguments -S $specs\n";
    return out.str();
}

}  // namespace fretwise::cli

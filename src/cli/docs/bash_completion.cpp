#include <sstream>

#include "cli/docs/completion.hpp"
#include "cli/docs/completion_values.hpp"

namespace fretwise::cli {

namespace {

// The words of a completion list in one single-quoted shell word.
std::string Joined(const std::vector<std::string>& words, const std::string& separator) {
    std::string text;
    for (const std::string& word : words) {
        text += (text.empty() ? "" : separator) + word;
    }
    return text;
}

std::string Quoted(const std::vector<std::string>& words) {
    return "'" + Joined(words, " ") + "'";
}

// "words:LIST", "file:EXTENSION,EXTENSION", "file" or "none".
std::string KindWord(const Offer& offer) {
    switch (offer.kind) {
        case Offer::Kind::Words:
            return "words:" + offer.list;
        case Offer::Kind::Files:
            return offer.words.empty() ? "file" : "file:" + Joined(offer.words, ",");
        case Offer::Kind::Nothing:
            break;
    }
    return "none";
}

// Lists the candidates for one kind of value; words are quoted for the shell ("\(Flattened")
// and file names keep their directory part.
constexpr char kHelpers[] = R"(_fretwise_cli_offer() {
    local cur=${COMP_WORDS[COMP_CWORD]} i list extensions extension
    case $1 in
    words:*)
        list=_fretwise_cli_${1#words:}
        COMPREPLY=($(compgen -W "${!list}" -- "${cur//\\/}"))
        for i in "${!COMPREPLY[@]}"; do printf -v 'COMPREPLY[i]' %q "${COMPREPLY[i]}"; done
        ;;
    file:*)
        compopt -o filenames 2>/dev/null
        COMPREPLY=($(compgen -d -- "$cur"))
        extensions=${1#file:}
        for extension in ${extensions//,/ }; do
            COMPREPLY+=($(compgen -f -X "!*.$extension" -- "$cur"))
        done
        ;;
    file)
        compopt -o filenames 2>/dev/null
        COMPREPLY=($(compgen -f -- "$cur"))
        ;;
    esac
}
)";

void WriteCommand(std::ostream& out, const CommandOutline& command) {
    std::vector<std::string> options;
    std::vector<std::string> valueOptions;
    std::vector<std::string> positionals;
    std::ostringstream values;
    for (const ArgumentOutline& argument : command.arguments) {
        const std::string kind = KindWord(argument.offer);
        if (argument.positional) {
            positionals.push_back(kind + (argument.repeats ? "..." : ""));
            continue;
        }
        options.insert(options.end(), argument.names.begin(), argument.names.end());
        if (!argument.valueName.empty()) {
            valueOptions.insert(valueOptions.end(), argument.names.begin(), argument.names.end());
            values << "        " << Joined(argument.names, "|") << ") kind=" << kind << " ;;\n";
        }
    }
    out << "    " << command.name << ")\n";
    out << "        options=" << Quoted(options) << "\n";
    out << "        positionals=(" << Joined(positionals, " ") << ")\n";
    out << "        case $prev in\n" << values.str() << "        esac\n";
    out << "        valued=" << Quoted(valueOptions) << "\n";
    out << "        ;;\n";
}

}  // namespace

std::string BashCompletion(const CommandLineOutline& outline) {
    std::ostringstream out;
    std::vector<std::string> commands;
    for (const CommandOutline& command : outline.commands) {
        commands.push_back(command.name);
    }
    commands.insert(commands.end(), {"-h", "--help"});
    out << "# bash completion for " << outline.program
        << ", generated from its command line by fretwise-docs\n\n";
    for (const Offer& list : WordLists(outline)) {
        out << "_fretwise_cli_" << list.list << "=" << Quoted(list.words) << "\n";
    }
    out << "\n";
    out << kHelpers << "\n";
    out << "_fretwise_cli() {\n"
           "    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}\n"
           "    local options='' valued='' kind='' word i n=0\n"
           "    local -a positionals=()\n"
           "    COMPREPLY=()\n"
           "    if ((COMP_CWORD == 1)); then\n"
           "        COMPREPLY=($(compgen -W "
        << Quoted(commands)
        << " -- \"$cur\"))\n"
           "        return\n"
           "    fi\n"
           "    case ${COMP_WORDS[1]} in\n";
    for (const CommandOutline& command : outline.commands) {
        WriteCommand(out, command);
    }
    out << "    *) return ;;\n"
           "    esac\n"
           "    # The value of an option.\n"
           "    if [ -n \"$kind\" ]; then\n"
           "        _fretwise_cli_offer \"$kind\"\n"
           "        return\n"
           "    fi\n"
           "    if [[ $cur == -* && $cur != -[0-9]* ]]; then\n"
           "        COMPREPLY=($(compgen -W \"$options\" -- \"$cur\"))\n"
           "        return\n"
           "    fi\n"
           "    # Which positional argument this word is: the words before it that are neither\n"
           "    # options nor their values (\"-1\" is a fret, not an option).\n"
           "    for ((i = 2; i < COMP_CWORD; i++)); do\n"
           "        word=${COMP_WORDS[i]}\n"
           "        if [[ \" $valued \" == *\" $word \"* ]]; then\n"
           "            ((i++))\n"
           "        elif [[ $word != -[!0-9]* ]]; then\n"
           "            ((n++))\n"
           "        fi\n"
           "    done\n"
           "    ((${#positionals[@]})) || return\n"
           "    kind=${positionals[n]:-${positionals[-1]}}\n"
           "    if [[ $kind == *... ]]; then\n"
           "        kind=${kind%...}\n"
           "    elif ((n >= ${#positionals[@]})); then\n"
           "        return\n"
           "    fi\n"
           "    _fretwise_cli_offer \"$kind\"\n"
           "}\n\n";
    out << "complete -F _fretwise_cli " << outline.program << "\n";
    return out.str();
}

}  // namespace fretwise::cli

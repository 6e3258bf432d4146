#include "cli/docs/manual_pages.hpp"

#include <sstream>

#include "cli/commands/command.hpp"
#include "core/storage/file_type.hpp"
#include "fretwise/description.hpp"

namespace fretwise::cli {

namespace {

constexpr char kDataDir[] = "/share/fretwise";

// Text as roff prints it: backslashes and dashes escaped, no line taken for a request.
std::string Roff(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\\') {
            out += "\\e";
        } else if (c == '-') {
            out += "\\-";
        } else {
            out += c;
        }
    }
    if (!out.empty() && (out.front() == '.' || out.front() == '\'')) {
        out.insert(0, "\\&");
    }
    return out;
}

// A text of lines and blank-line paragraphs, filled by roff.
std::string Paragraphs(const std::string& text) {
    std::string out;
    std::istringstream in(text);
    bool blank = false;
    for (std::string line; std::getline(in, line);) {
        if (line.empty()) {
            blank = true;
            continue;
        }
        if (blank && !out.empty()) {
            out += ".PP\n";
        }
        blank = false;
        out += Roff(line) + '\n';
    }
    return out;
}

std::string Header(const std::string& name, const std::string& version) {
    std::string upper;
    for (char c : name) {
        upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return ".TH " + Roff(upper) + " 1 \"\" \"Fretwise " + version + "\" \"User Commands\"\n";
}

std::string Bold(const std::string& text) {
    return "\\fB" + Roff(text) + "\\fR";
}

std::string Italic(const std::string& text) {
    return "\\fI" + Roff(text) + "\\fR";
}

std::string Item(const std::string& tag, const std::string& text) {
    return ".TP\n" + tag + "\n" + Paragraphs(text);
}

std::string Usage(const std::string& program, const CommandOutline& command) {
    std::string usage = Bold(program + " " + command.name);
    bool options = false;
    for (const ArgumentOutline& argument : command.arguments) {
        if (argument.positional) {
            usage += " [" + Italic(argument.names.front()) + (argument.repeats ? "...]" : "]");
        } else if (!options) {
            usage += " [" + Italic("options") + "]";
            options = true;
        }
    }
    return usage + "\n";
}

std::string ArgumentTag(const ArgumentOutline& argument) {
    if (argument.positional) {
        return Italic(argument.names.front());
    }
    std::string tag;
    for (const std::string& name : argument.names) {
        tag += (tag.empty() ? "" : ", ") + Bold(name);
    }
    return argument.valueName.empty() ? tag : tag + " " + Italic(argument.valueName);
}

std::string CommandSection(const std::string& program, const CommandOutline& command) {
    std::string out = ".SS " + Roff(command.name) + "\n" + Usage(program, command);
    out += ".PP\n" + Paragraphs(command.summary);
    if (!command.details.empty()) {
        out += ".PP\n" + Paragraphs(command.details);
    }
    for (const ArgumentOutline& argument : command.arguments) {
        out += Item(ArgumentTag(argument), argument.explanation);
    }
    return out;
}

// The files of both programs, in one list for both pages.
std::string FilesSection() {
    const FileTypeRegistration chord;
    const std::string entry = DesktopEntryPath(chord).string();
    const std::string mime = MimePackagePath(chord).string();
    std::string out = ".SH FILES\n";
    out += Item(Italic("FILE") + Bold(".fw"),
                "A chord file, as the window's \"Save...\" and \"fretwise-cli save\" write it: "
                "the number of frets, then the pitch number of each string, high E first "
                "(1 = A, 2 = A# ... on up the neck; -1 = not played), one value per line.");
    out += Item(Bold("$XDG_CONFIG_HOME/fretwise/Settings.ini"),
                "The window's options, view and last chord (~/.config when XDG_CONFIG_HOME is "
                "unset): read at start, written when the window is closed.");
    out += Item(Bold("$XDG_CACHE_HOME/fretwise/chord0.wav") + " ... " + Bold("chord32.wav"),
                "The sounds the window plays (~/.cache when XDG_CACHE_HOME is unset), deleted "
                "when the window is closed.");
    out += Item(Italic("PREFIX") + Bold(kDataDir),
                "The help page (help/index.html), the icons and the tuner's reference tones "
                "(WAVs/). PREFIX is where the programs are installed: /usr for the Debian "
                "package, /usr/local for \"cmake --install\" by default; a program in its build "
                "folder uses the share/fretwise beside it.");
    out += Item(Bold("$XDG_DATA_HOME/" + entry) + ", " + Bold("$XDG_DATA_HOME/" + mime),
                "The chord file type (" + MimeTypeName(chord) +
                    ", *.fw) and the program that opens it, written for the user at every "
                    "start of the window (~/.local/share when XDG_DATA_HOME is unset), unless "
                    "the program is installed system-wide: then its package provides them.");
    return out;
}

}  // namespace

std::string CliManualPage(const CommandLineOutline& outline, const std::string& version) {
    std::string summary = outline.summary;
    if (!summary.empty()) {
        summary[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(summary[0])));
        if (summary.back() == '.') {
            summary.pop_back();
        }
    }
    std::string out = Header(outline.program, version);
    out += ".SH NAME\n" + Roff(outline.program) + " \\- " + Roff(summary) + "\n";
    out += ".SH SYNOPSIS\n" + Bold(outline.program) + " " + Italic("COMMAND") + " [" +
           Italic("arguments") + "] [" + Italic("options") + "]\n.br\n" + Bold(outline.program) +
           " " + Italic("COMMAND") + " " + Bold("--help") + "\n";
    out += ".SH DESCRIPTION\n" + Paragraphs(outline.summary);
    out +=
        ".PP\n" + Paragraphs(
                      "Shapes are written as guitarists write them, low E string first: x32010, "
                      "or six separated values \"x 3 2 0 1 0\" for frets of 10 and more. JSON "
                      "arrays are in the program's string order: element 0 is the high E string.");
    out += ".PP\n" + Paragraphs(outline.footer);
    out += ".SH COMMANDS\n";
    for (const CommandOutline& command : outline.commands) {
        out += CommandSection(outline.program, command);
    }
    out += ".SH \"EXIT STATUS\"\n";
    out += Item(Bold(std::to_string(kExitOk)), "The command did what was asked.");
    out += Item(Bold(std::to_string(kExitFailure)),
                "The command ran but could not do what was asked, e.g. a chord that cannot be "
                "created or a file that cannot be read or written; the message goes to the "
                "standard error.");
    out += Item(Bold(std::to_string(kExitUsage)),
                "Bad arguments: an unknown command or option, or a value the command cannot "
                "use. The first fault, in the order of the arguments, is named on the standard "
                "error.");
    out += FilesSection();
    out += ".SH \"SEE ALSO\"\n" + Bold("fretwise") + "(1), " + Italic("PREFIX") + Bold(kDataDir) +
           "/help/index.html\n";
    return out;
}

std::string WindowManualPage(const std::string& version) {
    std::string out = Header("fretwise", version);
    out += ".SH NAME\nfretwise \\- " + std::string(kProductSummary) + "\n";
    out += ".SH SYNOPSIS\n" + Bold("fretwise") + " [" + Italic("CHORDFILE") + "]\n";
    out += ".SH DESCRIPTION\n" +
           Paragraphs(std::string(kProductDescription) +
                      "\n\n\"Help\" > \"Online Help...\" (F1) opens the help page.");
    out += ".SH OPTIONS\n" +
           Paragraphs(
               "None. The whole command line is the path of a chord file to open at "
               "start: the arguments are joined by single spaces, so a path with blanks "
               "arrives whole, and text shorter than four characters opens nothing.");
    out += ".SH \"EXIT STATUS\"\n" + Item(Bold("0"), "The window was closed, or \"Exit\" chosen.");
    out += FilesSection();
    out += ".SH \"SEE ALSO\"\n" + Bold("fretwise-cli") + "(1), " + Italic("PREFIX") +
           Bold(kDataDir) + "/help/index.html\n";
    return out;
}

}  // namespace fretwise::cli

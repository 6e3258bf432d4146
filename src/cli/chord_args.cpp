#include "cli/chord_args.hpp"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "music/chord_types.hpp"

namespace fretwise::cli {

namespace {

constexpr int kWindowFrets = 8;

std::optional<int> ParseInt(std::string_view text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// Words separated by single blanks, so "Minor  Seventh" and the words of a type given as
// separate arguments read alike.
std::string JoinWords(const std::vector<std::string>& words, std::size_t from) {
    std::string joined;
    for (std::size_t k = from; k < words.size(); ++k) {
        std::size_t start = 0;
        const std::string& w = words[k];
        while ((start = w.find_first_not_of(' ', start)) != std::string::npos) {
            const std::size_t end = std::min(w.find(' ', start), w.size());
            if (!joined.empty()) {
                joined += ' ';
            }
            joined.append(w, start, end - start);
            start = end;
        }
    }
    return joined;
}

}  // namespace

ChordArgs ParseChordArgs(Args args, ChordCommand command) {
    ChordArgs parsed;
    const bool create = command == ChordCommand::Create;
    for (std::size_t k = 0; k < args.size(); ++k) {
        const std::string& arg = args[k];
        if (arg.size() < 2 || arg[0] != '-' || (arg[1] != '-' && arg != "-h")) {
            parsed.positional.push_back(arg);
            continue;
        }
        parsed.options.push_back(arg);
        const auto value = [&]() -> std::optional<int> {
            if (k + 1 >= args.size()) {
                parsed.error = arg + " needs a number";
                return std::nullopt;
            }
            parsed.options.push_back(args[++k]);
            const std::optional<int> number = ParseInt(args[k]);
            if (!number) {
                parsed.error = arg + ": '" + args[k] + "' is not a number";
            }
            return number;
        };
        if (arg == "--help" || arg == "-h") {
            parsed.help = true;
        } else if (arg == "--json") {
            parsed.json = true;
        } else if (arg == "--batch") {
            parsed.batch = true;
        } else if (arg == "--flats") {
            parsed.mode = Accidentals::Flats;
        } else if (arg == "--frets") {
            parsed.numFrets = value().value_or(parsed.numFrets);
        } else if (create && arg == "--position") {
            parsed.position = value().value_or(parsed.position);
        } else if (create && arg == "--all-strings") {
            parsed.allStrings = true;
        } else {
            parsed.error = "unknown option " + arg;
        }
        if (!parsed.error.empty()) {
            break;
        }
    }
    if (parsed.error.empty() && (parsed.numFrets < kFewestFrets || parsed.numFrets > kMostFrets)) {
        parsed.error = "--frets must be " + std::to_string(kFewestFrets) + " to " +
                       std::to_string(kMostFrets) + ", not " + std::to_string(parsed.numFrets);
    }
    return parsed;
}

std::optional<SearchRequest> SearchFrom(const ChordArgs& args, std::string& error) {
    if (args.positional.size() < 2) {
        error = "needs ROOT and TYPE (e.g. A Major)";
        return std::nullopt;
    }
    const std::optional<int> root = ParseRoot(args.positional[0]);
    if (!root) {
        error = "unknown root '" + args.positional[0] + "' (a note such as A, C#, Bb, or 0-11)";
        return std::nullopt;
    }
    const std::string typeText = JoinWords(args.positional, 1);
    const std::optional<int> type = ParseType(typeText);
    if (!type) {
        error = "unknown chord type '" + typeText + "' (a name such as Major, or 0-37)";
        return std::nullopt;
    }
    const int highestPosition = std::max(0, args.numFrets - kWindowFrets);
    if (args.position < 0 || args.position > highestPosition) {
        error = "--position must be 0 to " + std::to_string(highestPosition) + " with " +
                std::to_string(args.numFrets) + " frets, not " + std::to_string(args.position);
        return std::nullopt;
    }
    return SearchRequest{*root, *type, args.position, args.numFrets, args.allStrings};
}

std::optional<int> ParseRoot(std::string_view text) {
    if (const std::optional<int> index = ParseInt(text)) {
        return *index >= 0 && *index < kRootCount ? index : std::nullopt;
    }
    for (int root = 0; root < kRootCount; ++root) {
        for (const Accidentals mode : {Accidentals::Sharps, Accidentals::Flats}) {
            if (SameIgnoringCase(text, NoteName(root + 1, mode))) {
                return root;
            }
        }
    }
    return std::nullopt;
}

std::optional<int> ParseType(std::string_view text) {
    if (const std::optional<int> index = ParseInt(text)) {
        return *index >= 0 && *index < kChordTypeCount ? index : std::nullopt;
    }
    for (int type = 0; type < kChordTypeCount; ++type) {
        if (!text.empty() && SameIgnoringCase(text, ChordTypeName(type))) {
            return type;
        }
    }
    return std::nullopt;
}

}  // namespace fretwise::cli

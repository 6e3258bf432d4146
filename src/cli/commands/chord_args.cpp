#include "cli/commands/chord_args.hpp"

#include <algorithm>
#include <cctype>

#include "core/music/chord_types.hpp"
#include "core/storage/whole_number.hpp"
#include "window/fretboard_view.hpp"

namespace fretwise::cli {

namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// Words separated by single blanks, so "Minor  Seventh" and the words of a type given as
// separate arguments read alike.
std::string JoinWords(const std::vector<std::string>& words) {
    std::string joined;
    for (const std::string& w : words) {
        std::size_t start = 0;
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

void DeclareNumber(ArgParser& parser, const std::string& name, const std::string& valueName,
                   int& number, const std::string& needs, const std::string& explanation) {
    parser.Value(name, valueName, explanation, needs, [name, &number](const std::string& text) {
        const std::optional<int> read = ReadWholeNumber(text);
        if (!read) {
            throw UsageError(name + ": '" + text + "' is not a number");
        }
        number = *read;
    });
}

void CheckFretCount(int numFrets) {
    if (numFrets < kMinFrets || numFrets > kMaxFrets) {
        throw UsageError("--frets must be " + std::to_string(kMinFrets) + " to " +
                         std::to_string(kMaxFrets) + ", not " + std::to_string(numFrets));
    }
}

void CheckPosition(int position, int numFrets) {
    const int highest = NeckScrollMax(numFrets);
    if (position < 0 || position > highest) {
        throw UsageError("--position must be 0 to " + std::to_string(highest) + " with " +
                         std::to_string(numFrets) + " frets, not " + std::to_string(position));
    }
}

SearchRequest SearchFrom(const std::string& root, const std::vector<std::string>& type,
                         int position, int numFrets, bool allStrings, Vocabulary vocabulary) {
    if (type.empty()) {  // a root standing alone is a symbol, read elsewhere
        throw UsageError("needs a chord symbol, or ROOT and TYPE (e.g. C#m7b5, A Major)");
    }
    const std::optional<int> rootIndex = ParseRoot(root);
    if (!rootIndex) {
        throw UsageError("unknown root '" + root + "' (a note such as A, C#, Bb, or 0-11)");
    }
    const std::string typeText = JoinWords(type);
    const std::optional<int> typeIndex = ParseType(typeText, vocabulary);
    if (!typeIndex) {
        throw UsageError("unknown chord type '" + typeText + "' (a name such as Major, or 0-" +
                         std::to_string(ChordTypeCount(vocabulary) - 1) + ")");
    }
    CheckPosition(position, numFrets);
    SearchRequest search{*rootIndex, *typeIndex, position, numFrets, allStrings};
    search.vocabulary = vocabulary;
    return search;
}

ChordSymbol SymbolFrom(const std::string& text, Vocabulary vocabulary) {
    SymbolReading reading = ReadChordSymbol(text, vocabulary);
    if (!reading.chord) {
        throw UsageError(reading.error);
    }
    return *reading.chord;
}

std::optional<int> ParseRoot(std::string_view text) {
    if (const std::optional<int> index = ReadWholeNumber(text)) {
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

std::optional<int> ParseType(std::string_view text, Vocabulary vocabulary) {
    const int count = ChordTypeCount(vocabulary);
    if (const std::optional<int> index = ReadWholeNumber(text)) {
        return *index >= 0 && *index < count ? index : std::nullopt;
    }
    for (int type = 0; type < count; ++type) {
        if (!text.empty() && SameIgnoringCase(text, ChordTypeName(type, vocabulary))) {
            return type;
        }
    }
    return std::nullopt;
}

}  // namespace fretwise::cli

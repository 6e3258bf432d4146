#include "cli/docs/completion_values.hpp"

#include <algorithm>
#include <map>
#include <sstream>

#include "core/music/chord_types.hpp"
#include "core/music/pitch.hpp"

namespace fretwise::cli {

namespace {

// The files a command reads or writes, by their extension.
const std::map<std::string, std::string, std::less<>> kFileExtensions = {
    {"open", "fw"},
    {"pitch", "wav"},
    {"save", "fw"},
    {"wav", "wav"},
};

bool Mentions(const std::string& text, const std::string& word) {
    std::string lower = text;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower.find(word) != std::string::npos;
}

void AddOnce(std::vector<std::string>& words, const std::string& word) {
    if (std::find(words.begin(), words.end(), word) == words.end()) {
        words.push_back(word);
    }
}

}  // namespace

ValueCompletion CompletionOf(const std::string& command, const ArgumentOutline& argument) {
    const std::string name =
        argument.positional ? argument.names.front() : argument.names.back() + argument.valueName;
    if (!argument.positional && argument.valueName.empty()) {
        return {};
    }
    if (Mentions(name, "root")) {
        return {ValueKind::Root, {}};
    }
    if (Mentions(name, "type")) {
        return {ValueKind::TypeWord, {}};
    }
    if (Mentions(name, "file")) {
        const auto extension = kFileExtensions.find(command);
        return {ValueKind::File, extension == kFileExtensions.end() ? "" : extension->second};
    }
    return {};
}

std::vector<std::string> RootNames() {
    std::vector<std::string> names;
    for (const Accidentals mode : {Accidentals::Sharps, Accidentals::Flats}) {
        for (int pitch = 1; pitch <= 12; ++pitch) {
            AddOnce(names, std::string(NoteName(pitch, mode)));
        }
    }
    return names;
}

std::vector<std::string> TypeWords() {
    std::vector<std::string> words;
    for (int type = 0; type < kChordTypeCount; ++type) {
        std::istringstream name{std::string(ChordTypeName(type))};
        for (std::string word; name >> word;) {
            AddOnce(words, word);
        }
    }
    return words;
}

std::string OneLine(const std::string& text) {
    std::string line = text;
    std::replace(line.begin(), line.end(), '\n', ' ');
    return line;
}

}  // namespace fretwise::cli

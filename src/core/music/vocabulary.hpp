#pragma once

#include <optional>
#include <string_view>

namespace fretwise {

// Which chords the program knows: the classic catalogue of 24 chords, the intervals and the
// octave, or the full vocabulary of chart symbols (extended, altered and suspended chords,
// named with the notes guitarists leave out and with slash basses).
enum class Vocabulary { Classic, Full };

// The words that name the vocabularies on the command line and in the settings file.
constexpr std::string_view kClassicVocabularyName = "classic";
constexpr std::string_view kFullVocabularyName = "full";

constexpr std::string_view VocabularyName(Vocabulary vocabulary) {
    return vocabulary == Vocabulary::Full ? kFullVocabularyName : kClassicVocabularyName;
}

constexpr std::optional<Vocabulary> VocabularyNamed(std::string_view name) {
    if (name == kClassicVocabularyName) {
        return Vocabulary::Classic;
    }
    if (name == kFullVocabularyName) {
        return Vocabulary::Full;
    }
    return std::nullopt;
}

}  // namespace fretwise

#include "core/music/chord_symbol.hpp"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>
#include <vector>

#include "core/music/chord_types.hpp"

namespace fretwise {

namespace {

bool IsLetter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// The text with the sharp and flat signs written # and b.
std::string WithPlainAccidentals(std::string_view text) {
    constexpr std::string_view kSharpSign = "\u266f";
    constexpr std::string_view kFlatSign = "\u266d";
    std::string plain;
    while (!text.empty()) {
        if (text.starts_with(kSharpSign)) {
            plain += '#';
            text.remove_prefix(kSharpSign.size());
        } else if (text.starts_with(kFlatSign)) {
            plain += 'b';
            text.remove_prefix(kFlatSign.size());
        } else {
            plain += text.front();
            text.remove_prefix(1);
        }
    }
    return plain;
}

// A suffix as it is compared: without spaces and parentheses, in lower case, except that
// a lone M (not the start of a word such as "Maj") is the major "maj" and m stays minor.
std::string Normalised(std::string_view suffix) {
    std::string plain;
    for (const char c : suffix) {
        if (!IsBlank(c) && c != '(' && c != ')') {
            plain += c;
        }
    }
    std::string normal;
    for (std::size_t k = 0; k < plain.size(); ++k) {
        const bool lone = k + 1 == plain.size() || !IsLetter(plain[k + 1]);
        if (plain[k] == 'M' && lone) {
            normal += "maj";
        } else {
            normal += static_cast<char>(std::tolower(static_cast<unsigned char>(plain[k])));
        }
    }
    return normal;
}

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// The full vocabulary's further spellings in one form: ^ is maj; a leading "min", "mi" or
// "-" is m and a leading "+" aug; "ma" before a number is maj; "-" and "+" before a number
// are the flat and the sharp, and a trailing "+" is a sharp fifth; commas go.
std::string FullNormalised(std::string_view suffix) {
    std::string text;
    for (const char c : Normalised(suffix)) {
        if (c == '^') {
            text += "maj";
        } else if (c != ',') {
            text += c;
        }
    }
    // The leading words, longest first: "mi7" is "m7", but "ma" is "maj" only before a number.
    constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kLeading = {
        {{"min", "m"}, {"mi", "m"}, {"-", "m"}, {"+", "aug"}}};
    const auto word = std::find_if(kLeading.begin(), kLeading.end(),
                                   [&text](const auto& w) { return text.starts_with(w.first); });
    if (word != kLeading.end()) {
        text.replace(0, word->first.size(), word->second);
    } else if (text.starts_with("ma") && text.size() > 2 && IsDigit(text[2])) {
        text.replace(0, 2, "maj");
    }
    std::string signs;
    for (std::size_t k = 0; k < text.size(); ++k) {
        const bool beforeNumber = k + 1 < text.size() && IsDigit(text[k + 1]);
        if (text[k] == '-' && beforeNumber) {
            signs += 'b';
        } else if (text[k] == '+' && beforeNumber) {
            signs += '#';
        } else if (text[k] == '+' && k + 1 == text.size()) {
            signs += "#5";
        } else {
            signs += text[k];
        }
    }
    return signs;
}

std::string NormalisedIn(std::string_view suffix, Vocabulary vocabulary) {
    return vocabulary == Vocabulary::Full ? FullNormalised(suffix) : Normalised(suffix);
}

// Every text that names a type in a vocabulary, normalised, in the order the reader tries
// them: what songbooks write (symbols, then other spellings) wins over the program's short
// names, which win over the type names. Built once per vocabulary.
using SpellingIndex = std::vector<std::pair<std::string, int>>;

SpellingIndex IndexOf(Vocabulary vocabulary) {
    SpellingIndex index;
    const int count = ChordTypeCount(vocabulary);
    const auto add = [&index, vocabulary](std::string_view text, int type) {
        index.emplace_back(NormalisedIn(text, vocabulary), type);
    };
    for (int t = 0; t < count; ++t) {
        if (kChordTypes[t].symbol) {
            add(*kChordTypes[t].symbol, t);
        }
    }
    for (int t = 0; t < count; ++t) {
        for (const std::string_view list :
             {kChordTypes[t].spellings,
              vocabulary == Vocabulary::Full ? kChordTypes[t].fullSpellings : std::string_view{}}) {
            std::size_t start = 0;
            while ((start = list.find_first_not_of(' ', start)) != std::string_view::npos) {
                const std::size_t end = std::min(list.find(' ', start), list.size());
                add(list.substr(start, end - start), t);
                start = end;
            }
        }
    }
    for (int t = 0; t < count; ++t) {
        if (kChordTypes[t].kind == ChordKind::Chord) {
            add(kChordTypes[t].abbrev, t);
        }
    }
    for (int t = 0; t < count; ++t) {
        if (kChordTypes[t].kind != ChordKind::Separator) {
            add(kChordTypes[t].displayName, t);
        }
    }
    return index;
}

std::optional<int> TypeOfSuffix(std::string_view suffix, Vocabulary vocabulary) {
    static const SpellingIndex classic = IndexOf(Vocabulary::Classic);
    static const SpellingIndex full = IndexOf(Vocabulary::Full);
    const std::string wanted = NormalisedIn(suffix, vocabulary);
    for (const auto& [text, type] : vocabulary == Vocabulary::Full ? full : classic) {
        if (text == wanted) {
            return type;
        }
    }
    return std::nullopt;
}

std::string KnownSuffixes(Vocabulary vocabulary) {
    std::string known;
    for (int t = 0; t < ChordTypeCount(vocabulary); ++t) {
        const std::optional<std::string_view> symbol = kChordTypes[t].symbol;
        if (symbol && !symbol->empty()) {
            known += known.empty() ? "" : ", ";
            known += *symbol;
        }
    }
    return known + "; none for major";
}

struct NoteRead {
    int pitchClass;
    bool flat;
    std::size_t length;  // characters read
};

// A note name at the start of the text: a letter A-G in either case, then at most one sharp
// or flat.
std::optional<NoteRead> ReadNote(std::string_view text) {
    constexpr std::string_view kLetters = "abcdefg";
    constexpr std::array<int, 7> kLetterClasses = {1, 3, 4, 6, 8, 9, 11};
    if (text.empty()) {
        return std::nullopt;
    }
    const std::size_t letter =
        kLetters.find(static_cast<char>(std::tolower(static_cast<unsigned char>(text[0]))));
    if (letter == std::string_view::npos) {
        return std::nullopt;
    }
    NoteRead note{kLetterClasses[letter], false, 1};
    if (text.size() > 1 && (text[1] == '#' || text[1] == 'b')) {
        note.flat = text[1] == 'b';
        note.pitchClass = (note.pitchClass + (note.flat ? 11 : 1)) % 12;
        note.length = 2;
    }
    return note;
}

// The notes of the chord, spelled in mode: "D, F#, A".
std::string NotesOf(int rootClass, int type, Accidentals mode) {
    std::string notes;
    for (const std::int16_t k : ChordTypeOf(type, Vocabulary::Full).Notes()) {
        notes += notes.empty() ? "" : ", ";
        notes += NoteName(rootClass + k, mode);
    }
    return notes;
}

// The bass's note in semitones above the root.
int BassNote(const ChordSymbol& chord) {
    return (*chord.bass - (chord.root + 1) % 12 + 12) % 12;
}

}  // namespace

SymbolReading ReadChordSymbol(std::string_view typed, Vocabulary vocabulary) {
    const std::string text = WithPlainAccidentals(TrimBlanks(typed));
    const auto refuse = [&text](const std::string& why) {
        return SymbolReading{std::nullopt, "'" + text + "': " + why};
    };
    if (text.empty()) {
        return {std::nullopt, "no chord symbol (a root A to G and a type, e.g. C, F#m7, D/F#)"};
    }
    const std::optional<NoteRead> root = ReadNote(text);
    if (!root) {
        return refuse("no root note (a symbol starts with A to G, then # or b)");
    }
    std::string_view rest = std::string_view(text).substr(root->length);
    std::optional<NoteRead> bass;
    // "6/9" and the like are no slash chords: a slash before a digit stays in the suffix.
    if (const std::size_t slash = rest.rfind('/'); slash != std::string_view::npos) {
        std::string bassText;
        for (const char c : rest.substr(slash + 1)) {
            if (!IsBlank(c) && c != '(' && c != ')') {
                bassText += c;
            }
        }
        if (bassText.empty()) {
            return refuse("no bass note after '/'");
        }
        if (std::isdigit(static_cast<unsigned char>(bassText[0])) == 0) {
            bass = ReadNote(bassText);
            if (!bass || bass->length != bassText.size()) {
                return refuse("no bass note '" + bassText + "' (A to G, then # or b)");
            }
            rest = rest.substr(0, slash);
        }
    }
    const std::optional<int> type = TypeOfSuffix(rest, vocabulary);
    if (!type) {
        return refuse("no chord type '" + std::string(TrimBlanks(rest)) +
                      "' (known: " + KnownSuffixes(vocabulary) + ")");
    }
    ChordSymbol chord{
        (root->pitchClass + 11) % 12, *type, std::nullopt,
        root->flat || (bass && bass->flat) ? Accidentals::Flats : Accidentals::Sharps};
    if (bass) {
        chord.bass = bass->pitchClass;
        if (!ChordSounded(chord, vocabulary)) {
            return refuse(std::string(NoteName(bass->pitchClass, chord.spelling)) +
                          " is not a note of " +
                          std::string(TrimBlanks(text.substr(0, root->length + rest.size()))) +
                          " (" + NotesOf(root->pitchClass, *type, chord.spelling) +
                          ") and no classic chord type holds them both; the full vocabulary reads "
                          "it");
        }
    }
    return {chord, ""};
}

std::optional<SoundedChord> ChordSounded(const ChordSymbol& chord, Vocabulary vocabulary) {
    const NoteBits written = NoteBitsOf(ChordTypeOf(chord.type, vocabulary));
    if (!chord.bass || (written & (1u << BassNote(chord))) != 0) {
        return SoundedChord{chord.type};
    }
    const auto withBass = static_cast<NoteBits>(written | (1u << BassNote(chord)));
    for (int t = 0; t < ChordTypeCount(vocabulary); ++t) {
        if (kChordTypes[t].kind == ChordKind::Chord && NoteBitsOf(kChordTypes[t]) == withBass) {
            return SoundedChord{t};
        }
    }
    if (vocabulary == Vocabulary::Full) {
        return SoundedChord{chord.type, BassNote(chord)};
    }
    return std::nullopt;
}

NoteBits SoundedNotes(const SoundedChord& chord) {
    const NoteBits notes = NoteBitsOf(ChordTypeOf(chord.type, Vocabulary::Full));
    return chord.addedNote < 0 ? notes : static_cast<NoteBits>(notes | (1u << chord.addedNote));
}

std::optional<std::string> ChordSymbolText(std::string_view root, int type, std::string_view bass) {
    const std::optional<std::string_view> suffix = ChordTypeOf(type, Vocabulary::Full).symbol;
    if (!suffix) {
        return std::nullopt;
    }
    std::string symbol = std::string(root) + std::string(*suffix);
    if (!bass.empty() && bass != root) {
        symbol += '/';
        symbol += bass;
    }
    return symbol;
}

std::optional<std::string> ChordSymbolText(const ChordSymbol& chord, Accidentals mode) {
    const std::string_view root = NoteName(chord.root + 1, mode);
    return ChordSymbolText(root, chord.type, chord.bass ? NoteName(*chord.bass, mode) : root);
}

}  // namespace fretwise

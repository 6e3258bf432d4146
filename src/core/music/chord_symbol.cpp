#include "core/music/chord_symbol.hpp"

#include <array>
#include <cctype>

#include "core/music/chord_types.hpp"

namespace fretwise {

namespace {

// Spellings guitarists write besides the symbols and short names the program prints, with
// the type each names (by its name in the type list; a name that stands twice means the
// chord). Compared as Normalised texts, so "M7" is "maj7" and "Min7" is "min7".
struct Spelling {
    std::string_view suffix;
    std::string_view type;
};

constexpr std::array kSpellings = {
    Spelling{"maj", "Major"},
    Spelling{"min", "Minor"},
    Spelling{"mi", "Minor"},
    Spelling{"-", "Minor"},
    Spelling{"dom7", "Seventh"},
    Spelling{"min7", "Minor Seventh"},
    Spelling{"mi7", "Minor Seventh"},
    Spelling{"-7", "Minor Seventh"},
    Spelling{"ma7", "Major Seventh"},
    Spelling{"\u0394", "Major Seventh"},  // Δ
    Spelling{"\u03947", "Major Seventh"},
    Spelling{"maj6", "Sixth"},
    Spelling{"min6", "Minor Sixth"},
    Spelling{"-6", "Minor Sixth"},
    Spelling{"aug", "Augmented"},
    Spelling{"#5", "Augmented"},
    Spelling{"+5", "Augmented"},
    Spelling{"+7", "Augmented Seventh"},
    Spelling{"aug7", "Augmented Seventh"},
    Spelling{"7+5", "Augmented Seventh"},
    Spelling{"\u00b0", "Diminished"},  // °
    Spelling{"o", "Diminished"},
    Spelling{"mb5", "Diminished"},
    Spelling{"\u00b07", "Diminished Seventh"},
    Spelling{"o7", "Diminished Seventh"},
    Spelling{"7-5", "Seventh (Flattened Fifth)"},
    Spelling{"\u00f8", "Minor Seventh (Flattened Fifth)"},  // ø
    Spelling{"\u00f87", "Minor Seventh (Flattened Fifth)"},
    Spelling{"m7-5", "Minor Seventh (Flattened Fifth)"},
    Spelling{"min7b5", "Minor Seventh (Flattened Fifth)"},
    Spelling{"-7b5", "Minor Seventh (Flattened Fifth)"},
    Spelling{"-7-5", "Minor Seventh (Flattened Fifth)"},
    Spelling{"mi7b5", "Minor Seventh (Flattened Fifth)"},
    Spelling{"maj7-5", "Major Seventh (Flattened Fifth)"},
    Spelling{"\u03947b5", "Major Seventh (Flattened Fifth)"},
    Spelling{"7(9)", "Ninth"},
    Spelling{"min9", "Minor Ninth"},
    Spelling{"m7(9)", "Minor Ninth"},
    Spelling{"-9", "Minor Ninth"},
    Spelling{"ma9", "Major Ninth"},
    Spelling{"maj7(9)", "Major Ninth"},
    Spelling{"\u03949", "Major Ninth"},
    Spelling{"add2", "Added Ninth"},
    Spelling{"add11", "Added Fourth"},
    Spelling{"sus", "Suspended"},
    Spelling{"7sus", "Suspended Fourth"},
};

constexpr int TypeNamed(std::string_view displayName) {
    for (int t = 0; t < kChordTypeCount; ++t) {
        if (kChordTypes[t].displayName == displayName) {
            return t;
        }
    }
    return -1;
}

static_assert([] {
    for (const Spelling& spelling : kSpellings) {
        if (TypeNamed(spelling.type) < 0) {
            return false;
        }
    }
    return true;
}());

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

// What songbooks write wins over the program's short names, which win over the type names.
std::optional<int> TypeOfSuffix(std::string_view suffix) {
    const std::string wanted = Normalised(suffix);
    for (int t = 0; t < kChordTypeCount; ++t) {
        if (kChordTypes[t].symbol && Normalised(*kChordTypes[t].symbol) == wanted) {
            return t;
        }
    }
    for (const Spelling& spelling : kSpellings) {
        if (Normalised(spelling.suffix) == wanted) {
            return TypeNamed(spelling.type);
        }
    }
    for (int t = 0; t < kChordTypeCount; ++t) {
        if (kChordTypes[t].kind == ChordKind::Chord &&
            Normalised(kChordTypes[t].abbrev) == wanted) {
            return t;
        }
    }
    for (int t = 0; t < kChordTypeCount; ++t) {
        if (kChordTypes[t].kind != ChordKind::Separator &&
            Normalised(kChordTypes[t].displayName) == wanted) {
            return t;
        }
    }
    return std::nullopt;
}

std::string KnownSuffixes() {
    std::string known;
    for (const ChordType& type : kChordTypes) {
        if (type.symbol && !type.symbol->empty()) {
            known += known.empty() ? "" : ", ";
            known += *type.symbol;
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
    for (const std::int16_t k : ChordTypeOf(type).Notes()) {
        notes += notes.empty() ? "" : ", ";
        notes += NoteName(rootClass + k, mode);
    }
    return notes;
}

bool HoldsClass(int rootClass, int type, int pitchClass) {
    for (const std::int16_t k : ChordTypeOf(type).Notes()) {
        if ((rootClass + k) % 12 == pitchClass) {
            return true;
        }
    }
    return false;
}

}  // namespace

SymbolReading ReadChordSymbol(std::string_view typed) {
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
    const std::optional<int> type = TypeOfSuffix(rest);
    if (!type) {
        return refuse("no chord type '" + std::string(TrimBlanks(rest)) +
                      "' (known: " + KnownSuffixes() + ")");
    }
    ChordSymbol chord{
        (root->pitchClass + 11) % 12, *type, std::nullopt,
        root->flat || (bass && bass->flat) ? Accidentals::Flats : Accidentals::Sharps};
    if (bass) {
        if (!HoldsClass(root->pitchClass, *type, bass->pitchClass)) {
            return refuse(std::string(NoteName(bass->pitchClass, chord.spelling)) +
                          " is not a note of " +
                          std::string(TrimBlanks(text.substr(0, root->length + rest.size()))) +
                          " (" + NotesOf(root->pitchClass, *type, chord.spelling) + ")");
        }
        chord.bass = bass->pitchClass;
    }
    return {chord, ""};
}

std::optional<std::string> ChordSymbolText(std::string_view root, int type, std::string_view bass) {
    const std::optional<std::string_view> suffix = ChordTypeOf(type).symbol;
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

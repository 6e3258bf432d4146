#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/commands/arg_parser.hpp"
#include "core/create/fingering_search.hpp"
#include "core/music/chord_symbol.hpp"
#include "core/music/pitch.hpp"

namespace fretwise::cli {

// Explanations several commands share.
inline constexpr char kFlatsExplanation[] = "spell the notes with flats (default sharps)";
inline constexpr char kLeftHandedExplanation[] =
    "mirror the fretboard as a left-handed player sees it: high E string on the left";
inline constexpr char kJsonObjectExplanation[] =
    "print one JSON object; arrays are in string order (element 0 = high E)";
inline constexpr char kBatchShapesExplanation[] =
    "read one shape with optional options per line from standard input and\n"
    "print one JSON object per line; a bad line gives {\"error\": ...}";

// An option whose value is a whole number, e.g. --frets N. Text that is no number is the
// fault "NAME: 'TEXT' is not a number"; the range is the command's to check.
void DeclareNumber(ArgParser& parser, const std::string& name, const std::string& valueName,
                   int& number, const std::string& needs, const std::string& explanation);

inline Accidentals Spelling(bool flats) {
    return flats ? Accidentals::Flats : Accidentals::Sharps;
}

// Faults unless the fretboard can have numFrets frets (5-20).
void CheckFretCount(int numFrets);

// Faults unless the neck can scroll to position with numFrets frets.
void CheckPosition(int position, int numFrets);

// "create": the search for a root and a chord type of the vocabulary given as words (a type
// may be several words, "Minor Seventh"); faults name the first thing that does not fit.
SearchRequest SearchFrom(const std::string& root, const std::vector<std::string>& type,
                         int position, int numFrets, bool allStrings,
                         Vocabulary vocabulary = Vocabulary::Classic);

// A chord symbol ("C#m7b5", "D/F#") of the vocabulary; a fault carries the reader's message.
ChordSymbol SymbolFrom(const std::string& text, Vocabulary vocabulary = Vocabulary::Classic);

// A note name (A, A#, Bb ..., either case) or a root index 0-11.
std::optional<int> ParseRoot(std::string_view text);

// A chord type index of the vocabulary's list (0-37 in the classic one) or a display name in
// any case; of two types with the same name, the chord (the lower index).
std::optional<int> ParseType(std::string_view text, Vocabulary vocabulary = Vocabulary::Classic);

}  // namespace fretwise::cli

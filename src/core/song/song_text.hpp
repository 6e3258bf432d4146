#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fretwise {

// A song file is UTF-8 text of at most this many bytes.
constexpr std::size_t kMaxSongBytes = 1024 * 1024;
// A few bytes that are not UTF-8 (a stray Latin-1 letter) are kept as they are; more than
// this many mean the file is not UTF-8 text.
constexpr int kMaxInvalidSequences = 3;

// Why the bytes are no song text ("not a text file: it holds NUL bytes"), or nullopt when
// they are.
std::optional<std::string> SongTextProblem(std::string_view bytes);

// How many byte sequences of the text are not UTF-8 (overlong forms and surrogates count).
int InvalidUtf8Sequences(std::string_view text);

// The text with each sequence that is not UTF-8 replaced by U+FFFD, for showing.
std::string ShowableUtf8(std::string_view text);

// One line of a file: its text, and the line end that followed it ("\n", "\r\n", or empty
// after a last line without one).
struct TextLine {
    std::string text;
    std::string ending;
};

// The lines of the text, so that joining each text and ending gives the text back.
std::vector<TextLine> SplitLines(std::string_view text);

// The text without the spaces and tabs around it.
std::string_view Trimmed(std::string_view text);

}  // namespace fretwise

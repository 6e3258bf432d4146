#include "core/storage/chord_file.hpp"

#include <fstream>
#include <istream>

#include "core/storage/atomic_file.hpp"
#include "core/storage/print_form.hpp"
#include "core/storage/whole_number.hpp"

namespace fretwise {

namespace {

// The tuning and capo lines are short; a longer line is damaged.
constexpr std::size_t kLongestExtraLine = 64;

// The next line without its CR LF, CR or LF. A line too long to be a tuning or capo line is
// read no further and comes back as text that is no number.
std::optional<std::string> NextLine(std::istream& in) {
    std::streambuf* buf = in.rdbuf();
    constexpr int kEnd = std::char_traits<char>::eof();
    if (buf == nullptr || buf->sgetc() == kEnd) {
        return std::nullopt;
    }
    std::string line;
    for (int c = buf->sbumpc(); c != kEnd && c != '\n'; c = buf->sbumpc()) {
        if (c == '\r') {
            if (buf->sgetc() == '\n') {
                buf->sbumpc();
            }
            break;
        }
        if (line.size() == kLongestExtraLine) {
            return "?";
        }
        line += static_cast<char>(c);
    }
    return line;
}

// A whole number between spaces, nothing else.
std::optional<int> WholeNumber(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    text = text.substr(first, text.find_last_not_of(' ') + 1 - first);
    return ReadWholeNumber(text);
}

std::optional<Tuning> TuningLine(std::string_view line) {
    Tuning tuning;
    for (int s = 0; s < kStringCount; ++s) {
        const std::size_t comma = line.find(',');
        if ((comma == std::string_view::npos) != (s == kStringCount - 1)) {
            return std::nullopt;
        }
        const std::optional<int> offset = WholeNumber(line.substr(0, comma));
        if (!offset || *offset < kLowestTuningOffset || *offset > kHighestTuningOffset) {
            return std::nullopt;
        }
        tuning.offsets[static_cast<std::size_t>(s)] = static_cast<std::int16_t>(*offset);
        line = comma == std::string_view::npos ? std::string_view{} : line.substr(comma + 1);
    }
    return tuning;
}

// Lines 8 and 9 after the notes; a file that ends after the notes (or with one empty line)
// is in standard tuning with no capo.
void ReadTuningLines(std::istream& in, ChordFileRead& read) {
    const std::optional<std::string> tuningLine = NextLine(in);
    if (!tuningLine || (tuningLine->empty() && !NextLine(in))) {
        return;
    }
    const std::optional<Tuning> tuning = TuningLine(*tuningLine);
    if (!tuning) {
        read.failure = ReadFailure::BadTuning;
        return;
    }
    ++read.linesRead;
    const std::optional<std::string> capoLine = NextLine(in);
    const std::optional<int> capo = capoLine ? WholeNumber(*capoLine) : std::nullopt;
    if (!capo || *capo < 0 || *capo > kMaxCapo) {
        read.failure = ReadFailure::BadTuning;
        return;
    }
    ++read.linesRead;
    read.strings = {*tuning, static_cast<std::int16_t>(*capo)};
}

// Whether some tuning and capo let the string sound the note at a fret of the neck: notes
// that none does are refused before the tuning lines are read.
bool CouldBeOnNeck(int string, int note) {
    for (int offset = kLowestTuningOffset; offset <= kHighestTuningOffset; ++offset) {
        OpenStrings strings;
        strings.tuning.offsets[static_cast<std::size_t>(string)] =
            static_cast<std::int16_t>(offset);
        for (std::int16_t capo = 0; capo <= kMaxCapo; ++capo) {
            strings.capo = capo;
            if (IsOnNeck(note - strings.OpenPitch(string))) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

std::string ChordFileText(std::int16_t numFrets, const PerString& notes,
                          const OpenStrings& strings) {
    std::string text;
    AppendPrintLine(text, numFrets);
    for (std::int16_t note : notes) {
        AppendPrintLine(text, note);
    }
    if (!strings.IsStandard()) {
        for (int s = 0; s < kStringCount; ++s) {
            text += (s > 0 ? "," : "") + std::to_string(strings.tuning.offsets[s]);
        }
        text += "\r\n";
        AppendPrintLine(text, strings.capo);
    }
    return text;
}

bool WriteChordFile(const std::filesystem::path& path, std::int16_t numFrets,
                    const PerString& notes, const OpenStrings& strings) {
    return WriteFileAtomically(path, ChordFileText(numFrets, notes, strings));
}

ChordFileRead ReadChordFile(std::istream& in) {
    ChordFileRead read;
    FieldReader fields(in);
    const FieldReader::Value frets = fields.Next();
    if (!frets.Ok()) {
        read.failure = frets.failure;
        return read;
    }
    read.numFrets = ClampFrets(frets.value);
    read.linesRead = 1;
    for (int s = 0; s < kStringCount; ++s) {
        const FieldReader::Value value = fields.Next();
        if (!value.Ok()) {
            read.failure = value.failure;
            return read;
        }
        if (value.value != kNotPlayed && !CouldBeOnNeck(s, value.value)) {
            read.failure = ReadFailure::OffTheNeck;
            return read;
        }
        read.notes[static_cast<std::size_t>(s)] = value.value;
        ++read.linesRead;
    }
    ReadTuningLines(in, read);
    if (!read.Ok()) {
        return read;
    }
    // The notes are checked against the strings of the file's own tuning and capo.
    for (int s = 0; s < kStringCount; ++s) {
        const int note = read.notes[static_cast<std::size_t>(s)];
        if (note != kNotPlayed && !IsOnNeck(note - read.strings.OpenPitch(s))) {
            read.failure = ReadFailure::OffTheNeck;
            read.linesRead = 1 + s;
            return read;
        }
    }
    return read;
}

ChordFileRead ReadChordFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        ChordFileRead read;
        read.failure = ReadFailure::CannotOpen;
        return read;
    }
    return ReadChordFile(in);
}

}  // namespace fretwise

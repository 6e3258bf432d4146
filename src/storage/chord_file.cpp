#include "storage/chord_file.hpp"

#include <fstream>

#include "storage/atomic_file.hpp"
#include "storage/print_form.hpp"

namespace fretwise {

std::string ChordFileText(std::int16_t numFrets, const PerString& notes) {
    std::string text;
    AppendPrintLine(text, numFrets);
    for (std::int16_t note : notes) {
        AppendPrintLine(text, note);
    }
    return text;
}

bool WriteChordFile(const std::filesystem::path& path, std::int16_t numFrets,
                    const PerString& notes) {
    return WriteFileAtomically(path, ChordFileText(numFrets, notes));
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
        const int fret = value.value - kOpenPitch[static_cast<std::size_t>(s)];
        if (value.value != kNotPlayed && !IsOnNeck(fret)) {
            read.failure = ReadFailure::OffTheNeck;
            return read;
        }
        read.notes[static_cast<std::size_t>(s)] = value.value;
        ++read.linesRead;
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

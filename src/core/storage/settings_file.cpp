#include "core/storage/settings_file.hpp"

#include <fstream>

#include "core/storage/atomic_file.hpp"
#include "core/storage/chord_file.hpp"
#include "core/storage/print_form.hpp"

namespace fretwise {

namespace {

// Lines 5 to 10: the frets of the chord on the fretboard.
bool IsChordLine(int line) {
    return line >= kLineFret0 && line < kLineFret0 + kStringCount;
}

// Puts the value of one line into its place in the settings.
void Apply(Settings& s, int line, std::int16_t value) {
    switch (line) {
        case kLineNumFrets:
            s.numFrets = ClampFrets(value);
            break;
        case kLineToolTips:
            s.toolTips = value != 0;
            break;
        case kLineAllStrings:
            s.allStrings = value != 0;
            break;
        case kLineFlats:
            s.flats = value == kStoredTrue;
            break;
        case kLineNeckPosition:
            s.neckPosition = value;
            break;
        case kLineNameIndex:
            s.nameIndex = value;
            break;
        case kLineRootIndex:
            s.rootIndex = value;
            break;
        case kLineTypeIndex:
            s.typeIndex = value;
            break;
        default:
            s.frets[static_cast<std::size_t>(line - kLineFret0)] = value;
            break;
    }
}

}  // namespace

std::filesystem::path SettingsFilePath(const AppPaths& paths) {
    return paths.configDir / "Settings.ini";
}

std::string SettingsText(const Settings& s) {
    std::string text;
    AppendPrintLine(text, s.numFrets);
    AppendPrintLine(text, StoredTruth(s.toolTips));
    AppendPrintLine(text, StoredTruth(s.allStrings));
    AppendPrintLine(text, StoredTruth(s.flats));
    for (std::int16_t fret : s.frets) {
        AppendPrintLine(text, fret);
    }
    AppendPrintLine(text, s.neckPosition);
    AppendPrintLine(text, s.nameIndex);
    AppendPrintLine(text, s.rootIndex);
    AppendPrintLine(text, s.typeIndex);
    s.keyed.AppendTo(text);
    return text;
}

bool WriteSettingsFile(const std::filesystem::path& path, const Settings& settings) {
    // The config directory does not exist before the first close of the window.
    std::error_code ignored;
    std::filesystem::create_directories(path.parent_path(), ignored);
    return WriteFileAtomically(path, SettingsText(settings));
}

SettingsRead ReadSettings(std::istream& in) {
    SettingsRead read;
    FieldReader fields(in);
    for (int line = 1; line <= kSettingsLineCount; ++line) {
        const FieldReader::Value value = fields.Next();
        if (!value.Ok()) {
            read.failure = value.failure;
            return read;
        }
        if (IsChordLine(line) && value.value != kMuted && !IsOnNeck(value.value)) {
            read.failure = ReadFailure::OffTheNeck;
            return read;
        }
        Apply(read.settings, line, value.value);
        read.linesRead = line;
    }
    read.settings.keyed = ReadKeyedLines(in);
    return read;
}

SettingsRead ReadSettingsFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        SettingsRead read;
        read.failure = ReadFailure::CannotOpen;
        return read;
    }
    return ReadSettings(in);
}

}  // namespace fretwise

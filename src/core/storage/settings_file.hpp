#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <string>

#include "core/music/fingering.hpp"
#include "core/music/fret_range.hpp"
#include "core/storage/app_paths.hpp"
#include "core/storage/field_reader.hpp"
#include "core/storage/keyed_lines.hpp"

namespace fretwise {

// The lines of "Settings.ini", one value each, in file order.
enum SettingsLine : int {
    kLineNumFrets = 1,
    kLineToolTips = 2,
    kLineAllStrings = 3,
    kLineFlats = 4,
    kLineFret0 = 5,  // lines 5 to 10: the frets of strings 0 to 5
    kLineNeckPosition = 11,
    kLineNameIndex = 12,
    kLineRootIndex = 13,
    kLineTypeIndex = 14,
};
constexpr int kSettingsLineCount = 14;

// What persists between runs. The defaults are the state of a first start.
struct Settings {
    std::int16_t numFrets = kMaxFrets;  // clamped into 5-20 on reading
    bool toolTips = false;
    bool allStrings = false;  // created chords always use all six strings
    bool flats = true;
    PerString frets{};              // the frets of the chord on the fretboard
    std::int16_t neckPosition = 0;  // first fret in view
    std::int16_t nameIndex = 0;     // which alternative chord name is shown
    std::int16_t rootIndex = -1;    // selected root, -1 when none
    std::int16_t typeIndex = -1;    // selected chord type, -1 when none
    KeyedLines keyed;               // the later settings, read through their SettingKey

    bool operator==(const Settings&) const = default;
};

// "Settings.ini" in the user's config directory.
std::filesystem::path SettingsFilePath(const AppPaths& paths);

// The bytes of the settings file: fourteen values in print form on CR LF lines, truth
// values as -1 and 0, then the keyed lines.
std::string SettingsText(const Settings& settings);

// Writes atomically, so a failed write never leaves a truncated file; creates the directory.
bool WriteSettingsFile(const std::filesystem::path& path, const Settings& settings);

// The settings file read value by value up to the first failure. Start-up applies the lines
// 1 to linesRead in order and, unless Complete(), falls back from the next one.
struct SettingsRead {
    Settings settings;  // lines 1 to linesRead from the file, the others at their defaults
    int linesRead = 0;
    ReadFailure failure = ReadFailure::None;

    bool Complete() const { return linesRead == kSettingsLineCount; }
    bool Has(int line) const { return line <= linesRead; }
    int FailedLine() const { return Complete() ? 0 : linesRead + 1; }
};

// Lines 2 and 3 are truth values (any non-zero number is true); line 4 means flats only when
// it is exactly -1. A fret on lines 5 to 10 other than -1 or 0 to 24 stops the reading there.
// The keyed lines are read only after all fourteen values.
SettingsRead ReadSettings(std::istream& in);
SettingsRead ReadSettingsFile(const std::filesystem::path& path);

}  // namespace fretwise

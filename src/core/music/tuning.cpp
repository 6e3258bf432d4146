#include "core/music/tuning.hpp"

#include <array>

namespace fretwise {

namespace {

// Offsets are written low string first, as guitarists name tunings.
constexpr Tuning LowFirst(int low, int a, int d, int g, int b, int high) {
    return Tuning{{static_cast<std::int16_t>(high), static_cast<std::int16_t>(b),
                   static_cast<std::int16_t>(g), static_cast<std::int16_t>(d),
                   static_cast<std::int16_t>(a), static_cast<std::int16_t>(low)}};
}

constexpr std::array<TuningPreset, 10> kPresets = {{
    {"standard", "Standard", LowFirst(0, 0, 0, 0, 0, 0)},
    {"drop-d", "Drop D", LowFirst(-2, 0, 0, 0, 0, 0)},
    {"half-down", "Half step down", LowFirst(-1, -1, -1, -1, -1, -1)},
    {"whole-down", "Whole step down", LowFirst(-2, -2, -2, -2, -2, -2)},
    {"drop-c", "Drop C", LowFirst(-4, -2, -2, -2, -2, -2)},
    {"dadgad", "DADGAD", LowFirst(-2, 0, 0, 0, -2, -2)},
    {"open-d", "Open D", LowFirst(-2, 0, 0, -1, -2, -2)},
    {"open-g", "Open G", LowFirst(-2, -2, 0, 0, 0, -2)},
    {"open-e", "Open E", LowFirst(0, 2, 2, 1, 0, 0)},
    {"open-c", "Open C", LowFirst(-4, -2, -2, 0, 1, 0)},
}};

constexpr std::array<std::string_view, kStringCount> kStringNames = {"high E", "B", "G",
                                                                     "D",      "A", "low E"};

bool InTuningRange(int offset) {
    return offset >= kLowestTuningOffset && offset <= kHighestTuningOffset;
}

std::string Quoted(std::string_view text) {
    return "'" + std::string(text) + "'";
}

std::string PresetIds() {
    std::string ids;
    for (const TuningPreset& preset : kPresets) {
        ids += (ids.empty() ? "" : ", ") + std::string(preset.id);
    }
    return ids;
}

}  // namespace

std::span<const TuningPreset> TuningPresets() {
    return kPresets;
}

const TuningPreset* PresetOf(const Tuning& tuning) {
    for (const TuningPreset& preset : kPresets) {
        if (preset.tuning == tuning) {
            return &preset;
        }
    }
    return nullptr;
}

std::string_view StringName(int string) {
    return kStringNames.at(static_cast<std::size_t>(string));
}

Pitch OpenStrings::OpenPitch(int string) const {
    const auto s = static_cast<std::size_t>(string);
    int pitch = kOpenPitch.at(s) + tuning.offsets.at(s);
    if (pitch < 1) {
        pitch += 12;
    }
    return static_cast<Pitch>(pitch + capo);
}

PerString OpenStrings::OpenPitches() const {
    PerString pitches{};
    for (int s = 0; s < kStringCount; ++s) {
        pitches[static_cast<std::size_t>(s)] = OpenPitch(s);
    }
    return pitches;
}

SoundingPitch OpenStrings::OpenStringPitch(int string) const {
    const auto s = static_cast<std::size_t>(string);
    return kStandardStrings.at(s).Transposed(tuning.offsets.at(s) + capo);
}

StringPitches OpenStrings::OpenStringPitches() const {
    StringPitches pitches{};
    for (int s = 0; s < kStringCount; ++s) {
        pitches[static_cast<std::size_t>(s)] = OpenStringPitch(s);
    }
    return pitches;
}

std::array<std::string_view, kStringCount> OpenStrings::OpenNoteNames(Accidentals mode) const {
    std::array<std::string_view, kStringCount> names{};
    for (int s = 0; s < kStringCount; ++s) {
        names[static_cast<std::size_t>(s)] = NoteName(OpenPitch(s), mode);
    }
    return names;
}

SoundingPitch OpenStrings::SoundingPitchOf(int string, Pitch note) const {
    return OpenStringPitch(string).Transposed(note - OpenPitch(string));
}

std::string TuningText(const Tuning& tuning, Accidentals mode) {
    std::string text;
    for (int s = kStringCount - 1; s >= 0; --s) {
        text += OpenStrings{tuning, 0}.OpenStringPitch(s).ScientificName(mode);
        if (s > 0) {
            text += ',';
        }
    }
    return text;
}

std::string TuningRangeText(int string, Accidentals mode) {
    const SoundingPitch open = kStandardStrings.at(static_cast<std::size_t>(string));
    return open.Transposed(kLowestTuningOffset).ScientificName(mode) + "-" +
           open.Transposed(kHighestTuningOffset).ScientificName(mode);
}

std::optional<std::int16_t> OffsetOfString(int string, std::string_view note, std::string& error) {
    const std::optional<SoundingPitch> pitch = ReadScientificName(note);
    if (!pitch) {
        error = Quoted(note) + ": not a note such as E2, F#3 or Bb2";
        return std::nullopt;
    }
    const int offset = pitch->SemitonesFrom(kStandardStrings.at(static_cast<std::size_t>(string)));
    if (!InTuningRange(offset)) {
        error = Quoted(note) + ": the " + std::string(StringName(string)) + " string takes " +
                TuningRangeText(string, Accidentals::Sharps);
        return std::nullopt;
    }
    return static_cast<std::int16_t>(offset);
}

TuningReading ReadTuning(std::string_view text) {
    for (const TuningPreset& preset : kPresets) {
        if (text == preset.id) {
            return {preset.tuning, {}};
        }
    }
    TuningReading reading;
    Tuning tuning;
    std::string_view rest = text;
    for (int s = kStringCount - 1; s >= 0; --s) {
        const std::size_t comma = rest.find(',');
        const bool last = s == 0;
        if ((comma == std::string_view::npos) != last) {
            reading.error = Quoted(text) + ": not a tuning (" + PresetIds() +
                            " or six notes low string first, D2,A2,D3,G3,B3,E4)";
            return reading;
        }
        const std::string_view note = rest.substr(0, comma);
        const std::optional<std::int16_t> offset = OffsetOfString(s, note, reading.error);
        if (!offset) {
            return reading;
        }
        tuning.offsets[static_cast<std::size_t>(s)] = *offset;
        rest = last ? std::string_view{} : rest.substr(comma + 1);
    }
    reading.tuning = tuning;
    return reading;
}

}  // namespace fretwise

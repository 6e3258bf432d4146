#include "core/music/tuning.hpp"

#include <array>
#include <cctype>

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

// A real pitch's MIDI number is its sound note plus this.
constexpr int kMidiOfSoundNote = 45;

bool InTuningRange(int offset) {
    return offset >= kLowestTuningOffset && offset <= kHighestTuningOffset;
}

std::optional<int> SemitoneAboveC(char letter) {
    switch (std::toupper(static_cast<unsigned char>(letter))) {
        case 'C':
            return 0;
        case 'D':
            return 2;
        case 'E':
            return 4;
        case 'F':
            return 5;
        case 'G':
            return 7;
        case 'A':
            return 9;
        case 'B':
            return 11;
        default:
            return std::nullopt;
    }
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

int OpenStrings::SoundNote(int string, Pitch note) const {
    const auto s = static_cast<std::size_t>(string);
    return note - OpenPitch(string) + kOpenSoundNote.at(s) + tuning.offsets.at(s) + capo;
}

std::string ScientificPitch(int soundNote, Accidentals mode) {
    const int midi = soundNote + kMidiOfSoundNote;
    // Pitch number 1 is A, MIDI 69 is A4: their classes agree after adding 4.
    const int pitchClass = ((midi + 4) % 12 + 12) % 12;
    const int octave = midi / 12 - 1;
    return std::string(NoteName(pitchClass, mode)) + std::to_string(octave);
}

std::optional<int> ParseScientificPitch(std::string_view text) {
    if (text.empty()) {
        return std::nullopt;
    }
    const std::optional<int> letter = SemitoneAboveC(text.front());
    if (!letter) {
        return std::nullopt;
    }
    std::size_t at = 1;
    int semitone = *letter;
    if (at < text.size() && (text[at] == '#' || text[at] == 'b')) {
        semitone += text[at] == '#' ? 1 : -1;
        ++at;
    }
    if (at == text.size() || text.size() - at > 1 ||
        !std::isdigit(static_cast<unsigned char>(text[at]))) {
        return std::nullopt;
    }
    const int octave = text[at] - '0';
    return 12 * (octave + 1) + semitone - kMidiOfSoundNote;
}

std::string TuningText(const Tuning& tuning, Accidentals mode) {
    std::string text;
    for (int s = kStringCount - 1; s >= 0; --s) {
        const auto i = static_cast<std::size_t>(s);
        text += ScientificPitch(kOpenSoundNote[i] + tuning.offsets[i], mode);
        if (s > 0) {
            text += ',';
        }
    }
    return text;
}

std::string TuningRangeText(int string, Accidentals mode) {
    const int open = kOpenSoundNote.at(static_cast<std::size_t>(string));
    return ScientificPitch(open + kLowestTuningOffset, mode) + "-" +
           ScientificPitch(open + kHighestTuningOffset, mode);
}

std::optional<std::int16_t> OffsetOfString(int string, std::string_view note, std::string& error) {
    const std::optional<int> sound = ParseScientificPitch(note);
    if (!sound) {
        error = Quoted(note) + ": not a note such as E2, F#3 or Bb2";
        return std::nullopt;
    }
    const int offset = *sound - kOpenSoundNote.at(static_cast<std::size_t>(string));
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

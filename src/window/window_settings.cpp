#include "window/window_settings.hpp"

#include "window/refresh.hpp"
#include "window/setting_keys.hpp"

namespace fretwise {

namespace {

// One setting: the classic line it is kept on (0 for a keyed line), how the state's value is
// written, how the file's value is applied (false: refused) and what the start without the
// file does with it (nothing when null).
struct SettingRow {
    int line;
    void (*write)(const WindowState&, Settings&);
    bool (*apply)(const Settings&, WindowState&);
    void (*fallback)(WindowState&);
};

template <const auto& Key, auto Field>
constexpr SettingRow KeyedRow() {
    return {0, [](const WindowState& s, Settings& f) { SetKeyedValue(f.keyed, Key, s.*Field); },
            [](const Settings& f, WindowState& s) {
                s.*Field = KeyedValue(f.keyed, Key);
                return true;
            },
            nullptr};
}

template <int String>
constexpr SettingRow FretRow() {
    return {kLineFret0 + String,
            [](const WindowState& s, Settings& f) { f.frets[String] = s.shape.Fret[String]; },
            [](const Settings& f, WindowState& s) {
                s.shape.Fret[String] = f.frets[String];
                return true;
            },
            nullptr};
}

// In file order; the keyed lines are written in this order after the classic ones.
constexpr SettingRow kRows[] = {
    {kLineNumFrets, [](const WindowState& s, Settings& f) { f.numFrets = ClampFrets(s.numFrets); },
     [](const Settings& f, WindowState& s) {
         s.numFrets = f.numFrets;
         return true;
     },
     [](WindowState& s) { s.numFrets = kMaxFrets; }},
    // The tooltip command runs once in the fallback: it switches whatever was read.
    {kLineToolTips, [](const WindowState& s, Settings& f) { f.toolTips = s.toolTips; },
     [](const Settings& f, WindowState& s) {
         s.toolTips = f.toolTips;
         return true;
     },
     [](WindowState& s) { s.toolTips = !s.toolTips; }},
    {kLineAllStrings, [](const WindowState& s, Settings& f) { f.allStrings = s.allStrings; },
     [](const Settings& f, WindowState& s) {
         s.allStrings = f.allStrings;
         return true;
     },
     nullptr},
    {kLineFlats,
     [](const WindowState& s, Settings& f) { f.flats = s.accidentals == Accidentals::Flats; },
     [](const Settings& f, WindowState& s) {
         s.accidentals = f.flats ? Accidentals::Flats : Accidentals::Sharps;
         return true;
     },
     [](WindowState& s) { s.accidentals = Accidentals::Flats; }},
    FretRow<0>(),
    FretRow<1>(),
    FretRow<2>(),
    FretRow<3>(),
    FretRow<4>(),
    FretRow<5>(),
    {kLineNeckPosition,
     [](const WindowState& s, Settings& f) {
         f.neckPosition = static_cast<std::int16_t>(s.neckPosition);
     },
     [](const Settings& f, WindowState& s) {
         if (!SetNeckPosition(s, f.neckPosition)) {
             return false;
         }
         DrawNeck(s);
         return true;
     },
     nullptr},
    {kLineNameIndex,
     [](const WindowState& s, Settings& f) {
         f.nameIndex = static_cast<std::int16_t>(s.nameIndex);
     },
     [](const Settings& f, WindowState& s) { return SetNameIndex(s, f.nameIndex); }, nullptr},
    {kLineRootIndex,
     [](const WindowState& s, Settings& f) {
         f.rootIndex = static_cast<std::int16_t>(s.rootIndex);
     },
     [](const Settings& f, WindowState& s) { return SetRootIndex(s, f.rootIndex); }, nullptr},
    {kLineTypeIndex,
     [](const WindowState& s, Settings& f) {
         f.typeIndex = static_cast<std::int16_t>(s.typeIndex);
     },
     [](const Settings& f, WindowState& s) { return SetTypeIndex(s, f.typeIndex); }, nullptr},
    KeyedRow<kChordOrderKey, &WindowState::chordOrder>(),
    KeyedRow<kRestTrebleKey, &WindowState::restTreble>(),
    KeyedRow<kLeftHandedKey, &WindowState::leftHanded>(),
    KeyedRow<kZoomKey, &WindowState::zoomPercent>(),
    {0,
     [](const WindowState& s, Settings& f) {
         SetKeyedValue(f.keyed, kReferenceAKey, s.listen.referenceA);
         SetKeyedValue(f.keyed, kTunerModeKey, s.listen.mode);
     },
     [](const Settings& f, WindowState& s) {
         s.listen = {KeyedValue(f.keyed, kReferenceAKey), KeyedValue(f.keyed, kTunerModeKey)};
         return true;
     },
     nullptr},
    // The frets are counted from the capo, on the strings as they were tuned.
    {0,
     [](const WindowState& s, Settings& f) {
         SetKeyedValue(f.keyed, kTuningKey, s.strings.tuning);
         SetKeyedValue(f.keyed, kCapoKey, static_cast<int>(s.strings.capo));
     },
     [](const Settings& f, WindowState& s) {
         s.strings = {KeyedValue(f.keyed, kTuningKey),
                      static_cast<std::int16_t>(KeyedValue(f.keyed, kCapoKey))};
         return true;
     },
     nullptr},
    // Read before the chosen type, whose list it sets.
    KeyedRow<kVocabularyKey, &WindowState::vocabulary>(),
    {0,
     [](const WindowState& s, Settings& f) {
         for (std::size_t k = 0; k < kRecentSongKeys.size(); ++k) {
             SetKeyedValue(f.keyed, kRecentSongKeys[k],
                           k < s.recentSongs.size() ? s.recentSongs[k] : std::string());
         }
     },
     [](const Settings& f, WindowState& s) {
         s.recentSongs.clear();
         for (const SettingKey<std::string>& key : kRecentSongKeys) {
             if (std::string path = KeyedValue(f.keyed, key); !path.empty()) {
                 s.recentSongs.push_back(std::move(path));
             }
         }
         return true;
     },
     nullptr},
    KeyedRow<kWholeNeckKey, &WindowState::wholeNeck>(),
};

}  // namespace

// The keyed lines are there only when all fourteen classic ones were read, so they go first.
bool ApplySettings(WindowState& state, const SettingsRead& read) {
    for (const SettingRow& row : kRows) {
        if (row.line == 0) {
            row.apply(read.settings, state);
        }
    }
    for (const SettingRow& row : kRows) {
        if (row.line == kLineNeckPosition) {
            // The stored chord is shown before the view is set.
            LayoutFrets(state);
            DrawNeck(state);
            RefreshChord(state, state.shape);
        }
        if (row.line != 0 && (!read.Has(row.line) || !row.apply(read.settings, state))) {
            return false;
        }
    }
    return true;
}

void StartWithDefaults(WindowState& state) {
    for (const SettingRow& row : kRows) {
        if (row.fallback != nullptr) {
            row.fallback(state);
        }
    }
    LayoutFrets(state);
    DrawNeck(state);
    RefreshChord(state, state.shape);
}

Settings SettingsOf(const WindowState& state) {
    Settings settings;
    for (const SettingRow& row : kRows) {
        row.write(state, settings);
    }
    return settings;
}

}  // namespace fretwise

// Start-up with the settings file, and the two ways out: closing and "E&xit".
#include "core/storage/settings_file.hpp"
#include "window/main_controller.hpp"
#include "window/setting_keys.hpp"

namespace fretwise {

void MainController::Startup(std::string_view commandLine) {
    FillLists();
    if (!ApplySettings()) {
        StartWithDefaults();
    }
    // Also after the fallback: a chord file double-clicked after the settings were lost opens.
    OpenChordFile(commandLine);
    Notify();
    services_.desktop.ShowWindow();
    services_.registrar.Register(
        {"Fretwise", ".fw", "Chord", services_.paths.dataDir / "fw.ico", ""});
}

// Applies the settings file line by line; false at the first value that cannot be read or
// that a control refuses, with the values before it left in force.
bool MainController::ApplySettings() {
    const std::unique_ptr<std::istream> in =
        services_.files.OpenToRead(SettingsFilePath(services_.paths));
    if (!in) {
        return false;
    }
    const SettingsRead read = ReadSettings(*in);
    const Settings& stored = read.settings;
    ApplyKeyedSettings(stored.keyed);

    if (!read.Has(kLineNumFrets)) {
        return false;
    }
    numFrets_ = stored.numFrets;
    if (!read.Has(kLineToolTips)) {
        return false;
    }
    // The check mark is set against the stored state, then the command toggles it back.
    display_.menu.toolTipsChecked = !stored.toolTips;
    SwitchToolTips();
    if (!read.Has(kLineAllStrings)) {
        return false;
    }
    display_.menu.allStringsChecked = stored.allStrings;
    if (!read.Has(kLineFlats)) {
        return false;
    }
    if (stored.flats) {
        SwitchAccidentals();
    }
    for (int i = 0; i < kStringCount; ++i) {
        if (!read.Has(kLineFret0 + i)) {
            return false;
        }
        currentShape_.Fret[i] = stored.frets[i];
    }
    // The frets are counted from the capo, on the strings as they were tuned.
    UseOpenStrings({KeyedValue(stored.keyed, kTuningKey),
                    static_cast<std::int16_t>(KeyedValue(stored.keyed, kCapoKey))});

    LayoutFrets();
    DrawFretboard(0);
    RefreshDisplay(currentShape_);

    if (!read.Has(kLineNeckPosition) || !SetNeckPosition(stored.neckPosition)) {
        return false;
    }
    DrawFretboard(display_.neckScroll.value);
    return read.Has(kLineNameIndex) && SetNameIndex(stored.nameIndex) && read.Has(kLineRootIndex) &&
           SetRootIndex(stored.rootIndex) && read.Has(kLineTypeIndex) &&
           SetTypeIndex(stored.typeIndex);
}

// The keyed settings hold whatever the classic lines do.
void MainController::ApplyKeyedSettings(const KeyedLines& keyed) {
    display_.menu.chordOrder = KeyedValue(keyed, kChordOrderKey);
    display_.menu.restTrebleChecked = KeyedValue(keyed, kRestTrebleKey);
    UseLeftHanded(KeyedValue(keyed, kLeftHandedKey));
    display_.zoomPercent = KeyedValue(keyed, kZoomKey);
    listenChoices_ = {KeyedValue(keyed, kReferenceAKey), KeyedValue(keyed, kTunerModeKey)};
}

// The start without (the rest of) the settings file: 20 frets, tooltips toggled, flats.
void MainController::StartWithDefaults() {
    numFrets_ = kMaxFrets;
    SwitchToolTips();
    UseAccidentals(Accidentals::Flats);
    // The root list is spelled in flats too, so it agrees with the names on show.
    FillRootList();
    LayoutFrets();
    DrawFretboard(0);
    RefreshDisplay(currentShape_);
}

void MainController::Close() {
    WriteSettings();
    DeleteSoundFiles();
}

void MainController::WriteSettings() {
    Settings settings;
    settings.numFrets = static_cast<std::int16_t>(numFrets_);
    settings.toolTips = display_.menu.toolTipsChecked;
    settings.allStrings = display_.menu.allStringsChecked;
    settings.flats = accidentals_ == Accidentals::Flats;
    settings.frets = currentShape_.Fret;
    settings.neckPosition = static_cast<std::int16_t>(display_.neckScroll.value);
    settings.nameIndex = static_cast<std::int16_t>(display_.nameScroll.value);
    settings.rootIndex = static_cast<std::int16_t>(display_.rootList.selected);
    settings.typeIndex = static_cast<std::int16_t>(display_.typeList.selected);
    SetKeyedValue(settings.keyed, kChordOrderKey, display_.menu.chordOrder);
    SetKeyedValue(settings.keyed, kRestTrebleKey, display_.menu.restTrebleChecked);
    SetKeyedValue(settings.keyed, kLeftHandedKey, LeftHanded());
    SetKeyedValue(settings.keyed, kZoomKey, display_.zoomPercent);
    SetKeyedValue(settings.keyed, kReferenceAKey, listenChoices_.referenceA);
    SetKeyedValue(settings.keyed, kTunerModeKey, listenChoices_.mode);
    SetKeyedValue(settings.keyed, kTuningKey, strings_.tuning);
    SetKeyedValue(settings.keyed, kCapoKey, static_cast<int>(strings_.capo));
    services_.files.WriteAtomically(SettingsFilePath(services_.paths), SettingsText(settings));
}

// The temporary sound files are numbered from 0; the first one missing ends the clean-up.
void MainController::DeleteSoundFiles() {
    for (int n = 0; n < SoundEngine::kSlotCount; ++n) {
        if (!services_.files.Remove(services_.sound.SlotFile(n))) {
            return;
        }
    }
}

}  // namespace fretwise

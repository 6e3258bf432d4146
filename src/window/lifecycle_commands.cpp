// Start-up with the settings file, and closing the window.
#include "window/commands.hpp"
#include "window/window_settings.hpp"

namespace fretwise {

namespace {

// The settings file applied line by line; false when it is missing or at the first value
// that cannot be read or that the window refuses.
bool ApplySettingsFile(Window& window) {
    const std::unique_ptr<std::istream> in =
        window.services.files.OpenToRead(SettingsFilePath(window.services.paths));
    return in && ApplySettings(window.state, ReadSettings(*in));
}

// The temporary sound files are numbered from 0; the first one missing ends the clean-up.
void DeleteSoundFiles(Window& window) {
    for (int n = 0; n < SoundEngine::kSlotCount; ++n) {
        if (!window.services.files.Remove(window.services.sound.SlotFile(n))) {
            return;
        }
    }
}

}  // namespace

void Startup(Window& window, std::string_view commandLine) {
    if (!ApplySettingsFile(window)) {
        StartWithDefaults(window.state);
    }
    // Also after the fallback: a chord file double-clicked after the settings were lost opens.
    OpenChordFile(window, commandLine);
    Paint(window);
    window.services.desktop.ShowWindow();
    window.services.registrar.Register(
        {"Fretwise", ".fw", "Chord", window.services.paths.dataDir / "fw.ico", ""});
}

void Close(Window& window) {
    window.services.files.WriteAtomically(SettingsFilePath(window.services.paths),
                                          SettingsText(SettingsOf(window.state)));
    DeleteSoundFiles(window);
}

}  // namespace fretwise

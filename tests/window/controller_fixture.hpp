#pragma once

#include <gtest/gtest.h>

#include "core/sound/sound_engine.hpp"
#include "core/sound/synthesis.hpp"
#include "core/storage/settings_file.hpp"
#include "support/fakes.hpp"
#include "support/temp_dir.hpp"
#include "window/commands.hpp"
#include "window/geometry.hpp"
#include "window/present.hpp"

namespace fretwise::test {

// The window's logic over fakes; the sound engine is the real one, writing its files into a
// fresh directory and handing them to the fake player.
class ControllerTest : public TempDirTest {
  protected:
    FakeDialogs dialogs;
    FakeDesktop desktop;
    FakeRegistrar registrar;
    FakeFiles files;
    FakePlayer player;
    FakeClock clock;
    AppPaths paths{"/opt/fretwise/bin/fretwise", "/opt/fretwise/share", "/home/u/.config/fretwise",
                   ""};
    std::unique_ptr<SoundEngine> sound;
    std::unique_ptr<Window> window;

    // Also used within a test to start again from scratch.
    void SetUp() override {
        dialogs = {};
        desktop = {};
        registrar = {};
        files = {};
        player = {};
        paths.cacheDir = dir;
        sound = std::make_unique<SoundEngine>(player, clock, dir);
        window = std::make_unique<Window>(
            Window{{}, {}, {dialogs, desktop, registrar, files, *sound, paths}});
    }

    // A user action, as the window runs it.
    template <typename... Params, typename... Args>
    void Do(void (*command)(Window&, Params...), Args&&... args) {
        Perform(*window, command, std::forward<Args>(args)...);
    }

    std::filesystem::path SettingsPath() const { return SettingsFilePath(paths); }

    void StoreSettings(const Settings& settings) {
        files.files[SettingsPath()] = SettingsText(settings);
    }

    // The first `lines` lines of a settings file.
    void StoreSettingsLines(const Settings& settings, int lines) {
        const std::string text = SettingsText(settings);
        std::size_t end = 0;
        for (int i = 0; i < lines; ++i) {
            end = text.find('\n', end) + 1;
        }
        files.files[SettingsPath()] = text.substr(0, end);
    }

    DisplayState Shown() const { return Present(window->state); }
    const PerString& Frets() const { return window->state.shape.Fret; }
    const PerString& Notes() const { return window->state.shape.Note; }

    // A release over string s at the middle of the fret band in view (fret 0: the label).
    void Click(MouseButton button, int string, int fret) {
        const int position = window->state.neckPosition;
        const int y = fret == 0 ? 400 : 840 + 720 * (fret - position) - 360;
        Do(ClickFretboard, button, geometry::StringX(string), y);
    }

    void ClickShape(const PerString& frets) {
        for (int s = 0; s < kStringCount; ++s) {
            if (frets[s] == kMuted) {
                if (Frets()[s] != kMuted) {
                    Click(MouseButton::Right, s, 0);
                }
            } else if (Frets()[s] != frets[s]) {
                Click(MouseButton::Left, s, frets[s]);
            }
        }
    }

    // Whether the last sound handed to the player is exactly this WAV file.
    bool LastPlayedIs(const std::vector<std::uint8_t>& wav) const {
        return !player.played.empty() && Holds(player.played.back(), wav);
    }
};

// The same after a first start without a settings file.
class StartedControllerTest : public ControllerTest {
  protected:
    void SetUp() override {
        ControllerTest::SetUp();
        Startup(*window, "");
    }

    // Creates the chord as the lists and the Create button do.
    void Create(int root, int type) {
        Do(SelectRoot, root);
        Do(SelectChordType, type);
        Do(CreateChord);
    }
};

}  // namespace fretwise::test

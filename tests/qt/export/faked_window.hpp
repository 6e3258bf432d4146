#pragma once

#include "core/sound/sound_engine.hpp"
#include "qt/ui/main_window.hpp"
#include "support/fakes.hpp"
#include "support/temp_dir.hpp"
#include "window/window.hpp"

namespace fretwise::test {

// The main window over its logic, with fakes for everything outside the process, as the
// exports of the window and of songs find it.
struct FakedWindow {
    TempDir dir;
    FakeDialogs dialogs;
    FakeDesktop desktop;
    FakeRegistrar registrar;
    FakeFiles files;
    FakePlayer player;
    FakeClock clock;
    SoundEngine engine{player, clock, dir.path()};
    Window logic{{}, {}, {dialogs, desktop, registrar, files, engine, AppPaths{}}};
    MainWindow window{logic};
};

}  // namespace fretwise::test

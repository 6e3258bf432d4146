#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <filesystem>
#include <memory>

#include "core/sound/sound_engine.hpp"
#include "qt/ui/fretboard_widget.hpp"
#include "qt/ui/main_window.hpp"
#include "support/fakes.hpp"
#include "support/temp_dir.hpp"
#include "window/commands.hpp"
#include "window/window.hpp"

namespace fretwise::test {

// The real window over its real logic, with fakes for everything outside the process.
// Started without a settings file: 20 frets, tooltips off, six open strings.
class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window = std::make_unique<MainWindow>(logic);
        Startup(logic, "");
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
        QApplication::processEvents();
    }

    // The window's control of that objectName.
    template <typename Control>
    Control* Child(const char* name) const {
        return window->findChild<Control*>(QString::fromLatin1(name));
    }

    // The centre of fret f on string s, in the fretboard's pixels (fret 0: above the nut).
    static QPoint FretPoint(int string, int fret) {
        const int x = (3675 - 600 * string) / 15;
        const int y = fret == 0 ? 30 : (840 + 720 * fret - 360) / 15;
        return {x, y};
    }

    void Click(int string, int fret, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(window->Fretboard(), button, Qt::NoModifier, FretPoint(string, fret));
    }

    // Fingers a shape written low E first, as guitarists write it ("x32010").
    void Finger(const std::string& shape) {
        for (int string = 0; string < 6; ++string) {
            const char c = shape[5 - string];
            if (c == 'x') {
                Click(string, 1, Qt::RightButton);
                if (logic.state.shape.Fret[string] != -1) {
                    Click(string, 1, Qt::RightButton);
                }
            } else {
                Click(string, c - '0');
            }
        }
    }

    TempDir temp;
    FakeDialogs dialogs;
    FakeDesktop desktop;
    FakeRegistrar registrar;
    FakeFiles files;
    FakePlayer player;
    FakeClock clock;
    SoundEngine engine{player, clock, temp.path()};
    Window logic{{},
                 {},
                 {dialogs, desktop, registrar, files, engine,
                  AppPaths{"", temp.path() / "data", temp.path() / "config", temp.path()}}};
    std::unique_ptr<MainWindow> window;
};

}  // namespace fretwise::test

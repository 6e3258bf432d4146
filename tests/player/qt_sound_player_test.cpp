#include "player/qt_sound_player.hpp"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <filesystem>
#include <fstream>

#include "sound/synthesis.hpp"

namespace fretwise {
namespace {

namespace fs = std::filesystem;

class QtSoundPlayerTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "player_tests";
        static char* argv[] = {name, nullptr};
        if (QCoreApplication::instance() == nullptr) {
            new QCoreApplication(argc, argv);  // lives until the process ends
        }
    }

    fs::path dir =
        fs::temp_directory_path() /
        ("fretwise-player-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }

    fs::path Write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        std::ofstream out(dir / name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        return dir / name;
    }

    static void RunEvents(int milliseconds) {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < milliseconds) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
    }
};

// Whatever the machine's audio, every request returns at once and nothing fails loudly.
TEST_F(QtSoundPlayerTest, AnyRequestReturnsAndStopEndsTheSound) {
    const fs::path chord = Write("chord0.wav", RenderChordWav({19, 15, 10}, StrumMode::Strummed));
    const fs::path note = Write("chord1.wav", RenderNoteWav(12));
    const fs::path garbage = Write("garbage.wav", {1, 2, 3, 4});
    std::vector<std::uint8_t> cut = RenderNoteWav(12);
    cut.resize(5000);
    const fs::path truncated = Write("truncated.wav", cut);
    QtSoundPlayer player;
    QElapsedTimer timer;
    timer.start();
    player.PlayOnce(chord);
    RunEvents(50);
    player.PlayOnce(note);  // replaces the chord
    player.Loop(chord);
    player.PlayOnce(garbage);
    player.Loop(truncated);
    RunEvents(100);
    player.PlayOnce(note);
    player.PlayOnce(dir / "missing.wav");
    player.Loop(dir / "missing.wav");
    player.PlayOnce("");
    player.Stop();
    player.Stop();
    EXPECT_LT(timer.elapsed(), 2000);
    RunEvents(100);
    EXPECT_FALSE(player.IsPlaying());
}

}  // namespace
}  // namespace fretwise

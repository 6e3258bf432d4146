#include "qt/player/qt_sound_player.hpp"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include "core/sound/synthesis.hpp"
#include "support/temp_dir.hpp"

namespace fretwise::test {
namespace {

namespace fs = std::filesystem;

class QtSoundPlayerTest : public TempDirTest {
  protected:
    fs::path Write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        WriteBytes(dir / name, std::string(bytes.begin(), bytes.end()));
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
}  // namespace fretwise::test

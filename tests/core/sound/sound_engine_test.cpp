#include "core/sound/sound_engine.hpp"

#include <gtest/gtest.h>

#include <fstream>

#include "core/sound/wav_headers.hpp"
#include "support/fakes.hpp"
#include "support/temp_dir.hpp"

namespace fretwise::test {
namespace {

namespace fs = std::filesystem;
using Calls = std::vector<std::string>;

class SoundEngineTest : public TempDirTest {
  protected:
    fs::path tempDir = dir / "cache";
    FakeClock clock;
    FakePlayer player;
    SoundEngine engine{player, clock, tempDir};
};

TEST_F(SoundEngineTest, FirstSoundUsesSlotZeroAndLaterOnesStopTheSoundFirst) {
    EXPECT_EQ(engine.SynthChord({19, 15, 10, 7, 3}, StrumMode::Strummed), SynthOutcome::Played);
    EXPECT_TRUE(
        Holds(tempDir / "chord0.wav", RenderChordWav({19, 15, 10, 7, 3}, StrumMode::Strummed)));

    clock.now += 1;
    EXPECT_EQ(engine.SynthNote(12), SynthOutcome::Played);
    EXPECT_TRUE(Holds(tempDir / "chord1.wav", RenderNoteWav(12)));

    clock.now += 6;  // slot 0's reservation has run out, slot 1's has not
    EXPECT_EQ(engine.SynthNote(5), SynthOutcome::Played);
    EXPECT_TRUE(Holds(tempDir / "chord0.wav", RenderNoteWav(5)));

    EXPECT_EQ(player.calls,
              (Calls{"once chord0.wav", "stop", "once chord1.wav", "once chord0.wav"}));
}

TEST_F(SoundEngineTest, NoNotesWritesAndPlaysNothingButKeepsTheSlot) {
    EXPECT_EQ(engine.SynthChord({}, StrumMode::Block), SynthOutcome::NoNotes);
    EXPECT_EQ(engine.SaveChord({}, StrumMode::Block, dir / "none.wav"), SynthOutcome::NoNotes);
    EXPECT_FALSE(fs::exists(tempDir / "chord0.wav"));
    EXPECT_FALSE(fs::exists(dir / "none.wav"));
    EXPECT_EQ(player.calls, Calls{"stop"});  // the second request reserved slot 1
}

TEST_F(SoundEngineTest, SavedChordIsWrittenThereAndNotPlayed) {
    const fs::path target = dir / "chord.wav";
    {
        std::ofstream longer(target, std::ios::binary);
        longer << std::string(30000, 'x');
    }
    const std::vector<double> notes{19, 15, 10, 7, 3};
    EXPECT_EQ(engine.SaveChord(notes, StrumMode::Strummed, target), SynthOutcome::Saved);
    EXPECT_TRUE(Holds(target, RenderChordWav(notes, StrumMode::Strummed)));
    EXPECT_FALSE(fs::exists(tempDir / "chord0.wav"));
    EXPECT_TRUE(player.calls.empty());

    // The save reserved slot 0: the next sound within 6 s goes to slot 1.
    EXPECT_EQ(engine.SynthChord(notes, StrumMode::Strummed), SynthOutcome::Played);
    EXPECT_EQ(player.calls, (Calls{"stop", "once chord1.wav"}));
}

TEST_F(SoundEngineTest, FailedSaveWritesNothingAndKeepsWhatWasThere) {
    const fs::path occupied = dir / "occupied";
    fs::create_directories(occupied);
    std::ofstream(occupied / "keep.txt") << "old";
    for (const fs::path& path : {occupied, dir / "missing" / "chord.wav", dir / ""}) {
        EXPECT_EQ(engine.SaveChord({12}, StrumMode::Block, path), SynthOutcome::SaveFailed) << path;
    }
    EXPECT_EQ(ReadBytes(occupied / "keep.txt"), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(occupied), {}), 1);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 1);
    EXPECT_EQ(player.calls, (Calls{"stop", "stop"}));  // slots 1 and 2 were reserved
}

TEST_F(SoundEngineTest, UnwritableTemporaryFileIsSilent) {
    std::ofstream(dir / "file") << "x";
    SoundEngine blocked{player, clock, dir / "file" / "cache"};
    EXPECT_EQ(blocked.SynthNote(12), SynthOutcome::WriteFailed);
    EXPECT_TRUE(player.calls.empty());
}

TEST_F(SoundEngineTest, SoundFilesPlayLoopAndStop) {
    engine.LoopSoundFile("WAVs/a-c.wav");
    engine.PlaySoundFile("");
    engine.PlaySoundFile("x.wav");
    engine.LoopSoundFile("");
    EXPECT_EQ(player.calls, (Calls{"loop a-c.wav", "stop", "once x.wav", "stop"}));
}

TEST_F(SoundEngineTest, SlotFilesAreNumberedFromZero) {
    EXPECT_EQ(engine.SlotFile(0), tempDir / "chord0.wav");
    EXPECT_EQ(engine.SlotFile(32), tempDir / "chord32.wav");
}

}  // namespace
}  // namespace fretwise::test

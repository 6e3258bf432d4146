#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "sound/fakes.hpp"
#include "sound/sound_engine.hpp"
#include "sound/synthesis.hpp"
#include "storage/temp_dir.hpp"
#include "tuner/tuner_tones.hpp"

namespace fretwise::test {

// A folder of its own for one test, with every reference tone the tuner asks for (as a stub
// file) in its "WAVs" folder, and a sound engine over a recording player and a set clock.
struct TunerSandbox {
    explicit TunerSandbox(std::string_view prefix)
        : dir(std::filesystem::temp_directory_path() /
              (std::string(prefix) +
               ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
        clock.now = 1000.0;  // after midnight, so slot 0 is free
        std::filesystem::create_directories(dir / "WAVs");
        for (std::string_view name : kTunerStringFiles) {
            std::ofstream(dir / "WAVs" / name) << "RIFF";
        }
        for (const BandTone& tone : kBandTones) {
            std::ofstream(dir / "WAVs" / tone.file) << "RIFF";
        }
    }
    ~TunerSandbox() { std::filesystem::remove_all(dir); }

    // Whether the last sound played once is exactly the note's.
    bool LastPlayedNoteIs(double note) const {
        const auto once =
            std::find_if(player.calls.rbegin(), player.calls.rend(),
                         [](const std::string& call) { return call.starts_with("once "); });
        const std::vector<std::uint8_t> wav = RenderNoteWav(note);
        return once != player.calls.rend() && fretwise::testing::ReadBytes(dir / once->substr(5)) ==
                                                  std::string(wav.begin(), wav.end());
    }

    std::filesystem::path dir;
    FakePlayer player;
    FakeClock clock;
    SoundEngine engine{player, clock, dir};
};

}  // namespace fretwise::test

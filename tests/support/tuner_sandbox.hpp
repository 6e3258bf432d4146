#pragma once

#include <algorithm>
#include <fstream>
#include <string>

#include "core/sound/sound_engine.hpp"
#include "core/sound/synthesis.hpp"
#include "support/fakes.hpp"
#include "support/temp_dir.hpp"
#include "tuner/tuner_tones.hpp"

namespace fretwise::test {

// A folder of its own for one test, with every reference tone the tuner asks for (as a stub
// file) in its "WAVs" folder, and a sound engine over a recording player and a set clock.
struct TunerSandbox {
    TunerSandbox() {
        clock.now = 1000.0;  // after midnight, so slot 0 is free
        std::filesystem::create_directories(dir / "WAVs");
        for (const ReferenceTone& tone : kStringTones) {
            std::ofstream(dir / "WAVs" / tone.file) << "RIFF";
        }
        for (const ReferenceTone& tone : kConcertTones) {
            std::ofstream(dir / "WAVs" / tone.file) << "RIFF";
        }
    }

    // Whether the last sound played once is exactly the note's.
    bool LastPlayedNoteIs(double note) const {
        const auto once =
            std::find_if(player.calls.rbegin(), player.calls.rend(),
                         [](const std::string& call) { return call.starts_with("once "); });
        return once != player.calls.rend() && Holds(dir / once->substr(5), RenderNoteWav(note));
    }

    TempDir temp;
    std::filesystem::path dir = temp.path();
    FakePlayer player;
    FakeClock clock;
    SoundEngine engine{player, clock, dir};
};

}  // namespace fretwise::test

#pragma once

#include <string>
#include <vector>

#include "sound/clock.hpp"
#include "sound/sound_player.hpp"

namespace fretwise {

// Records every request as "stop", "once:FILE" or "loop:FILE" (FILE without its folder).
class FakeSoundPlayer : public SoundPlayer {
  public:
    std::vector<std::string> log;
    void PlayOnce(const std::filesystem::path& file) override {
        log.push_back("once:" + file.filename().string());
    }
    void Loop(const std::filesystem::path& file) override {
        log.push_back("loop:" + file.filename().string());
    }
    void Stop() override { log.push_back("stop"); }
};

class FakeClock : public Clock {
  public:
    double now = 1000.0;
    double SecondsAfterMidnight() const override { return now; }
};

}  // namespace fretwise

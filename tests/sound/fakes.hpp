#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "sound/clock.hpp"
#include "sound/sound_player.hpp"

namespace fretwise::test {

// A clock that shows a set time, optionally moving on by a step at every reading.
class FakeClock final : public Clock {
  public:
    mutable double now = 0.0;
    double stepPerRead = 0.0;
    double SecondsAfterMidnight() const override {
        const double t = now;
        now += stepPerRead;
        return t;
    }
};

// Records the calls it receives as "once FILE", "loop FILE" and "stop".
class FakePlayer final : public SoundPlayer {
  public:
    std::vector<std::string> calls;
    void PlayOnce(const std::filesystem::path& file) override {
        calls.push_back("once " + file.filename().string());
    }
    void Loop(const std::filesystem::path& file) override {
        calls.push_back("loop " + file.filename().string());
    }
    void Stop() override { calls.push_back("stop"); }
};

}  // namespace fretwise::test

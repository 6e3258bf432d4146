#pragma once

#include <algorithm>
#include <vector>

#include "tuner/audio_input.hpp"

namespace fretwise::test {

// A sound input that plays what the test gives it, or that is missing.
class FakeAudioInput : public AudioInput {
  public:
    std::optional<int> rate = 48000;  // nullopt: there is no microphone
    int stops = 0;

    std::optional<int> Start(Sink hear, std::function<void()> lost) override {
        if (rate) {
            hear_ = std::move(hear);
            lost_ = std::move(lost);
        }
        return rate;
    }
    void Stop() override {
        ++stops;
        hear_ = nullptr;
    }
    bool Running() const { return bool(hear_); }
    void Lose() { lost_(); }

    // The sound in 10 ms blocks, as a microphone delivers it.
    void Play(const std::vector<float>& sound) {
        const std::size_t block = std::size_t(*rate / 100);
        for (std::size_t at = 0; at < sound.size() && hear_; at += block) {
            hear_(std::span(sound).subspan(at, std::min(block, sound.size() - at)));
        }
    }

  private:
    Sink hear_;
    std::function<void()> lost_;
};

}  // namespace fretwise::test

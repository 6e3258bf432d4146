#pragma once

#include <filesystem>

namespace fretwise {

// Plays finished WAV files asynchronously, one sound at a time: a new sound replaces the one
// playing. Failures (no audio device, a file that cannot be played) are silent.
class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;
    virtual void PlayOnce(const std::filesystem::path& file) = 0;
    virtual void Loop(const std::filesystem::path& file) = 0;
    virtual void Stop() = 0;
};

}  // namespace fretwise

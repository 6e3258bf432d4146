#pragma once

#include <memory>

#include "core/sound/sound_player.hpp"

class QSoundEffect;

namespace fretwise {

// Plays WAV files with Qt Multimedia's QSoundEffect, which loads and plays asynchronously
// and, without an audio device or with a file it cannot read, simply stays silent.
// Needs a running Qt application object; lives on the user-interface thread.
class QtSoundPlayer final : public SoundPlayer {
  public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;

    void PlayOnce(const std::filesystem::path& file) override;
    void Loop(const std::filesystem::path& file) override;
    void Stop() override;

    // Whether the sound is still under way. Without an audio device this may stay true, so
    // whoever waits for the end also bounds the wait by the sound's length.
    bool IsPlaying() const;

  private:
    void Start(const std::filesystem::path& file, int loops);

    // Made at the first sound: the audio back end is not started before anything plays.
    std::unique_ptr<QSoundEffect> effect_;
};

}  // namespace fretwise

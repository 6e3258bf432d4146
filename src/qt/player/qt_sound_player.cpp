#include "qt/player/qt_sound_player.hpp"

#include <QSoundEffect>
#include <QString>
#include <QUrl>

#include "core/sound/wav_check.hpp"

namespace fretwise {

QtSoundPlayer::QtSoundPlayer() = default;

QtSoundPlayer::~QtSoundPlayer() {
    if (effect_) {
        effect_->stop();
    }
}

void QtSoundPlayer::PlayOnce(const std::filesystem::path& file) {
    Start(file, 1);
}

void QtSoundPlayer::Loop(const std::filesystem::path& file) {
    Start(file, QSoundEffect::Infinite);
}

void QtSoundPlayer::Stop() {
    if (effect_) {
        effect_->stop();
        effect_->setSource(QUrl());
    }
}

// The temporary files are rewritten under the same name, so the source is cleared before it
// is set again: setting the same URL a second time would keep the sound loaded before.
// QSoundEffect waits for good on a file that ends before its declared data, and then hangs
// at the next change of source, so such files are not handed to it at all.
void QtSoundPlayer::Start(const std::filesystem::path& file, int loops) {
    Stop();
    if (file.empty() || !IsCompleteWavFile(file)) {
        return;
    }
    if (!effect_) {
        effect_ = std::make_unique<QSoundEffect>();
    }
    effect_->setLoopCount(loops);
    effect_->setSource(QUrl::fromLocalFile(QString::fromStdString(file.string())));
    effect_->play();
}

bool QtSoundPlayer::IsPlaying() const {
    return effect_ && effect_->isPlaying();
}

}  // namespace fretwise

#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QObject>

#include <vector>

#include "tuner/audio_input.hpp"

class QAudioSource;
class QIODevice;

namespace fretwise {

// The system's default sound input through QAudioSource, mixed down to mono floats. Mono
// floats are asked for first; otherwise the device's own preferred format is read.
class Microphone : public QObject, public AudioInput {
  public:
    using QObject::QObject;
    ~Microphone() override;

    std::optional<int> Start(Sink hear, std::function<void()> lost) override;
    void Stop() override;

  private:
    void Read();
    void CheckState();

    QAudioSource* source_ = nullptr;
    QIODevice* io_ = nullptr;
    QAudioFormat format_;
    QByteArray pending_;  // the start of a frame that has not fully arrived
    std::vector<float> samples_;
    Sink hear_;
    std::function<void()> lost_;
};

}  // namespace fretwise

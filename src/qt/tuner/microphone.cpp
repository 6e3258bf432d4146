#include "qt/tuner/microphone.hpp"

#include <QAudioDevice>
#include <QAudioSource>
#include <QMediaDevices>

namespace fretwise {

Microphone::~Microphone() {
    Stop();
}

std::optional<int> Microphone::Start(Sink hear, std::function<void()> lost) {
    Stop();
    const QAudioDevice device = QMediaDevices::defaultAudioInput();
    if (device.isNull()) {
        return std::nullopt;
    }
    QAudioFormat format = device.preferredFormat();
    QAudioFormat monoFloats = format;
    monoFloats.setChannelCount(1);
    monoFloats.setSampleFormat(QAudioFormat::Float);
    if (device.isFormatSupported(monoFloats)) {
        format = monoFloats;
    }
    if (!format.isValid() || !device.isFormatSupported(format)) {
        return std::nullopt;
    }
    source_ = new QAudioSource(device, format, this);
    io_ = source_->start();
    if (io_ == nullptr || source_->error() != QAudio::NoError) {
        Stop();
        return std::nullopt;
    }
    format_ = format;
    hear_ = std::move(hear);
    lost_ = std::move(lost);
    connect(io_, &QIODevice::readyRead, this, &Microphone::Read);
    connect(source_, &QAudioSource::stateChanged, this, &Microphone::CheckState);
    return format.sampleRate();
}

void Microphone::Stop() {
    if (source_ == nullptr) {
        return;
    }
    source_->disconnect(this);
    if (io_ != nullptr) {
        io_->disconnect(this);
    }
    source_->stop();
    // It may be stopping from inside one of its own signals.
    source_->deleteLater();
    source_ = nullptr;
    io_ = nullptr;
    pending_.clear();
}

void Microphone::CheckState() {
    if (source_ != nullptr && source_->state() == QAudio::StoppedState &&
        source_->error() != QAudio::NoError && lost_) {
        const std::function<void()> lost = lost_;
        lost();
    }
}

void Microphone::Read() {
    pending_ += io_->readAll();
    const int frameBytes = format_.bytesPerFrame();
    const int channels = format_.channelCount();
    const int sampleBytes = format_.bytesPerSample();
    if (frameBytes <= 0 || channels <= 0) {
        return;
    }
    samples_.clear();
    qsizetype at = 0;
    for (; at + frameBytes <= pending_.size(); at += frameBytes) {
        float sum = 0.0f;
        for (int c = 0; c < channels; ++c) {
            sum += format_.normalizedSampleValue(pending_.constData() + at + c * sampleBytes);
        }
        samples_.push_back(sum / float(channels));
    }
    pending_.remove(0, at);
    if (!samples_.empty()) {
        hear_(samples_);
    }
}

}  // namespace fretwise

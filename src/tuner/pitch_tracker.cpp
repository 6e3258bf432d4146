#include "tuner/pitch_tracker.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

#include "tuner/aubio_library.hpp"

namespace fretwise {

namespace {

// The analysis window holds at least this many seconds, enough for three periods of the
// lowest note.
constexpr double kWindowSeconds = 0.04;

// Sound above this frequency carries no pitch of a guitar string, only noise, which would pull
// the detector sharp on the low strings; a low-pass filter keeps it out of the analysis.
constexpr double kLowPassHz = 2000.0;

int WindowFor(int sampleRate) {
    int size = 256;
    while (size < sampleRate * kWindowSeconds) {
        size *= 2;
    }
    return size;
}

// The mean power of the samples in decibels relative to full scale (a full-scale sine: -3).
double Decibels(std::span<const float> samples) {
    double sum = 0.0;
    for (const float s : samples) {
        sum += double(s) * s;
    }
    return 10.0 * std::log10(sum / double(samples.size()) + 1e-20);
}

// A second-order Butterworth low-pass at kLowPassHz.
aubio_filter_t* NewLowPass(int sampleRate) {
    const double w0 = 2.0 * std::numbers::pi * kLowPassHz / sampleRate;
    const double cosine = std::cos(w0);
    const double alpha = std::sin(w0) / std::numbers::sqrt2;  // sin(w0) / (2 Q), Q = 1/sqrt(2)
    const double a0 = 1.0 + alpha;
    const double b = (1.0 - cosine) / 2.0 / a0;
    return Aubio().newBiquad(b, 2.0 * b, b, -2.0 * cosine / a0, (1.0 - alpha) / a0);
}

}  // namespace

struct PitchTracker::Detector {
    aubio_pitch_t* pitch;
    aubio_filter_t* lowPass;
    fvec_t* in;
    fvec_t* out;

    Detector(int window, int hop, int sampleRate)
        : pitch(Aubio().newPitch("yinfast", uint_t(window), uint_t(hop), uint_t(sampleRate))),
          lowPass(NewLowPass(sampleRate)),
          in(Aubio().newVector(uint_t(hop))),
          out(Aubio().newVector(1)) {
        if (pitch == nullptr || lowPass == nullptr || in == nullptr || out == nullptr) {
            Free();
            throw std::runtime_error("aubio cannot create a pitch detector");
        }
        Aubio().pitchSetUnit(pitch, "Hz");
    }
    ~Detector() { Free(); }
    Detector(const Detector&) = delete;
    Detector& operator=(const Detector&) = delete;

    void Free() {
        if (pitch != nullptr) {
            Aubio().deletePitch(pitch);
        }
        if (lowPass != nullptr) {
            Aubio().deleteFilter(lowPass);
        }
        if (in != nullptr) {
            Aubio().deleteVector(in);
        }
        if (out != nullptr) {
            Aubio().deleteVector(out);
        }
    }
};

PitchTracker::PitchTracker(int sampleRate)
    : sampleRate_(std::clamp(sampleRate, kLowestRate, kHighestRate)),
      windowSize_(WindowFor(sampleRate_)),
      hop_(std::size_t(HopSize())) {
    Reset();
}

PitchTracker::~PitchTracker() = default;

void PitchTracker::Reset() {
    detector_ = std::make_unique<Detector>(windowSize_, HopSize(), sampleRate_);
    filled_ = 0;
    recent_.fill(std::nullopt);
    next_ = 0;
}

void PitchTracker::Feed(std::span<const float> samples) {
    while (!samples.empty()) {
        const std::size_t take = std::min(samples.size(), hop_.size() - filled_);
        std::copy_n(samples.begin(), take, hop_.begin() + std::ptrdiff_t(filled_));
        filled_ += take;
        samples = samples.subspan(take);
        if (filled_ == hop_.size()) {
            AnalyseHop();
            filled_ = 0;
        }
    }
}

void PitchTracker::AnalyseHop() {
    std::copy(hop_.begin(), hop_.end(), detector_->in->data);
    Aubio().filterDo(detector_->lowPass, detector_->in);
    Aubio().pitchDo(detector_->pitch, detector_->in, detector_->out);
    recent_[next_] = Analysis();
    next_ = (next_ + 1) % recent_.size();
}

std::optional<PitchReading> PitchTracker::Analysis() const {
    const PitchReading reading{detector_->out->data[0], Aubio().pitchConfidence(detector_->pitch)};
    if (Decibels(hop_) < kGateDecibels || reading.confidence < kMinConfidence ||
        reading.frequency < kLowestFrequency || reading.frequency > kHighestFrequency) {
        return std::nullopt;
    }
    return reading;
}

std::optional<PitchReading> PitchTracker::Current() const {
    std::vector<PitchReading> clear;
    for (const std::optional<PitchReading>& reading : recent_) {
        if (reading) {
            clear.push_back(*reading);
        }
    }
    if (clear.size() < std::size_t(kClearNeeded)) {
        return std::nullopt;
    }
    const auto middle = clear.begin() + std::ptrdiff_t(clear.size() / 2);
    std::nth_element(
        clear.begin(), middle, clear.end(),
        [](const PitchReading& a, const PitchReading& b) { return a.frequency < b.frequency; });
    return *middle;
}

}  // namespace fretwise

#include "synth.h"

#include "wav_file.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace waves {
namespace {

const double kTwoPi = 6.283185307179586;

int Length(double seconds) {
    return static_cast<int>(std::lround(seconds * kSampleRate));
}

std::vector<int16_t> ToPcm(const std::vector<double> &signal) {
    std::vector<int16_t> pcm;
    pcm.reserve(signal.size());
    for (double x : signal)
        pcm.push_back(static_cast<int16_t>(std::lround(std::clamp(x, -1.0, 1.0) * 32767.0)));
    return pcm;
}

// The signal f(t) at n samples from t = 0, in order (f may keep state).
template <typename F> std::vector<double> Sampled(int n, F f) {
    std::vector<double> signal(n);
    for (int i = 0; i < n; ++i)
        signal[i] = f(static_cast<double>(i) / kSampleRate);
    return signal;
}

// Raised-cosine fades at both ends, so that a sound starts and stops on silence.
void Fade(std::vector<double> &signal, double inSeconds, double outSeconds) {
    const int in = Length(inSeconds), out = Length(outSeconds);
    const int n = static_cast<int>(signal.size());
    for (int i = 0; i < in && i < n; ++i)
        signal[i] *= 0.5 - 0.5 * std::cos(kTwoPi * 0.5 * i / in);
    for (int i = 0; i < out && i < n; ++i)
        signal[n - 1 - i] *= 0.5 - 0.5 * std::cos(kTwoPi * 0.5 * i / out);
}

// The same noise at every build: xorshift, scaled to -1..1.
class Noise {
public:
    double Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<double>(state_) / 2147483648.0 - 1.0;
    }

private:
    uint32_t state_ = 2463534242u;
};

// A sine sweep whose frequency moves from f0 to f1 (exponentially), with
// rushing noise whose brightness follows it.
std::vector<int16_t> Sweep(double seconds, double f0, double f1) {
    const int n = Length(seconds);
    std::vector<double> signal(n);
    Noise noise;
    double phase = 0.0, low = 0.0;
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / n;
        const double f = f0 * std::pow(f1 / f0, t);
        phase += kTwoPi * f / kSampleRate;
        // One-pole low-pass whose corner follows the tone.
        const double a = std::min(1.0, kTwoPi * 4.0 * f / kSampleRate);
        low += a * (noise.Next() - low);
        signal[i] = 0.35 * std::sin(phase) + 0.5 * low;
    }
    Fade(signal, 0.25, 0.5);
    return ToPcm(signal);
}

} // namespace

std::vector<int16_t> ChargeHum() {
    // One second of 55 Hz and its harmonics, with a 5 Hz swell: every
    // component completes whole periods, so the last sample leads into the first.
    return ToPcm(Sampled(kSampleRate, [](double t) {
        const double swell = 0.8 + 0.2 * std::sin(kTwoPi * 5.0 * t);
        return swell * (0.30 * std::sin(kTwoPi * 55.0 * t) + 0.15 * std::sin(kTwoPi * 110.0 * t) +
                        0.08 * std::sin(kTwoPi * 165.0 * t) + 0.05 * std::sin(kTwoPi * 220.0 * t));
    }));
}

std::vector<int16_t> EngageChime() {
    std::vector<double> signal = Sampled(Length(0.7), [](double t) {
        return std::exp(-6.0 * t) *
               (0.30 * std::sin(kTwoPi * 880.0 * t) + 0.20 * std::sin(kTwoPi * 1320.0 * t) +
                0.10 * std::sin(kTwoPi * 1760.0 * t));
    });
    Fade(signal, 0.005, 0.05);
    return ToPcm(signal);
}

std::vector<int16_t> RisingSweep() {
    return Sweep(3.6, 80.0, 900.0);
}

std::vector<int16_t> FallingSweep() {
    return Sweep(3.0, 900.0, 60.0);
}

std::vector<int16_t> Bang() {
    Noise noise;
    double low = 0.0;
    std::vector<double> signal = Sampled(Length(1.2), [&](double t) {
        low += 0.2 * (noise.Next() - low);
        return std::exp(-5.0 * t) * 0.9 * low +
               std::exp(-3.0 * t) * 0.6 * std::sin(kTwoPi * 48.0 * t);
    });
    Fade(signal, 0.003, 0.2);
    return ToPcm(signal);
}

std::vector<int16_t> CancelBuzz() {
    std::vector<double> signal = Sampled(Length(0.3), [](double t) {
        double buzz = 0.0;
        for (int k = 1; k <= 9; k += 2) // odd harmonics: a soft square wave
            buzz += std::sin(kTwoPi * 140.0 * k * t) / k;
        return 0.35 * buzz;
    });
    Fade(signal, 0.01, 0.05);
    return ToPcm(signal);
}

std::vector<Wave> AllWaves() {
    return {{"load.wav", ChargeHum()},      {"engage.wav", EngageChime()},
            {"woosh1.wav", RisingSweep()},  {"bang.wav", Bang()},
            {"woosh2.wav", FallingSweep()}, {"cancel.wav", CancelBuzz()}};
}

} // namespace waves

#include "MasterBus.h"

#include "Biquad.h"
#include "LoudnessMeter.h"

#include <algorithm>
#include <cmath>

void cMasterBus::process(StereoBuffer& mix) const {
    remove_dc(mix.left);
    remove_dc(mix.right);
    shelve(mix);
    const float p = peak(mix);
    if (p <= 0.0f)
        return;
    scale(mix, settings_.drive_peak / p);
    for (size_t i = 0; i < mix.frames(); ++i) {
        mix.left[i] = soft_clip(mix.left[i]);
        mix.right[i] = soft_clip(mix.right[i]);
    }
    fade_out(mix);
    set_loudness(mix);
}

// A one-pole high-pass at about 10 Hz: the kick's decaying sweep is not
// symmetric and would otherwise leave a small offset under every hit.
void cMasterBus::remove_dc(std::vector<float>& channel) {
    const float r = 1.0f - 6.2831853f * 10.0f / kSampleRate;
    float last_in = 0.0f, last_out = 0.0f;
    for (float& x : channel) {
        last_out = x - last_in + r * last_out;
        last_in = x;
        x = last_out;
    }
}

// Linear below the knee, then a tanh curve that meets it with slope 1 and
// approaches full scale.
float cMasterBus::soft_clip(float x) const {
    const float k = settings_.knee;
    const float a = std::fabs(x);
    if (a <= k)
        return x;
    const float y = k + (1.0f - k) * std::tanh((a - k) / (1.0f - k));
    return std::copysign(y, x);
}

float cMasterBus::peak(const StereoBuffer& mix) {
    float p = 0.0f;
    for (size_t i = 0; i < mix.frames(); ++i)
        p = std::max({p, std::fabs(mix.left[i]), std::fabs(mix.right[i])});
    return p;
}

void cMasterBus::shelve(StereoBuffer& mix) const {
    if (settings_.shelf_db == 0.0)
        return;
    cBiquad::high_shelf(settings_.shelf_hz, settings_.shelf_db, 0.6).process(mix.left);
    cBiquad::high_shelf(settings_.shelf_hz, settings_.shelf_db, 0.6).process(mix.right);
}

void cMasterBus::scale(StereoBuffer& mix, float gain) {
    for (size_t i = 0; i < mix.frames(); ++i) {
        mix.left[i] *= gain;
        mix.right[i] *= gain;
    }
}

// Gain to the target loudness, then the limiter; what the limiter takes off
// the peaks lowers the loudness a little, so the pair runs again to settle.
void cMasterBus::set_loudness(StereoBuffer& mix) const {
    const cPeakLimiter limiter(settings_.limiter);
    for (int pass = 0; pass < 3; ++pass) {
        const double lufs = cLoudnessMeter(mix).integrated();
        scale(mix, float(std::pow(10.0, (settings_.loudness - lufs) / 20.0)));
        limiter.process(mix);
    }
}

void cMasterBus::fade_out(StereoBuffer& mix) const {
    const size_t n = std::min(mix.frames(), size_t(settings_.fade_seconds * kSampleRate));
    const size_t first = mix.frames() - n;
    for (size_t i = 0; i < n; ++i) {
        const float g = 0.5f + 0.5f * std::cos(3.14159265f * float(i + 1) / float(n));
        mix.left[first + i] *= g;
        mix.right[first + i] *= g;
    }
}

std::vector<int16_t> cMasterBus::to_pcm16(const StereoBuffer& mix) {
    std::vector<int16_t> pcm(2 * mix.frames());
    auto convert = [](float x) {
        return int16_t(std::lround(std::clamp(x, -1.0f, 1.0f) * 32767.0f));
    };
    for (size_t i = 0; i < mix.frames(); ++i) {
        pcm[2 * i] = convert(mix.left[i]);
        pcm[2 * i + 1] = convert(mix.right[i]);
    }
    return pcm;
}

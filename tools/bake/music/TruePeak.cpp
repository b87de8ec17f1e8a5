#include "TruePeak.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

using Phase = std::array<float, 16>;

// Blackman-windowed sinc at the offsets of the point `fraction` of a sample
// after the centre; each phase sums to 1, so a steady level stays exact.
Phase make_phase(double fraction) {
    Phase taps{};
    double sum = 0.0;
    for (int k = 0; k < 16; ++k) {
        const double t = double(k - 7) - fraction; // sample offset from the point
        const double w =
            0.42 + 0.5 * std::cos(M_PI * t / 8.0) + 0.08 * std::cos(2.0 * M_PI * t / 8.0);
        taps[size_t(k)] = float(w * std::sin(M_PI * t) / (M_PI * t));
        sum += taps[size_t(k)];
    }
    for (float& tap : taps)
        tap = float(tap / sum);
    return taps;
}

} // namespace

void cTruePeak::add_channel(const std::vector<float>& x, std::vector<float>& env) {
    static const std::array<Phase, 3> phases = {make_phase(0.25), make_phase(0.5),
                                                make_phase(0.75)};
    const size_t n = x.size();
    std::vector<float> padded(n + kTaps, 0.0f); // 7 zeros before the first sample
    std::copy(x.begin(), x.end(), padded.begin() + 7);
    for (size_t i = 0; i < n; ++i) {
        float top = std::fabs(x[i]);
        for (const Phase& taps : phases) {
            float y = 0.0f;
            for (int k = 0; k < kTaps; ++k)
                y += taps[size_t(k)] * padded[i + size_t(k)];
            top = std::max(top, std::fabs(y));
        }
        env[i] = std::max(env[i], top);
    }
}

std::vector<float> cTruePeak::envelope(const StereoBuffer& audio) {
    std::vector<float> env(audio.frames(), 0.0f);
    add_channel(audio.left, env);
    add_channel(audio.right, env);
    return env;
}

float cTruePeak::peak(const StereoBuffer& audio) {
    const std::vector<float> env = envelope(audio);
    return env.empty() ? 0.0f : *std::max_element(env.begin(), env.end());
}

double cTruePeak::peak_db(const StereoBuffer& audio) {
    return 20.0 * std::log10(std::max(1e-6f, peak(audio)));
}

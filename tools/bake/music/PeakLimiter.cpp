#include "PeakLimiter.h"

#include "TruePeak.h"

#include <algorithm>
#include <cmath>
#include <deque>

void cPeakLimiter::process(StereoBuffer& audio) const {
    const std::vector<float> gain = gain_curve(cTruePeak::envelope(audio));
    for (size_t i = 0; i < audio.frames(); ++i) {
        audio.left[i] *= gain[i];
        audio.right[i] *= gain[i];
    }
}

// The gain each frame needs, as the minimum over the look-ahead window that
// starts there, then averaged over the window that ends there: every average
// includes only minima taken over windows holding that frame, so it never
// exceeds what the frame needs, and it ramps down linearly into the peak.
std::vector<float> cPeakLimiter::gain_curve(const std::vector<float>& envelope) const {
    const size_t n = envelope.size();
    const size_t window = std::max<size_t>(1, size_t(settings_.lookahead * kSampleRate));
    std::vector<float> need(n), low(n), gain(n);
    for (size_t i = 0; i < n; ++i)
        need[i] = envelope[i] > settings_.ceiling ? settings_.ceiling / envelope[i] : 1.0f;
    std::deque<size_t> mins; // indices of increasing need, over need[i .. i + window)
    for (size_t i = n; i-- > 0;) {
        while (!mins.empty() && need[mins.back()] >= need[i])
            mins.pop_back();
        mins.push_back(i);
        if (mins.front() >= i + window)
            mins.pop_front();
        low[i] = need[mins.front()];
    }
    double sum = 0.0, held = 1.0;
    const double recover = 1.0 - std::exp(-1.0 / (settings_.release * kSampleRate));
    for (size_t i = 0; i < n; ++i) {
        sum += low[i] - (i >= window ? low[i - window] : 1.0);
        const double average = std::min(1.0, (sum + double(window)) / double(window));
        held = average < held ? average : held + (average - held) * recover;
        gain[i] = float(held);
    }
    return gain;
}

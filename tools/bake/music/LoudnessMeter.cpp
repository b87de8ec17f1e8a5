#include "LoudnessMeter.h"

#include "Biquad.h"

#include <algorithm>
#include <cmath>

namespace {

// The two K-weighting stages, designed from their analogue prototypes for
// this sample rate (the standard tabulates them for 48 kHz only).
cBiquad head_shelf() {
    const double k = std::tan(M_PI * 1681.974450955533 / kSampleRate), q = 0.7071752369554196;
    const double vh = std::pow(10.0, 3.999843853973347 / 20.0);
    const double vb = std::pow(vh, 0.4996667741545416);
    const double a0 = 1.0 + k / q + k * k;
    return cBiquad((vh + vb * k / q + k * k) / a0, 2.0 * (k * k - vh) / a0,
                   (vh - vb * k / q + k * k) / a0, 2.0 * (k * k - 1.0) / a0,
                   (1.0 - k / q + k * k) / a0);
}

cBiquad low_cut() {
    const double k = std::tan(M_PI * 38.13547087602444 / kSampleRate), q = 0.5003270373238773;
    const double a0 = 1.0 + k / q + k * k;
    return cBiquad(1.0, -2.0, 1.0, 2.0 * (k * k - 1.0) / a0, (1.0 - k / q + k * k) / a0);
}

double to_lufs(double mean_square) {
    return mean_square > 0.0 ? -0.691 + 10.0 * std::log10(mean_square) : -120.0;
}

} // namespace

cLoudnessMeter::cLoudnessMeter(const StereoBuffer& audio)
    : segments_(audio.frames() / kSegment, 0.0) {
    weigh(audio.left, segments_);
    weigh(audio.right, segments_);
}

void cLoudnessMeter::weigh(const std::vector<float>& channel, std::vector<double>& segments) {
    cBiquad shelf = head_shelf(), cut = low_cut();
    for (size_t s = 0; s < segments.size(); ++s) {
        double sum = 0.0;
        for (size_t i = s * kSegment; i < (s + 1) * kSegment; ++i) {
            const double y = cut.process(shelf.process(channel[i]));
            sum += y * y;
        }
        segments[s] += sum;
    }
}

double cLoudnessMeter::integrated(size_t from, size_t to) const {
    const size_t first = from / kSegment, last = std::min(to / kSegment, segments_.size());
    std::vector<double> blocks; // mean square of each 400 ms block above the absolute gate
    for (size_t s = first; s + 4 <= last; ++s) {
        const double ms = (segments_[s] + segments_[s + 1] + segments_[s + 2] + segments_[s + 3]) /
                          double(4 * kSegment);
        if (to_lufs(ms) > -70.0)
            blocks.push_back(ms);
    }
    if (blocks.empty())
        return -120.0;
    double sum = 0.0;
    for (double ms : blocks)
        sum += ms;
    const double gate = to_lufs(sum / double(blocks.size())) - 10.0;
    double kept = 0.0;
    size_t count = 0;
    for (double ms : blocks)
        if (to_lufs(ms) > gate)
            kept += ms, ++count;
    return count ? to_lufs(kept / double(count)) : -120.0;
}

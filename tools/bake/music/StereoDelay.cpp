#include "StereoDelay.h"

#include <algorithm>

cStereoDelay::cStereoDelay(const DelaySettings& settings)
    : settings_(settings), line_l_(std::max<size_t>(1, size_t(settings.seconds * kSampleRate))),
      line_r_(line_l_.size()) {
    damp_l_.set(settings.damping_hz, 0.0f);
    damp_r_.set(settings.damping_hz, 0.0f);
}

void cStereoDelay::process(StereoBuffer& io) {
    const size_t size = line_l_.size();
    size_t pos = 0;
    for (size_t i = 0; i < io.frames(); ++i) {
        const float out_l = line_l_[pos];
        const float out_r = line_r_[pos];
        const float mono = 0.5f * (io.left[i] + io.right[i]);
        line_l_[pos] = mono + settings_.feedback * damp_r_.low(out_r);
        line_r_[pos] = settings_.feedback * damp_l_.low(out_l);
        io.left[i] = out_l;
        io.right[i] = out_r;
        pos = pos + 1 == size ? 0 : pos + 1;
    }
}

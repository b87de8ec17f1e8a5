// A look-ahead limiter on the true peak: the gain of both sides falls
// smoothly within the look-ahead before a peak that would pass the ceiling
// and recovers after it, so no interpolated peak ends above the ceiling.
#pragma once

#include "StereoBuffer.h"

#include <vector>

struct LimiterSettings {
    float ceiling = 0.84f;    // linear true peak, -1.5 dBTP
    double lookahead = 0.002; // seconds the gain takes to fall
    double release = 0.08;    // seconds, time constant of the recovery
};

class cPeakLimiter {
public:
    explicit cPeakLimiter(const LimiterSettings& settings) : settings_(settings) {}
    void process(StereoBuffer& audio) const;

private:
    std::vector<float> gain_curve(const std::vector<float>& envelope) const;

    LimiterSettings settings_;
};

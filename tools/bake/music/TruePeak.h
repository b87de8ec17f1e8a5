// The true peak of sampled audio: the highest level the waveform reaches
// between samples too, found by 4x oversampling with a windowed-sinc
// interpolator. A decoder or DAC rebuilds those peaks, so they must fit.
#pragma once

#include "StereoBuffer.h"

#include <vector>

class cTruePeak {
public:
    // Per frame: the largest magnitude, over both sides, of the sample and
    // of the three points interpolated between it and the next one.
    static std::vector<float> envelope(const StereoBuffer& audio);
    static float peak(const StereoBuffer& audio); // linear, 1.0 = full scale
    static double peak_db(const StereoBuffer& audio);

private:
    static constexpr int kTaps = 16; // per interpolated point, 8 each side
    static void add_channel(const std::vector<float>& x, std::vector<float>& env);
};

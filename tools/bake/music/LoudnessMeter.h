// Programme loudness as ITU-R BS.1770 measures it: both sides K-weighted
// (a head-shaped high shelf and a low cut), mean square in 400 ms blocks every
// 100 ms, gated at -70 LUFS and then 10 LU below the mean of what passed.
#pragma once

#include "StereoBuffer.h"

#include <vector>

class cLoudnessMeter {
public:
    explicit cLoudnessMeter(const StereoBuffer& audio);
    // Integrated loudness of the frames from..to in LUFS (-120 if all gated).
    double integrated(size_t from, size_t to) const;
    double integrated() const { return integrated(0, segments_.size() * kSegment); }

    static constexpr size_t kSegment = kSampleRate / 10; // 100 ms, a quarter block

private:
    static void weigh(const std::vector<float>& channel, std::vector<double>& segments);

    std::vector<double> segments_; // K-weighted sum of squares per 100 ms, both sides
};

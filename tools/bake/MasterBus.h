// The last stage before encoding: removes DC, drives the mix into a soft-knee
// clipper to tame the transient peaks, fades the tail out so the piece never ends on a
// cut, normalises the peak to a safe ceiling and converts to 16-bit PCM.
#pragma once

#include "StereoBuffer.h"

#include <cstdint>
#include <vector>

struct MasterSettings {
    float drive_peak = 1.3f;   // the mix peak is scaled to this before clipping
    float knee = 0.6f;         // the clipper is linear below this level
    float ceiling = 0.966f;    // final peak, -0.3 dBFS
    double fade_seconds = 1.5; // cosine fade at the very end
};

class cMasterBus {
public:
    explicit cMasterBus(const MasterSettings& settings) : settings_(settings) {}
    void process(StereoBuffer& mix) const;
    // Interleaved left/right samples, rounded; the ceiling keeps them in range.
    static std::vector<int16_t> to_pcm16(const StereoBuffer& mix);
    static float peak(const StereoBuffer& mix);

private:
    static void remove_dc(std::vector<float>& channel);
    float soft_clip(float x) const;
    void scale(StereoBuffer& mix, float target_peak) const;
    void fade_out(StereoBuffer& mix) const;

    MasterSettings settings_;
};

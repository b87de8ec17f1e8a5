// The last stage before encoding: removes DC, softens the top with a gentle
// shelf, drives the mix into a soft-knee clipper to tame the transient peaks,
// fades the tail out, sets the loudness and limits the true peak under a ceiling.
#pragma once

#include "PeakLimiter.h"
#include "StereoBuffer.h"

#include <cstdint>
#include <vector>

struct MasterSettings {
    double shelf_hz = 8000.0;  // the high shelf's corner
    double shelf_db = 0.0;     // its gain, 0: flat
    float drive_peak = 1.3f;   // the mix peak is scaled to this before clipping
    float knee = 0.6f;         // the clipper is linear below this level
    double fade_seconds = 1.5; // cosine fade at the very end
    double loudness = -14.0;   // integrated, LUFS
    LimiterSettings limiter;   // its ceiling is the final true peak
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
    void shelve(StereoBuffer& mix) const;
    float soft_clip(float x) const;
    static void scale(StereoBuffer& mix, float gain);
    void fade_out(StereoBuffer& mix) const;
    void set_loudness(StereoBuffer& mix) const;

    MasterSettings settings_;
};

#include "Riser.h"

#include "Filter.h"
#include "Noise.h"

#include <algorithm>
#include <cmath>

void cRiser::play(const VoiceNote& note, StereoBuffer& out, size_t start) {
    if (start >= out.frames() || note.hold == 0)
        return;
    const size_t tail = size_t(7.0f * shape_.release * kSampleRate);
    const size_t length = std::min(note.hold + tail, out.frames() - start);
    cNoise noise_l(note.seed), noise_r(note.seed + 104729u);
    cFilter filter_l, filter_r;
    for (size_t i = 0; i < length; ++i) {
        const float progress = std::min(1.0f, float(i) / note.hold);
        if (i % 16 == 0) {
            const float hz = shape_.from_hz * std::pow(shape_.to_hz / shape_.from_hz, progress);
            filter_l.set(hz, shape_.resonance);
            filter_r.set(hz * 1.03f, shape_.resonance);
        }
        float level = progress * progress * note.velocity;
        if (i >= note.hold)
            level *= std::exp(-float(i - note.hold) / (shape_.release * kSampleRate));
        out.left[start + i] += filter_l.band(noise_l.next()) * level;
        out.right[start + i] += filter_r.band(noise_r.next()) * level;
    }
}

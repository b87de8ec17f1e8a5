#include "cCreditsRoomCues.h"

#include "base/Smoothstep.h"

#include <algorithm>
#include <cmath>

void cCreditsRoomCues::init(int32_t now) {
    decay = 1000;
    path_start_ = now;
}

void cCreditsRoomCues::note_on(int track, int32_t now) {
    switch (track) {
    case 10:
        if ((++counters_->track10 + 1) % 3 == 0)
            decay_start_ = now;
        break;
    case 1:
        if (++counters_->track1 % 2 == 0) {
            path = (path + 1) % kPaths;
            path_start_ = now;
        }
        break;
    case 4:
        blend_start_ = now;
        break;
    default:
        break;
    }
}

void cCreditsRoomCues::update(int32_t now, cLevelsParams& levels, cHsbParams& hsb) {
    if (!counters_->started) {
        counters_->started = true;
        counters_->first_update = now;
    }
    blend = 0.5f + 0.5f * std::clamp(float(now - blend_start_) / 400.0f, 0.0f, 1.0f);
    // The flash holds for the first sixth of `decay`, then eases out.
    const float k = smoothstep(1.2f * (1 - float(now - decay_start_) / decay));
    levels.inBlack = 65 * k;
    levels.inWhite = 255 - 147 * k;
    levels.Gamma = 1 + k;
    hsb.saturation = std::clamp(-100 * std::pow(k, 1.0f / 7.0f), -100.0f, 100.0f);
    const float fade = smoothstep(1 - float(now - counters_->first_update) / 1500.0f);
    levels.outBlack = std::clamp(255 * fade, 0.0f, 255.0f);
}

float cCreditsRoomCues::path_parameter(int32_t now) const {
    return float(now - path_start_) / float(kPathMs[path]);
}

#include "cCreditsSunCues.h"

#include "base/Smoothstep.h"

#include <algorithm>

void cCreditsSunCues::init(int32_t now) {
    path_start_ = now;
}

void cCreditsSunCues::advance(int32_t now) {
    path = (path + 1) % kPaths;
    path_start_ = now;
    zoom_start_ = now;
}

void cCreditsSunCues::beat(int32_t now) {
    ++beats;
    if (beats > 31)
        slow_camera = false;
    if (beats == 32 || beats == 33 || beats == 64)
        advance(now);
}

void cCreditsSunCues::note_on(int track, int32_t time, int32_t now) {
    switch (track) {
    case 1:
        kick_time_ = time;
        break;
    case 17:
        ++track17;
        if (track17 % 2 == 1 && !slow_camera) {
            advance(now);
            if (track17 > 20)
                reverse = true;
        }
        break;
    case 9:
        flash_time_ = time;
        break;
    default:
        break;
    }
}

void cCreditsSunCues::controller(int number, int value) {
    if (number == kLightController)
        light_int = float(value) / 127.0f;
}

void cCreditsSunCues::start(int32_t now, int32_t next_switch) {
    counters_->started = true;
    counters_->first_update = now;
    counters_->span = next_switch - now;
}

void cCreditsSunCues::update(int32_t now, cLevelsParams& levels) {
    if (!counters_->started)
        start(now, -1);
    const float x = clamp01(float(now - flash_time_) / 200.0f);
    blend = clamp01(0.1f + 0.65f * light_int * (1 - x));
    particle_alpha = 0.02f + 0.03f * light_int * (1 - x);
    // Brightens until 2.5 s before the next scene; with no next scene (or one too close to
    // ease toward) the picture keeps its first grade.
    const int32_t ramp = counters_->span - 2500;
    const float p = ramp > 0 ? smoothstep(float(since_start(now)) / float(ramp)) : 0.0f;
    levels.inWhite = 245 - 95 * p;
    levels.Gamma = 1 + 0.2f * p;
    const float kick = clamp01(1 - float(now - kick_time_) / 400.0f);
    levels.inBlack = 85 + 50 * kick * (1 - light_int);
}

float cCreditsSunCues::path_parameter(int32_t now) const {
    const int32_t length = slow_camera ? kSlowMs : kPathMs[path];
    const float a = float(now - path_start_) / float(length);
    return reverse ? 0.98f - a : a;
}

float cCreditsSunCues::fov(int32_t now) const {
    if (slow_camera)
        return 85;
    return 85 + 85 * (1 - smoothstep(0.5f + 0.5f * float(now - zoom_start_) / 500.0f));
}

float cCreditsSunCues::sun_scale(int32_t now) {
    if (!counters_->sun_started) {
        counters_->sun_started = true;
        counters_->sun_start = now;
    }
    return 5 * smoothstep(float(now - counters_->sun_start - 5000) / 15000.0f);
}

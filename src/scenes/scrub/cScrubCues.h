// What the growing scrub takes from the tune: counts and times of the kick (track 1), the
// crashes (track 10) and the bell accents (track 17), the greeting they select, and the
// per-frame values derived from them: flash, fog, tube colour, greeting flight and morph.
#pragma once

#include "geometry/Vec3.h"

#include <cstdint>

class cEventQueue;

class cScrubCues {
public:
    static constexpr int kKickTrack = 1, kCrashTrack = 10, kAccentTrack = 17;
    static constexpr int kGreetings = 7;
    // Kicks after which the greetings start and after which the logo bars come in.
    static constexpr int kGreetingKicks = 31, kLogoKick = 32;

    // One note-on at `time` (ms); `queue` is searched ahead for the greeting's timing.
    void note_on(int track, int32_t time, const cEventQueue* queue);
    // The per-frame values at demo time `now` (ms).
    void update(int32_t now);
    // The inner radius range for the present kick count: (min, max, change distance).
    Vec3f radius_range() const;
    // A radius within the present range for a random value r in 0..1.
    float inner_radius(float r) const;
    // Alpha factor and scale of the glow behind a greeting at morph weight `morph`.
    static float glow_alpha(float morph);
    static float glow_scale(float morph);
    bool greeting_shown() const { return greeting >= 0 && greeting < kGreetings; }

    int32_t crash_count = 0, accent_count = 0, kick_count = 0;
    int32_t last_crash_ms = -10000, accent_ms = 0, last_kick_ms = -10000;
    float logo_kick_s = 1e9f;
    bool first_hit = true;
    float flash_decay = 400.0f, flash_mix = 1.0f;

    int greeting = -1;
    // The first greeting of the run waits for the third accent; later ones for the next.
    bool first_greeting = true;
    int32_t greeting_start = 0, greeting_accent = 0, greeting_end = 0;
    float greeting_rotation = 0.0f;

    // Derived every frame.
    float flash = 0.0f, fog_in_use = 0.2f, blue = 0.0f;
    float base_fog = 0.2f, clear_blue = 0.0f;
    Vec3f tube_colour;
    float greeting_z = 0.0f, morph = 0.0f;

private:
    void kick(int32_t time);
    void accent(int32_t time);
    void crash(int32_t time, const cEventQueue* queue);
};

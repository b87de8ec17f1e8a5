#include "cScrubCues.h"

#include "base/Smoothstep.h"
#include "timeline/cEventQueue.h"
#include "timeline/cMETrigger.h"
#include "toolkit/cRandomTable.h"

#include <algorithm>
#include <cmath>

namespace {

// The tune's two bars, for a look-ahead that finds no later note.
constexpr int32_t kFallbackSpanMs = 4068;

int32_t nth_note_time(const cEventQueue* queue, int track, int n, int32_t otherwise) {
    const cMETrigger* note = queue != nullptr ? queue->find_nth_note(track, n) : nullptr;
    return note != nullptr ? note->time : otherwise;
}

// A span that never divides by zero.
float span(int32_t from, int32_t to) {
    return static_cast<float>(std::max(1, to - from));
}

} // namespace

void cScrubCues::note_on(int track, int32_t time, const cEventQueue* queue) {
    if (track == kKickTrack)
        kick(time);
    else if (track == kAccentTrack)
        accent(time);
    else if (track == kCrashTrack)
        crash(time, queue);
}

void cScrubCues::kick(int32_t time) {
    ++kick_count;
    first_hit = false;
    if (kick_count == kLogoKick)
        logo_kick_s = static_cast<float>(time) / 1000.0f;
    last_kick_ms = time;
}

void cScrubCues::accent(int32_t time) {
    ++accent_count;
    const bool before = kick_count < kGreetingKicks;
    if ((before && (accent_count % 2 == 1 || accent_count > 14)) || (!before && accent_count == 17))
        accent_ms = time;
}

void cScrubCues::crash(int32_t time, const cEventQueue* queue) {
    ++crash_count;
    last_crash_ms = time;
    if (kick_count < kGreetingKicks)
        return;
    if (++greeting == kGreetings)
        greeting = -10;
    greeting_start = time;
    greeting_end = nth_note_time(queue, kCrashTrack, 2, time + kFallbackSpanMs);
    greeting_accent = nth_note_time(queue, kAccentTrack, first_greeting ? 3 : 1, time);
    first_greeting = false;
    greeting_rotation = (next_random() - 0.5f) * 60.0f;
}

Vec3f cScrubCues::radius_range() const {
    const bool wide = kick_count > 27 && kick_count < 53;
    return {wide ? 2.15f : 0.44f, 0.5f, 0.2f};
}

// The range runs between its two ends whichever is larger.
float cScrubCues::inner_radius(float r) const {
    const Vec3f range = radius_range();
    return std::min(range.x, range.y) + std::fabs(range.y - range.x) * r;
}

void cScrubCues::update(int32_t now) {
    const float d = std::clamp((now - last_kick_ms) / flash_decay, 0.0f, 1.0f);
    flash = flash_mix * (1 - d);
    blue = (1 - flash_mix) * clear_blue + flash_mix * 0.95f * flash;
    fog_in_use = smoothstep(flash) * 0.2f + base_fog;
    const float m = 1.0f - static_cast<float>(now - accent_ms) / 800.0f;
    tube_colour = {0.67f * m, 0.3f * m, 0.0f};
    const float w = std::clamp(static_cast<float>(now - greeting_start) /
                                       span(greeting_start, greeting_end) * 0.25f +
                                   0.75f,
                               0.0f, 1.0f);
    greeting_z = 4.0f - (smoothstep(w) * 4.0f - 3.0f) * 5.1f;
    morph = std::clamp(static_cast<float>(now - greeting_accent) /
                           span(greeting_accent, greeting_end) * 1.2f,
                       0.0f, 1.0f);
}

float cScrubCues::glow_alpha(float morph) {
    const float k = std::pow(1.0f - morph, 3.0f);
    return k > 0.9999f ? 0.0f : k;
}

float cScrubCues::glow_scale(float morph) {
    return std::clamp(3.0f * morph, 0.0f, 1.0f);
}

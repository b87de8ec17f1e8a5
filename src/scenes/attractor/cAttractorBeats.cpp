#include "cAttractorBeats.h"

#include "cAttractorPresets.h"

bool cAttractorBeats::handle(int type, int32_t now_ms, cAttractorBeatState& state) {
    state.cloud0_alpha = 1.0f;
    if (type != kBeatEvent)
        return false;
    ++event_count;
    if (event_count > 40) {
        switch_step = 8;
        state.flash_ms = 1500;
    }
    if (event_count >= 48) {
        switch_step = 4;
        state.flash_ms = 1300;
    }
    if (event_count >= 56) {
        switch_step = 1;
        state.flash_ms = 600;
        state.cloud0_alpha = 0.1f;
    }
    if (event_count % switch_step != 0)
        return false;
    state.preset = (state.preset + 1) % cAttractorPresets::kCount;
    state.last_switch_ms = now_ms;
    return true;
}

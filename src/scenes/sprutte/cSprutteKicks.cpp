#include "cSprutteKicks.h"

void cSprutteKicks::restart() {
    kickcount = 0;
    main_start_ms = -10000;
}

bool cSprutteKicks::note_on(int track, int32_t event_ms, int32_t now_ms) {
    if (track == kFlashTrack) {
        flash_ms = event_ms;
        return false;
    }
    if (track != kKickTrack)
        return false;
    ++kickcount;
    // The tune's four bars before the kick groove hold 14 kicks: the count starts over once.
    if (kickcount == kResetAt && reset_pending_) {
        reset_pending_ = false;
        kickcount = 0;
    }
    if (kickcount < kMainFrom)
        return false;
    intro = false;
    main_start_ms = now_ms;
    if (kickcount % 4 != 0 || kickcount == 68)
        next_path(now_ms);
    return true;
}

void cSprutteKicks::next_path(int32_t now_ms) {
    if (kickcount < kReverseFrom) {
        path = (path + 1) % kPathCount;
    } else {
        path = path - 1 < 0 ? kPathCount - 1 : path - 1;
    }
    path_start_ms = now_ms;
}

float cSprutteKicks::path_parameter(int32_t now_ms) {
    if (kickcount != 68 && kickcount < 98)
        parameter_ = static_cast<float>(now_ms - path_start_ms) / kPathMs;
    return parameter_;
}

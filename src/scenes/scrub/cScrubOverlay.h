// The growing scrub's screen-space layer over the finished frame: the two logo bars that slide
// in on the 32nd kick, the opening background and head that fade on the first kick, and the
// head's echo after crashes early in the scene. Its vignette is multiplied in by the scene.
#pragma once

#include "cScrubCues.h"
#include "render/cBorderedPicture.h"
#include "render/cTextureDesc.h"
#include "render/post/PostEffects.h"

#include <cstdint>
#include <memory>

class cScrubOverlay {
public:
    static constexpr int kEchoCopies = static_cast<int>(std::tuple_size_v<tEchoShifts>);

    void load();
    void rewind() { frozen_ms_ = 0; }
    // The frame's state at demo time `now` (ms): the first kick's time once it has come, and
    // the echo copies' jitter, drawn from the random table while the echo plays.
    void update(const cScrubCues& cues, int32_t now);
    // Over the current framebuffer at demo time `now` (ms).
    void draw(const cScrubCues& cues, int32_t now);

    cTextureDesc logo_top, logo_bottom, background, head, vignette;

private:
    void draw_logo_bars(const cScrubCues& cues, int32_t now);
    void draw_opening(float zoom, float background_alpha, float head_alpha);
    void draw_echo(const cScrubCues& cues, int32_t now, float zoom);

    static bool echoes(const cScrubCues& cues) {
        return cues.kick_count > 1 && cues.kick_count <= 30;
    }

    int32_t frozen_ms_ = 0;                       // the time of the first kick, once it has come
    std::unique_ptr<cBorderedPicture> echo_head_; // the head as the echo reads it
    float jitter_[kEchoCopies] = {};
};

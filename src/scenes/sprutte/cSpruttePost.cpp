#include "cSpruttePost.h"

#include "render/cRenderTargetManager.h"
#include "render/cTextureManager.h"
#include "render/post/PostEffects.h"

void cSpruttePost::load() {
    blur_mask_ = texture_manager().get_texture("blur_mask.jpg", false, GL_CLAMP, 0);
    grade_ = std::make_unique<cColorCorrection>("sprutte_color_correction_orange.png");
}

void cSpruttePost::apply(iRenderTarget& scene) {
    cRenderTargetManager& pool = render_target_manager();
    cTmpRenderTarget bright, blurred, pale;
    spill_bright(scene, bright, RTT_QUATER, cut_levels());
    soft_blur(scene, blurred, RTT_QUATER);
    pool.acquire(pale, RTT_QUATER);
    pale->begin();
    hsb(cHsbParams{0, -75, 0}, *blurred.get(), &blur_mask_);
    pale->end();
    cGradeSteps steps{bright.get(), &grade_->lookup()};
    steps.overlay = pale.get();
    grade(scene, steps);
    pool.release(pale);
    pool.release(blurred);
    pool.release(bright);
}

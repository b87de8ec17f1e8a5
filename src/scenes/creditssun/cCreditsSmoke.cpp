#include "cCreditsSmoke.h"

#include "render/GlExtensions.h"
#include "render/cSavedState.h"

cCreditsSmoke::~cCreditsSmoke() {
    if (points_.vbo)
        points_.delete_buffer();
}

void cCreditsSmoke::load() {
    system_.init(100, 0, 3, {0, 0, 0}, 6);
    ring_.set_position({0, 85, 0});
    ring_.radius = 150;
}

void cCreditsSmoke::create_buffer() {
    points_.create_buffer();
}

void cCreditsSmoke::init() {
    sink_.sinkpos = {0, 175, 0};
    sink_.sinkstrength = 547.476f;
    sphere_.sphpos = {0, 175, 0};
    system_.drag = 0.023137f;
    ring_.radius = 213.717f;
    ring_.initvel = 473.257f;
    vortex_.vtxvec = {0, 1, 0};
    vortex_.vtxpos = {0, 0, 0};
    vortex_.vtxstrength = 0.015625f;
}

void cCreditsSmoke::step(int32_t since_start, float dt, float sun_scale) {
    sphere_.sphrad = kSunRadius * sun_scale;
    if (since_start < kEmitMs)
        ring_.emit(system_, dt);
    sink_.apply(system_, 0);
    vortex_.apply(system_, 0);
    system_.update(dt);
    sphere_.apply(system_, 0);
}

void cCreditsSmoke::draw() {
    const cSavedState saved(GL_CURRENT_BIT | GL_ENABLE_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_TEXTURE_RECTANGLE_ARB);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ZERO, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(0, 0, 0, 0.9f);
    points_.render(system_);
}

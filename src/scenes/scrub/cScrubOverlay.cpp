#include "cScrubOverlay.h"

#include "base/Smoothstep.h"
#include "render/ScreenHelpers.h"
#include "render/cScopedTexture.h"
#include "render/cTextureManager.h"
#include "toolkit/cRandomTable.h"

#include <GL/gl.h>
#include <algorithm>

namespace {

// A picture over the unit square, texel for texel; nothing when it could not be loaded.
void draw_texel(const cTextureDesc& t) {
    if (!t.valid())
        return;
    const cScopedTexture bound(t);
    quad_texel(static_cast<float>(t.width), static_cast<float>(t.height));
}

} // namespace

void cScrubOverlay::load() {
    cTextureManager& textures = texture_manager();
    logo_top = textures.get_texture("mrllogo_top.png", false, GL_CLAMP_TO_EDGE, 0);
    logo_bottom = textures.get_texture("mrllogo_bottom.png", false, GL_CLAMP_TO_EDGE, 0);
    background = textures.get_texture("sun_back01.jpg", false, GL_CLAMP, 0);
    head = textures.get_texture("head03.png", false, GL_CLAMP, 0);
    echo_head_ = std::make_unique<cBorderedPicture>(head);
    vignette = textures.get_texture("vignette02.jpg", false, GL_CLAMP_TO_EDGE, 0);
}

// The copies draw from the random table whether or not they show, so that the table's
// sequence does not depend on what is visible.
void cScrubOverlay::update(const cScrubCues& cues, int32_t now) {
    if (cues.first_hit)
        frozen_ms_ = now;
    if (echoes(cues))
        for (float& j : jitter_)
            j = 2 * next_random() - 1;
}

void cScrubOverlay::draw(const cScrubCues& cues, int32_t now) {
    glDepthMask(GL_FALSE);
    begin_ortho_white();
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    draw_logo_bars(cues, now);
    const float m = std::clamp((now - frozen_ms_) / 12000.0f, 0.0f, 1.0f);
    const float zoom = 0.9f - 0.55f * m;
    draw_opening(zoom, 1.0f - std::clamp((now - frozen_ms_) / 500.0f, 0.0f, 1.0f),
                 1.0f - std::clamp((now - frozen_ms_) / 350.0f, 0.0f, 1.0f));
    if (echoes(cues))
        draw_echo(cues, now, zoom);
    glColor4f(1, 1, 1, 1);
    end_ortho();
    glDepthMask(GL_TRUE);
}

void cScrubOverlay::draw_logo_bars(const cScrubCues& cues, int32_t now) {
    const float b = std::clamp(1.0f - (now / 1000.0f - cues.logo_kick_s) / 0.425f, 0.0f, 1.0f);
    const float e = smoothstep(b);
    if (logo_bottom.valid()) {
        glPushMatrix();
        glTranslatef(0, -0.3f * e, 0);
        glScalef(1, 0.4f, 1);
        const cScopedTexture bound(logo_bottom);
        quad_unit();
        glPopMatrix();
    }
    if (logo_top.valid()) {
        glPushMatrix();
        glTranslatef(0, 0.3f * e, 0);
        glTranslatef(0, 0.8f, 0);
        glScalef(1, 0.2f, 1);
        const cScopedTexture bound(logo_top);
        quad_unit();
        glPopMatrix();
    }
}

// Fully faded layers are skipped: they would blend nothing.
void cScrubOverlay::draw_opening(float zoom, float background_alpha, float head_alpha) {
    if (background_alpha > 0.0f) {
        glColor4f(1, 1, 1, background_alpha);
        draw_texel(background);
    }
    if (head_alpha > 0.0f) {
        glColor4f(1, 1, 1, head_alpha);
        glPushMatrix();
        glScalef(zoom, zoom, 1);
        glTranslatef((1 - zoom) / 2, (1 - zoom) / 2, 0);
        draw_texel(head);
        glPopMatrix();
    }
}

// Each copy is shifted from the one before by its own jitter, the whole echo within the head's
// zoomed square.
void cScrubOverlay::draw_echo(const cScrubCues& cues, int32_t now, float zoom) {
    const float t = (now - cues.last_crash_ms) / 500.0f;
    const float p = smoothstep(std::clamp((1 - t) * 1.5f, 0.0f, 1.0f));
    const float shift = std::clamp((t - 0.2f) * 1.43f * (1 - p) / zoom, 0.0f, 1.0f);
    tEchoShifts shifts;
    float x = 0;
    for (int i = 0; i < kEchoCopies; ++i)
        shifts[size_t(i)] = x += jitter_[i] * shift;
    glPushMatrix();
    glTranslatef((1 - zoom) / 2, (1 - zoom) / 2, 0);
    glScalef(zoom, zoom, 1);
    if (echo_head_ && echo_head_->texture().valid())
        echo(echo_head_->texture(), shifts, p / kEchoCopies, cBorderedPicture::kBorder);
    else
        echo(head, shifts, p / kEchoCopies);
    glPopMatrix();
}

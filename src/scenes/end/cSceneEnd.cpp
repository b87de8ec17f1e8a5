#include "cSceneEnd.h"

#include "render/ScreenHelpers.h"
#include "render/cTextureManager.h"

void cSceneEnd::load() {
    logo_ = texture_manager().get_texture(kLogoFile, false, GL_CLAMP, 0);
}

void cSceneEnd::draw() {
    begin_ortho_white();
    draw_texture(logo_);
    end_ortho();
}

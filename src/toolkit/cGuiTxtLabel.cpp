#include "toolkit/cGuiTxtLabel.h"

#include "base/Messages.h"
#include "base/cDisplaySettings.h"
#include "base/cResourcePath.h"
#include "render/cSavedState.h"
#include "render/cTextureManager.h"
#include "toolkit/FontAtlas.h"

#include <GL/gl.h>
#include <GL/glext.h>

namespace {
const char* const kFontDir = "../data/textures";
} // namespace

void cGuiTxtLabel::reset() {
    // The start-up paths usually find the font already; the folder is only
    // added when they do not, so repeated resets do not grow the list.
    if (resource_path().get_fullpath(kFontFile).empty())
        resource_path().push_searchpath(kFontDir);
}

void cGuiTxtLabel::set_position(float x, float y) {
    x_ = x;
    y_ = y;
}

void cGuiTxtLabel::get_position(float& x, float& y) const {
    x = x_;
    y = y_;
}

float cGuiTxtLabel::char_height() {
    const cDisplaySettings& settings = display_settings();
    return kCharWidth * static_cast<float>(settings.width) / static_cast<float>(settings.height);
}

bool cGuiTxtLabel::bind_font() {
    if (!font_tried_) {
        font_tried_ = true;
        // Without the atlas the GUI still works, only without letters.
        if (resource_path().get_fullpath(kFontFile).empty())
            msg_err() << "# warning: cGuiTxtLabel: font \"" << kFontFile << "\" not found"
                      << std::endl;
        else
            font_ = texture_manager().get_texture(kFontFile, false, GL_CLAMP, 0);
    }
    if (!font_.valid())
        return false;
    glEnable(static_cast<GLenum>(font_.target));
    glBindTexture(static_cast<GLenum>(font_.target), static_cast<GLuint>(font_.id));
    return true;
}

void cGuiTxtLabel::draw() {
    const cSavedState saved(GL_ENABLE_BIT | GL_TEXTURE_BIT | GL_TRANSFORM_BIT);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_TEXTURE_RECTANGLE_ARB);
    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    if (bind_font())
        draw_glyphs();
}

void cGuiTxtLabel::draw_glyphs() const {
    const float h = char_height();
    // Rectangle textures take texels; a 2D atlas would take fractions.
    const bool texels = font_.target == GL_TEXTURE_RECTANGLE_ARB;
    const float su = texels ? 1.0f : 1.0f / static_cast<float>(font_.width);
    const float sv = texels ? 1.0f : 1.0f / static_cast<float>(font_.height);
    const float cell = static_cast<float>(kGlyphCell);
    glBegin(GL_QUADS);
    for (size_t i = 0; i < text.size(); ++i) {
        int u = 0, v = 0;
        if (!glyph_cell(text[i], u, v))
            continue; // a blank, but it keeps its place
        const float x = x_ + kCharWidth * static_cast<float>(i);
        const float u0 = static_cast<float>(u) * su, u1 = (static_cast<float>(u) + cell) * su;
        const float v0 = static_cast<float>(v) * sv, v1 = (static_cast<float>(v) + cell) * sv;
        glTexCoord2f(u0, v0);
        glVertex2f(x, y_);
        glTexCoord2f(u1, v0);
        glVertex2f(x + kCharWidth, y_);
        glTexCoord2f(u1, v1);
        glVertex2f(x + kCharWidth, y_ + h);
        glTexCoord2f(u0, v1);
        glVertex2f(x, y_ + h);
    }
    glEnd();
}

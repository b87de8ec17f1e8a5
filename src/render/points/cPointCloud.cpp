#include "cPointCloud.h"

#include "render/GlExtensions.h"
#include "render/cSavedState.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// The projection times the model-view, column-major, as GL takes a vertex to clip space.
void clip_from_model(float* mvp) {
    GLfloat projection[16], modelview[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r) {
            float sum = 0;
            for (int k = 0; k < 4; ++k)
                sum += projection[k * 4 + r] * modelview[c * 4 + k];
            mvp[c * 4 + r] = sum;
        }
}

} // namespace

cPointCloud::ePath cPointCloud::chosen_path() {
    const char* forced = std::getenv("DEMO_POINTS");
    if (forced && std::strcmp(forced, "cpu") == 0)
        return ePath::cpu;
    if (forced && std::strcmp(forced, "gl") == 0)
        return ePath::gl;
    const char* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    const std::string name = renderer ? renderer : "";
    for (const char* software : {"llvmpipe", "softpipe", "swrast", "Software Rasterizer"})
        if (name.find(software) != std::string::npos)
            return ePath::cpu;
    return ePath::gl;
}

cPointCloud::~cPointCloud() {
    if (texture_)
        glDeleteTextures(1, &texture_);
}

void cPointCloud::prepare(size_t points, const std::vector<float>& sizes) {
    if (chosen_path() != ePath::cpu)
        return;
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    splatter_.prepare(viewport[2], viewport[3], points, sizes);
    picture_.resize(size_t(viewport[2]) * size_t(viewport[3]) * 4);
    depth_.resize(size_t(viewport[2]) * size_t(viewport[3]));
}

void cPointCloud::begin(bool depth_test) {
    path_ = chosen_path();
    depth_test_ = depth_test;
    glGetIntegerv(GL_VIEWPORT, viewport_);
    if (path_ == ePath::cpu) {
        splatter_.begin(viewport_[2], viewport_[3]);
        return;
    }
    gl_state_.emplace(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_ENABLE_BIT);
    glDepthMask(GL_FALSE);
    depth_test ? glEnable(GL_DEPTH_TEST) : glDisable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    for (GLenum cap : {GL_LIGHTING, GL_ALPHA_TEST, GL_FOG, GL_TEXTURE_RECTANGLE_ARB})
        glDisable(cap);
}

void cPointCloud::add(const sPointSource& source, const sPointStyle& style) {
    if (path_ == ePath::gl) {
        sprites_.draw(source, style);
        return;
    }
    float mvp[16];
    clip_from_model(mvp);
    splatter_.add(source, mvp, style);
}

void cPointCloud::end() {
    if (path_ == ePath::gl) {
        gl_state_.reset();
        return;
    }
    if (depth_test_)
        read_depth(splatter_.touched());
    const cPointSplatter::sRect rect =
        splatter_.finish(picture_, depth_test_ ? depth_.data() : nullptr);
    if (!rect.empty())
        draw_picture(rect);
}

// The target's depth where the points fall, as the window depths GL compares with: the
// points write none, so it is the depth the frame's first point would have met.
void cPointCloud::read_depth(const cPointSplatter::sRect& rect) {
    depth_.resize(size_t(rect.x1 - rect.x0) * size_t(rect.y1 - rect.y0));
    if (!rect.empty())
        glReadPixels(viewport_[0] + rect.x0, viewport_[1] + rect.y0, rect.x1 - rect.x0,
                     rect.y1 - rect.y0, GL_DEPTH_COMPONENT, GL_FLOAT, depth_.data());
}

// The splatted rectangle as a texture, added 1:1 onto its pixels.
void cPointCloud::draw_picture(const cPointSplatter::sRect& rect) {
    const int w = rect.x1 - rect.x0, h = rect.y1 - rect.y0;
    const cSavedState saved(GL_ENABLE_BIT | GL_TEXTURE_BIT | GL_CURRENT_BIT | GL_TRANSFORM_BIT);
    ext::glActiveTexture(GL_TEXTURE0);
    if (!texture_)
        glGenTextures(1, &texture_);
    glBindTexture(GL_TEXTURE_2D, texture_);
    if (w > texture_w_ || h > texture_h_) {
        texture_w_ = std::max(w, texture_w_);
        texture_h_ = std::max(h, texture_h_);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, texture_w_, texture_h_, 0, GL_BGRA,
                     GL_UNSIGNED_BYTE, nullptr);
    }
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, w, h, GL_BGRA, GL_UNSIGNED_BYTE, picture_.data());
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    for (GLenum cap : {GL_DEPTH_TEST, GL_LIGHTING, GL_ALPHA_TEST, GL_FOG, GL_CULL_FACE,
                       GL_TEXTURE_RECTANGLE_ARB})
        glDisable(cap);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(0, viewport_[2], 0, viewport_[3], -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    const float s = float(w) / float(texture_w_), t = float(h) / float(texture_h_);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex2i(rect.x0, rect.y0);
    glTexCoord2f(s, 0);
    glVertex2i(rect.x1, rect.y0);
    glTexCoord2f(s, t);
    glVertex2i(rect.x1, rect.y1);
    glTexCoord2f(0, t);
    glVertex2i(rect.x0, rect.y1);
    glEnd();
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}

#include "cPointSprites.h"

#include "cPointCoverage.h"
#include "render/GlExtensions.h"
#include "render/PointBatches.h"
#include "render/cSavedState.h"

#include <GL/glext.h>
#include <vector>

namespace {

// Texels of a coverage picture, each way: a texel is at most 1/10 of a pixel wide.
constexpr int kTexels = 256;
constexpr size_t kKeptSizes = 8;

// A sprite reaches every pixel whose square meets the disc.
float sprite_size(float size) {
    return size + 1;
}

} // namespace

cPointSprites::~cPointSprites() {
    for (auto& kept : textures_)
        glDeleteTextures(1, &kept.second);
}

// The coverage of a pixel whose centre lies at each texel's offset from the point's centre.
GLuint cPointSprites::coverage_texture(float size) {
    const auto found = textures_.find(size);
    if (found != textures_.end())
        return found->second;
    if (textures_.size() >= kKeptSizes) {
        for (auto& kept : textures_)
            glDeleteTextures(1, &kept.second);
        textures_.clear();
    }
    const double side = sprite_size(size), r = 0.5 * size;
    std::vector<float> alpha(size_t(kTexels) * kTexels);
    for (int y = 0; y < kTexels; ++y)
        for (int x = 0; x < kTexels; ++x)
            alpha[size_t(y) * kTexels + size_t(x)] = float(cPointCoverage::pixel_area(
                ((x + 0.5) / kTexels - 0.5) * side, ((y + 0.5) / kTexels - 0.5) * side, r));
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_ALPHA16, kTexels, kTexels, 0, GL_ALPHA, GL_FLOAT,
                 alpha.data());
    textures_[size] = texture;
    return texture;
}

void cPointSprites::draw(const sPointSource& source, const sPointStyle& style) {
    if (source.count <= 0)
        return;
    const cSavedState saved(GL_ENABLE_BIT | GL_TEXTURE_BIT | GL_POINT_BIT | GL_CURRENT_BIT);
    ext::glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, coverage_texture(style.size));
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glDisable(GL_POINT_SMOOTH);
    glEnable(GL_POINT_SPRITE);
    glTexEnvi(GL_POINT_SPRITE, GL_COORD_REPLACE, GL_TRUE);
    glPointSize(sprite_size(style.size));
    glColor4f(style.r, style.g, style.b, style.a);
    ext::glBindBufferARB(GL_ARRAY_BUFFER, 0); // the points come from client memory
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, GLsizei(source.stride * sizeof(float)), source.xyz);
    draw_points_in_batches(0, source.count);
    glDisableClientState(GL_VERTEX_ARRAY);
    glTexEnvi(GL_POINT_SPRITE, GL_COORD_REPLACE, GL_FALSE);
}

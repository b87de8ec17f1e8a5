// Point clouds drawn through GL, the way a hardware renderer draws them fastest: each point a
// sprite as wide as its coverage reaches, textured with the coverage of the pixel it lands
// on, so every renderer shows the same discs as the CPU path.
#pragma once

#include "PointStyle.h"

#include <GL/gl.h>
#include <map>

class cPointSprites {
public:
    cPointSprites() = default;
    ~cPointSprites();
    cPointSprites(const cPointSprites&) = delete;
    cPointSprites& operator=(const cPointSprites&) = delete;

    // Draws the source's points with the caller's matrices, blending and depth test.
    void draw(const sPointSource& source, const sPointStyle& style);

private:
    GLuint coverage_texture(float size);

    std::map<float, GLuint> textures_; // a coverage picture for each point size drawn
};

#include "cBorderedPicture.h"

#include <GL/glext.h>

#include <algorithm>
#include <cstdint>
#include <vector>

cBorderedPicture::cBorderedPicture(const cTextureDesc& picture) {
    if (!picture.valid() || picture.target != GL_TEXTURE_RECTANGLE_ARB || picture.width <= 0 ||
        picture.height <= 0)
        return;
    const size_t w = size_t(picture.width), h = size_t(picture.height);
    const size_t row = 4 * w, wide = 4 * (w + 2 * kBorder);
    std::vector<uint8_t> texels(row * h), bordered(wide * (h + 2 * kBorder), 0);
    glBindTexture(GL_TEXTURE_RECTANGLE_ARB, GLuint(picture.id));
    glGetTexImage(GL_TEXTURE_RECTANGLE_ARB, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    for (size_t y = 0; y < h; ++y)
        std::copy_n(texels.data() + y * row, row,
                    bordered.data() + (y + kBorder) * wide + 4 * kBorder);
    glGenTextures(1, &id_);
    glBindTexture(GL_TEXTURE_RECTANGLE_ARB, id_);
    glTexParameteri(GL_TEXTURE_RECTANGLE_ARB, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_RECTANGLE_ARB, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_RECTANGLE_ARB, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_RECTANGLE_ARB, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    const int width = picture.width + 2 * kBorder, height = picture.height + 2 * kBorder;
    glTexImage2D(GL_TEXTURE_RECTANGLE_ARB, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 bordered.data());
    glBindTexture(GL_TEXTURE_RECTANGLE_ARB, 0);
    texture_ = {GL_TEXTURE_RECTANGLE_ARB, GLint(id_), width, height};
}

cBorderedPicture::~cBorderedPicture() {
    if (id_ != 0)
        glDeleteTextures(1, &id_);
}

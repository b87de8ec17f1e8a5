#include "cFrame.h"

#include <GL/gl.h>
#include <GL/glext.h>
#include <IL/il.h>
#include <algorithm>
#include <stdexcept>

cFrame cFrame::read_back(int width, int height) {
    cFrame frame(width, height);
    std::vector<uint8_t> bottom_first(frame.rgb_.size());
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPushAttrib(GL_PIXEL_MODE_BIT);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    // The window's back buffer, or the colour of a framebuffer standing in for it.
    GLint bound = 0;
    glGetIntegerv(GL_FRAMEBUFFER_BINDING, &bound);
    glReadBuffer(bound ? GL_COLOR_ATTACHMENT0 : GL_BACK);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, bottom_first.data());
    glPopAttrib();
    glPopClientAttrib();
    const size_t row = size_t(width) * 3;
    for (int y = 0; y < height; ++y)
        std::copy_n(&bottom_first[size_t(height - 1 - y) * row], row, frame.at(0, y));
    return frame;
}

cFrame cFrame::shrunk(int factor) const {
    cFrame small(width_ / factor, height_ / factor);
    const int area = factor * factor;
    for (int y = 0; y < small.height_; ++y)
        for (int x = 0; x < small.width_; ++x)
            for (int c = 0; c < 3; ++c) {
                int sum = 0;
                for (int dy = 0; dy < factor; ++dy)
                    for (int dx = 0; dx < factor; ++dx)
                        sum += at(x * factor + dx, y * factor + dy)[c];
                small.at(x, y)[c] = static_cast<uint8_t>((sum + area / 2) / area);
            }
    return small;
}

void cFrame::save_png(const std::string& file) const {
    ILuint image = 0;
    ilGenImages(1, &image);
    ilBindImage(image);
    bool ok = ilTexImage(static_cast<ILuint>(width_), static_cast<ILuint>(height_), 1, 3, IL_RGB,
                         IL_UNSIGNED_BYTE, const_cast<uint8_t*>(rgb_.data()));
    // The rows run from the top, whatever origin the library was set to.
    ilRegisterOrigin(IL_ORIGIN_UPPER_LEFT);
    ok = ok && ilSave(IL_PNG, file.c_str());
    ilDeleteImages(1, &image);
    if (!ok)
        throw std::runtime_error("cannot write the picture " + file);
}

#include "cDisplaySettings.h"

#include <cmath>

void cDisplaySettings::fit_screen(uint32_t screen_width, uint32_t screen_height) {
    if (screen_width == 0 || screen_height == 0)
        return;
    width = screen_width;
    height = screen_height;
    if (width >= kPictureAspect * height) {
        view_height = height;
        view_width = static_cast<uint32_t>(std::lround(kPictureAspect * height));
    } else {
        view_width = width;
        view_height = static_cast<uint32_t>(std::lround(width / kPictureAspect));
    }
}

sPixelRect cDisplaySettings::picture_rect() const {
    const int w = static_cast<int>(width), h = static_cast<int>(height);
    if (stretch)
        return {0, 0, w, h};
    const int vw = static_cast<int>(view_width), vh = static_cast<int>(view_height);
    return {(w - vw) / 2, (h - vh) / 2, vw, vh};
}

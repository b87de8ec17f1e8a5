// The process-wide screen record: window size, picture size and the GL
// attributes asked of the driver. The picture is always view_width x
// view_height (aspect 1.6); with `stretch` it fills the window's height.
#pragma once

#include "Singleton.h"

#include <SDL.h>
#include <cstdint>

struct cDisplaySettings {
    static constexpr uint32_t kFullScreen = 0x80000000u;

    SDL_Surface* screen = nullptr;
    uint32_t video_flags = 0x0000000Au; // OpenGL-blit mode
    uint32_t width = 1024;
    uint32_t height = 768;
    uint32_t view_width = 1024;
    uint32_t view_height = 640;
    uint32_t bpp = 32;
    bool stretch = false;
    int red_size = 8;
    int green_size = 8;
    int blue_size = 8;
    int alpha_size = 8;
    int depth_size = 24;
    int double_buffer = 1;
    int multisample_buffers = 0;
    int multisample_samples = 0;
    int stereo = 0;

    float aspect() const {
        return static_cast<float>(view_width) / static_cast<float>(view_height);
    }
};

inline cDisplaySettings& display_settings() {
    return cSingleton<cDisplaySettings>::get();
}

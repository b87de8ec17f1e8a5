// The process-wide screen record: window size, picture size and the GL
// attributes asked of the driver. The picture is view_width x view_height
// (aspect 1.6), centred in the window; with `stretch` it fills the window.
#pragma once

#include "Singleton.h"

#include <SDL.h>
#include <cstdint>

// A rectangle of the window in GL's pixel coordinates (origin bottom left).
struct sPixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct cDisplaySettings {
    static constexpr uint32_t kFullScreen = 0x80000000u;
    // Every camera and render target is made for this shape.
    static constexpr double kPictureAspect = 1.6;

    SDL_Surface* screen = nullptr;
    uint32_t video_flags = 0x0000000Au; // OpenGL-blit mode
    uint32_t width = 1024;
    uint32_t height = 768;
    uint32_t view_width = 1024;
    uint32_t view_height = 640;
    uint32_t bpp = 32;
    bool stretch = false;
    // A full-screen window opens at the desktop's size, unless a tool has set the size.
    bool fit_desktop = true;
    // A window of width x height instead of the full screen.
    bool windowed = false;
    // Buffer swaps wait for this many vertical blanks (0: never, for measuring).
    int swap_interval = 1;
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

    // The window becomes the screen's size and the picture the largest 1.6
    // rectangle that fits in it: bars above and below on screens squarer than
    // 1.6, left and right on wider ones. Zero sizes keep the record as it is.
    void fit_screen(uint32_t screen_width, uint32_t screen_height);
    // Where the picture lands in the window: centred in the letterbox, the
    // whole window when stretched.
    sPixelRect picture_rect() const;
};

inline cDisplaySettings& display_settings() {
    return cSingleton<cDisplaySettings>::get();
}

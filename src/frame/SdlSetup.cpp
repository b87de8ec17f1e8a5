#include "AppSetup.h"
#include "base/Messages.h"
#include "platform/HeapReuse.h"

#include <cstdlib>

namespace {

constexpr int kOldestGoodSdl = 1211; // 1.2.11

const SDL_GLattr kAttributes[9] = {
    SDL_GL_RED_SIZE,           SDL_GL_GREEN_SIZE,         SDL_GL_BLUE_SIZE,
    SDL_GL_ALPHA_SIZE,         SDL_GL_DEPTH_SIZE,         SDL_GL_DOUBLEBUFFER,
    SDL_GL_MULTISAMPLEBUFFERS, SDL_GL_MULTISAMPLESAMPLES, SDL_GL_STEREO};

void requested_attributes(const cDisplaySettings& s, int* values) {
    const int requested[9] = {
        s.red_size,      s.green_size,          s.blue_size,           s.alpha_size, s.depth_size,
        s.double_buffer, s.multisample_buffers, s.multisample_samples, s.stereo};
    for (int i = 0; i < 9; ++i)
        values[i] = requested[i];
}

void print_attributes(const char* label, const char* gap, const int* v) {
    msg_err() << label << v[0] << "x" << v[1] << "x" << v[2] << "x" << v[3] << "x" << v[4] << gap
              << (v[5] ? " doublebuffered " : " singlebuffered ") << (v[6] ? "multisample " : " ")
              << v[7] << std::endl;
}

// Drivers may give more than asked (a 32-bit depth buffer for 24): worth a
// warning, not a refusal.
void report_attribute_mismatch(const cDisplaySettings& settings) {
    int requested[9], received[9];
    requested_attributes(settings, requested);
    for (int i = 0; i < 9; ++i)
        SDL_GL_GetAttribute(kAttributes[i], &received[i]);
    for (int i = 0; i < 9; ++i) {
        if (requested[i] == received[i])
            continue;
        msg_err() << "# warning: init_sdl: SDL display attribute " << i << " failed" << std::endl;
        print_attributes("requested: ", " ", requested);
        print_attributes("recieved: ", "", received);
        msg_err() << "---------------------" << std::endl;
        return;
    }
}

void set_attributes(const cDisplaySettings& settings) {
    int values[9];
    requested_attributes(settings, values);
    for (int i = 0; i < 9; ++i)
        SDL_GL_SetAttribute(kAttributes[i], values[i]);
}

SDL_Surface* set_video_mode(const cDisplaySettings& s) {
    return SDL_SetVideoMode(static_cast<int>(s.width), static_cast<int>(s.height),
                            static_cast<int>(s.bpp), s.video_flags);
}

// Every subsystem, as the demo asks for; an audio device that SDL cannot
// even name (an unknown audio driver) is left to the sound module, which ends
// the run with its own line, as it does for a sound card that is missing.
bool start_sdl() {
    return SDL_Init(0xFFFF) == 0 || SDL_Init(0xFFFF & ~SDL_INIT_AUDIO) == 0;
}

// SDL 1.2's compatibility layer draws OpenGL into a picture of its own and copies that onto
// the window at every swap, so that a full-screen mode of any size fills the desktop; the
// software renderer pays a whole-screen copy a frame for it (about 4.5 ms here). A window,
// and a full screen fitted to the desktop, have the size asked for and need none of it. A
// setting already in the environment is kept.
void skip_gl_scaling(const cDisplaySettings& settings) {
    const bool fullscreen = settings.video_flags & cDisplaySettings::kFullScreen;
    if (!fullscreen || settings.fit_desktop)
        setenv("SDL12COMPAT_OPENGL_SCALING", "0", 0);
}

// A full-screen window at any other size than the desktop's is not what a
// desktop gives: the compatibility layer scales it, and where no window
// manager resizes the window it shows only a part of the picture.
void fit_desktop(cDisplaySettings& settings) {
    if (const SDL_VideoInfo* desktop = SDL_GetVideoInfo())
        if (desktop->current_w > 0 && desktop->current_h > 0)
            settings.fit_screen(static_cast<uint32_t>(desktop->current_w),
                                static_cast<uint32_t>(desktop->current_h));
}

} // namespace

void init_sdl(cDisplaySettings& settings) {
    const SDL_version* v = SDL_Linked_Version();
    if (v->major * 1000 + v->minor * 100 + v->patch < kOldestGoodSdl)
        msg_err() << "# WARNING: init_sdl(): Old SDL-version detected. Get an upgrade from "
                     "http://www.libsdl.org/"
                  << std::endl;
    skip_gl_scaling(settings);
    keep_freed_memory(); // before the renderer's first frame: it frees its frame's memory
    if (!start_sdl()) {
        msg_err() << "## ERROR: whoops, SDL failed to init: " << SDL_GetError() << " exiting!"
                  << std::endl;
        std::exit(0);
    }
    if ((settings.video_flags & cDisplaySettings::kFullScreen) && settings.fit_desktop)
        fit_desktop(settings);
    set_attributes(settings);
    SDL_GL_SetAttribute(SDL_GL_SWAP_CONTROL, settings.swap_interval);
    settings.screen = set_video_mode(settings);
    if (!settings.screen && settings.multisample_buffers != 0) {
        msg_err() << "## ERROR: Failed to get FSAA-buffer!" << std::endl;
        settings.multisample_buffers = 0;
        settings.multisample_samples = 0;
        SDL_GL_SetAttribute(SDL_GL_MULTISAMPLEBUFFERS, 0);
        SDL_GL_SetAttribute(SDL_GL_MULTISAMPLESAMPLES, 0);
        settings.screen = set_video_mode(settings);
    }
    if (!settings.screen) {
        msg_err() << "## ERROR: whoops, SDL didn't get screen - exiting" << std::endl;
        std::exit(-1);
    }
    report_attribute_mismatch(settings);
    SDL_WM_SetCaption("mirrel OpenGL", nullptr);
    SDL_ShowCursor((settings.video_flags & cDisplaySettings::kFullScreen) ? SDL_DISABLE
                                                                          : SDL_ENABLE);
}

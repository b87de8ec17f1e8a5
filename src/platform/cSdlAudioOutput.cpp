#include "platform/cSdlAudioOutput.h"

#include "platform/cAudioFeed.h"

#include <SDL.h>

#include <cstdint>

namespace {

// SDL 1.2 wants a power-of-two sample count (the dummy driver beneath it
// overruns its buffer otherwise), so the length is rounded to the nearest one.
Uint16 buffer_frames(int rate, int ms) {
    const long wanted = static_cast<long>(rate) * ms / 1000;
    long frames = 256;
    while (frames < 32768 && frames * 3 / 2 < wanted)
        frames *= 2;
    return static_cast<Uint16>(frames);
}

} // namespace

cSdlAudioOutput* cSdlAudioOutput::open(cAudioFeed& feed, int rate, int buffer_ms) {
    auto* output = new cSdlAudioOutput(feed);
    if (!SDL_WasInit(SDL_INIT_AUDIO)) {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) < 0) {
            delete output;
            return nullptr;
        }
        output->owns_audio_subsystem_ = true;
    }
    SDL_AudioSpec want{};
    want.freq = rate;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = buffer_frames(rate, buffer_ms);
    want.callback = fill;
    want.userdata = output;
    // No "obtained" format asked back: SDL converts to the device's format for us.
    if (SDL_OpenAudio(&want, nullptr) == 0)
        return output;
    if (output->owns_audio_subsystem_)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    output->owns_audio_subsystem_ = false;
    delete output;
    return nullptr;
}

cSdlAudioOutput::~cSdlAudioOutput() {
    SDL_CloseAudio(); // joins the audio thread, so the decoders are free again
    if (owns_audio_subsystem_)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void cSdlAudioOutput::start() {
    SDL_PauseAudio(0);
}

std::string cSdlAudioOutput::name() const {
    char driver[32] = "";
    SDL_AudioDriverName(driver, sizeof driver);
    return std::string("SDL's \"") + driver + "\" driver";
}

// Runs on SDL's audio thread with the audio lock held.
void cSdlAudioOutput::fill(void* self, unsigned char* out, int len) {
    static_cast<cSdlAudioOutput*>(self)->feed_.fill(reinterpret_cast<int16_t*>(out),
                                                    len / kAudioFrameBytes);
}

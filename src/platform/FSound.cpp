#include "platform/FSound.h"

#include "platform/MpegProbe.h"

#include <SDL.h>
#include <mpg123.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

struct FSOUND_STREAM {
    mpg123_handle* decoder = nullptr;
    int length_ms = 0;
    bool started = false; // main thread only
    bool ended = false;   // audio callback only, once started
    ~FSOUND_STREAM() { mpg123_delete(decoder); }
};

namespace {

struct Layer {
    int buffer_ms = 200;
    int stream_buffer_ms = 0;
    int mixrate = 0;
    bool initialised = false;
    bool owns_audio_subsystem = false; // we started SDL audio, so we stop it
    int error = FMOD_ERR_NONE;
    std::vector<std::unique_ptr<FSOUND_STREAM>> streams;
    FSOUND_STREAM* current = nullptr; // changed only under SDL_LockAudio
};
Layer g;

template <class T> T fail(int code, T result) {
    g.error = code;
    return result;
}

template <class T> T succeed(T result) {
    g.error = FMOD_ERR_NONE;
    return result;
}

// SDL 1.2 wants a power-of-two sample count (the dummy driver beneath it
// overruns its buffer otherwise), so the length is rounded to the nearest one.
Uint16 buffer_frames(int mixrate, int ms) {
    const long wanted = static_cast<long>(mixrate) * ms / 1000;
    long frames = 256;
    while (frames < 32768 && frames * 3 / 2 < wanted)
        frames *= 2;
    return static_cast<Uint16>(frames);
}

// Decodes into `out` until it is full or the stream ends; the rest stays silent.
void decode_into(FSOUND_STREAM* s, Uint8* out, size_t len) {
    size_t filled = 0;
    int stalls = 0;
    while (filled < len && !s->ended) {
        size_t done = 0;
        const int rc = mpg123_read(s->decoder, out + filled, len - filled, &done);
        filled += done;
        const bool going = rc == MPG123_OK || rc == MPG123_NEW_FORMAT;
        if (!going || (done == 0 && ++stalls > 8))
            s->ended = true;
    }
}

// Runs on SDL's audio thread with the audio lock held.
void fill_audio(void*, Uint8* out, int len) {
    std::memset(out, 0, static_cast<size_t>(len));
    if (g.current && !g.current->ended)
        decode_into(g.current, out, static_cast<size_t>(len));
}

bool open_device(int mixrate) {
    if (!SDL_WasInit(SDL_INIT_AUDIO)) {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) < 0)
            return false;
        g.owns_audio_subsystem = true;
    }
    SDL_AudioSpec want{};
    want.freq = mixrate;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = buffer_frames(mixrate, g.buffer_ms);
    want.callback = fill_audio;
    // No "obtained" format asked back: SDL converts to the device's format for us.
    if (SDL_OpenAudio(&want, nullptr) == 0)
        return true;
    if (g.owns_audio_subsystem)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    g.owns_audio_subsystem = false;
    return false;
}

// A decoder for `name` that yields gapless 16-bit stereo at the mix rate.
mpg123_handle* open_decoder(const char* name, int* error) {
    static const bool library_ready = mpg123_init() == MPG123_OK;
    mpg123_handle* mh = library_ready ? mpg123_new(nullptr, nullptr) : nullptr;
    if (!mh)
        return *error = FMOD_ERR_MEMORY, nullptr;
    const bool ok =
        mpg123_param(mh, MPG123_ADD_FLAGS, MPG123_GAPLESS | MPG123_QUIET, 0) == MPG123_OK &&
        mpg123_format_none(mh) == MPG123_OK &&
        mpg123_format(mh, g.mixrate, MPG123_STEREO, MPG123_ENC_SIGNED_16) == MPG123_OK &&
        mpg123_open(mh, name) == MPG123_OK && mpg123_scan(mh) == MPG123_OK;
    if (ok)
        return mh;
    mpg123_delete(mh);
    return *error = FMOD_ERR_FILE_BAD, nullptr;
}

int probe_file(const char* name) {
    std::FILE* f = std::fopen(name, "rb");
    if (!f)
        return FMOD_ERR_FILE_NOTFOUND;
    const bool mpeg = probe_mpeg_audio(f);
    std::fclose(f);
    return mpeg ? FMOD_ERR_NONE : FMOD_ERR_FILE_FORMAT;
}

bool owned(FSOUND_STREAM* stream) {
    for (const auto& s : g.streams)
        if (s.get() == stream)
            return true;
    return false;
}

} // namespace

float FSOUND_GetVersion() {
    return 3.74f;
}

signed char FSOUND_SetBufferSize(int len_ms) {
    if (g.initialised)
        return fail<signed char>(FMOD_ERR_BUSY, 0);
    if (len_ms <= 0)
        return fail<signed char>(FMOD_ERR_INVALID_PARAM, 0);
    g.buffer_ms = len_ms;
    return succeed<signed char>(1);
}

signed char FSOUND_Init(int mixrate, int maxsoftwarechannels, unsigned int) {
    if (g.initialised)
        return fail<signed char>(FMOD_ERR_BUSY, 0);
    if (mixrate <= 0 || maxsoftwarechannels < 0)
        return fail<signed char>(FMOD_ERR_INVALID_PARAM, 0);
    if (!open_device(mixrate))
        return fail<signed char>(FMOD_ERR_INIT, 0);
    g.mixrate = mixrate;
    g.initialised = true;
    // A program that exits without closing (any fatal exit) must not leave the
    // audio thread decoding while the process tears its memory down.
    static const bool closes_at_exit = std::atexit(FSOUND_Close) == 0;
    (void)closes_at_exit;
    return succeed<signed char>(1);
}

signed char FSOUND_Stream_SetBufferSize(int ms) {
    if (ms <= 0)
        return fail<signed char>(FMOD_ERR_INVALID_PARAM, 0);
    g.stream_buffer_ms = ms;
    return succeed<signed char>(1);
}

FSOUND_STREAM* FSOUND_Stream_Open(const char* name, unsigned int, int, int) {
    if (!g.initialised)
        return fail<FSOUND_STREAM*>(FMOD_ERR_UNINITIALIZED, nullptr);
    if (!name)
        return fail<FSOUND_STREAM*>(FMOD_ERR_INVALID_PARAM, nullptr);
    int error = probe_file(name);
    if (error != FMOD_ERR_NONE)
        return fail<FSOUND_STREAM*>(error, nullptr);
    auto stream = std::make_unique<FSOUND_STREAM>();
    stream->decoder = open_decoder(name, &error);
    if (!stream->decoder)
        return fail<FSOUND_STREAM*>(error, nullptr);
    const off_t samples = mpg123_length(stream->decoder); // gapless: delay and padding removed
    if (samples < 0)
        return fail<FSOUND_STREAM*>(FMOD_ERR_FILE_BAD, nullptr);
    stream->length_ms = static_cast<int>(static_cast<int64_t>(samples) * 1000 / g.mixrate);
    g.streams.push_back(std::move(stream));
    return succeed(g.streams.back().get());
}

int FSOUND_Stream_GetLengthMs(FSOUND_STREAM* stream) {
    if (!owned(stream))
        return fail(FMOD_ERR_INVALID_PARAM, 0);
    return succeed(stream->length_ms);
}

int FSOUND_Stream_Play(int channel, FSOUND_STREAM* stream) {
    if (!g.initialised)
        return fail(FMOD_ERR_UNINITIALIZED, -1);
    if ((channel != -1 && channel != 0) || !owned(stream))
        return fail(FMOD_ERR_INVALID_PARAM, -1);
    if (stream->started) // its decoder now belongs to the audio thread
        return fail(FMOD_ERR_PLAY, -1);
    stream->started = true;
    SDL_LockAudio();
    g.current = stream;
    SDL_UnlockAudio();
    SDL_PauseAudio(0);
    return succeed(0);
}

void FSOUND_Close() {
    if (g.initialised)
        SDL_CloseAudio(); // joins the audio thread, so the decoders are free again
    if (g.owns_audio_subsystem)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    g.owns_audio_subsystem = false;
    g.initialised = false;
    g.current = nullptr;
    g.streams.clear();
}

int FSOUND_GetError() {
    return g.error;
}

signed char FSOUND_Stream_SetTime(FSOUND_STREAM* stream, int ms) {
    if (!g.initialised)
        return fail<signed char>(FMOD_ERR_UNINITIALIZED, 0);
    if (!owned(stream) || ms < 0)
        return fail<signed char>(FMOD_ERR_INVALID_PARAM, 0);
    const off_t sample = static_cast<off_t>(static_cast<int64_t>(ms) * g.mixrate / 1000);
    SDL_LockAudio();
    const off_t at = mpg123_seek(stream->decoder, sample, SEEK_SET);
    if (at >= 0)
        stream->ended = false;
    SDL_UnlockAudio();
    return at >= 0 ? succeed<signed char>(1) : fail<signed char>(FMOD_ERR_FILE_BAD, 0);
}

signed char FSOUND_SetPaused(int channel, signed char paused) {
    if (!g.initialised)
        return fail<signed char>(FMOD_ERR_UNINITIALIZED, 0);
    if (channel != 0)
        return fail<signed char>(FMOD_ERR_INVALID_PARAM, 0);
    SDL_PauseAudio(paused ? 1 : 0);
    return succeed<signed char>(1);
}

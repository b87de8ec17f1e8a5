#include "platform/FSound.h"

#include "platform/MpegProbe.h"
#include "platform/PerfCounter.h"
#include "platform/cAlsaAudioOutput.h"
#include "platform/cAudioFeed.h"
#include "platform/cHeardPosition.h"
#include "platform/cPulseAudioOutput.h"
#include "platform/cSdlAudioOutput.h"

#include <mpg123.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

struct FSOUND_STREAM {
    mpg123_handle* decoder = nullptr;
    int length_ms = 0;
    bool started = false; // its decoder then belongs to the feed
    ~FSOUND_STREAM() { mpg123_delete(decoder); }
};

namespace {

struct Layer {
    int buffer_ms = 200;
    int stream_buffer_ms = 0;
    int mixrate = 0;
    int error = FMOD_ERR_NONE;
    std::vector<std::unique_ptr<FSOUND_STREAM>> streams;
    cAudioFeed feed;
    std::unique_ptr<cHeardPosition> heard;
    std::unique_ptr<iAudioOutput> output; // open between Init and Close
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

// DEMO_SOUND names the path ("pulse", "alsa" or "sdl"); without it a driver named in
// SDL_AUDIODRIVER (a test's dummy or disk driver) goes through SDL, and otherwise the first
// that opens of a PulseAudio server, ALSA's default device and SDL's own choice.
iAudioOutput* open_output(int mixrate) {
    const char* chosen = std::getenv("DEMO_SOUND");
    const char* sdl_driver = std::getenv("SDL_AUDIODRIVER");
    std::string path = chosen && *chosen ? chosen : sdl_driver && *sdl_driver ? "sdl" : "";
    iAudioOutput* output = nullptr;
    if (path.empty() || path == "pulse")
        output = cPulseAudioOutput::open(g.feed, *g.heard, mixrate, g.buffer_ms);
    if (!output && (path.empty() || path == "alsa"))
        output = cAlsaAudioOutput::open(g.feed, *g.heard, mixrate, g.buffer_ms);
    if (!output && (path.empty() || path == "sdl"))
        output = cSdlAudioOutput::open(g.feed, mixrate, g.buffer_ms);
    return output;
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
    if (g.output)
        return fail<signed char>(FMOD_ERR_BUSY, 0);
    if (len_ms <= 0)
        return fail<signed char>(FMOD_ERR_INVALID_PARAM, 0);
    g.buffer_ms = len_ms;
    return succeed<signed char>(1);
}

signed char FSOUND_Init(int mixrate, int maxsoftwarechannels, unsigned int) {
    if (g.output)
        return fail<signed char>(FMOD_ERR_BUSY, 0);
    if (mixrate <= 0 || maxsoftwarechannels < 0)
        return fail<signed char>(FMOD_ERR_INVALID_PARAM, 0);
    g.mixrate = mixrate;
    g.heard = std::make_unique<cHeardPosition>(mixrate);
    g.output.reset(open_output(mixrate));
    if (!g.output)
        return fail<signed char>(FMOD_ERR_INIT, 0);
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
    if (!g.output)
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
    if (!g.output)
        return fail(FMOD_ERR_UNINITIALIZED, -1);
    if ((channel != -1 && channel != 0) || !owned(stream))
        return fail(FMOD_ERR_INVALID_PARAM, -1);
    if (stream->started) // its decoder now belongs to the audio thread
        return fail(FMOD_ERR_PLAY, -1);
    // A stream already playing is replaced: what the output reports for its music no longer
    // tells where the new one is, and once the feed reads the new decoder the old one goes.
    const auto playing =
        std::find_if(g.streams.begin(), g.streams.end(), [](const auto& s) { return s->started; });
    if (playing != g.streams.end())
        g.heard->expect_new_music();
    stream->started = true;
    g.feed.play(stream->decoder);
    if (playing != g.streams.end())
        g.streams.erase(playing);
    g.output->start();
    return succeed(0);
}

void FSOUND_Close() {
    g.feed.stop();
    g.output.reset(); // ends the output's thread, so the decoders are free again
    g.streams.clear();
}

int FSOUND_GetError() {
    return g.error;
}

signed char FSOUND_Stream_SetTime(FSOUND_STREAM* stream, int ms) {
    if (!g.output)
        return fail<signed char>(FMOD_ERR_UNINITIALIZED, 0);
    if (!owned(stream) || ms < 0)
        return fail<signed char>(FMOD_ERR_INVALID_PARAM, 0);
    const int64_t frame = static_cast<int64_t>(ms) * g.mixrate / 1000;
    bool moved = false;
    if (stream->started) {
        g.heard->expect_new_music();
        moved = g.feed.seek(frame);
    } else { // the decoder is still the main thread's: play then starts where it stands
        moved = mpg123_seek(stream->decoder, static_cast<off_t>(frame), SEEK_SET) >= 0;
    }
    return moved ? succeed<signed char>(1) : fail<signed char>(FMOD_ERR_FILE_BAD, 0);
}

signed char FSOUND_SetPaused(int channel, signed char paused) {
    if (!g.output)
        return fail<signed char>(FMOD_ERR_UNINITIALIZED, 0);
    if (channel != 0)
        return fail<signed char>(FMOD_ERR_INVALID_PARAM, 0);
    if (g.feed.paused() != (paused != 0)) // only a change moves the music
        g.heard->expect_new_music();
    g.feed.set_paused(paused != 0);
    return succeed<signed char>(1);
}

signed char FSOUND_Stream_GetHeardMs(FSOUND_STREAM* stream, uint64_t counter, double* ms) {
    if (!g.output || !owned(stream) || !stream->started)
        return 0;
    return g.heard->music_ms(counter, perf_frequency(), ms) ? 1 : 0;
}

int FSOUND_GetOutputDelayMs() {
    return g.output && g.output->reports_delay() ? g.heard->delay_ms() : -1;
}

signed char FSOUND_ReportsDelay() {
    return g.output && g.output->reports_delay() ? 1 : 0;
}

const char* FSOUND_GetOutputName() {
    static std::string name;
    name = g.output ? g.output->name() : "";
    return name.c_str();
}

#include "platform/cAlsaAudioOutput.h"

#include "platform/PerfCounter.h"

#include <alsa/asoundlib.h>

namespace {

// ALSA prints its own complaints to the error stream; the layer says what failed itself.
void quiet(const char*, int, const char*, int, const char*, ...) {}

} // namespace

cAlsaAudioOutput* cAlsaAudioOutput::open(cAudioFeed& feed, cHeardPosition& heard, int rate,
                                         int buffer_ms) {
    snd_lib_error_set_handler(quiet);
    snd_pcm_t* pcm = nullptr;
    const int nice = raise_priority(); // ALSA's PulseAudio plugin starts its carrier here
    const bool opened = snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, 0) >= 0;
    restore_priority(nice);
    if (!opened)
        return nullptr;
    if (snd_pcm_set_params(pcm, SND_PCM_FORMAT_S16, SND_PCM_ACCESS_RW_INTERLEAVED, 2,
                           static_cast<unsigned>(rate), 1,
                           static_cast<unsigned>(buffer_ms) * 1000) < 0) {
        snd_pcm_close(pcm);
        return nullptr;
    }
    snd_pcm_uframes_t buffer = 0, period = 0;
    snd_pcm_get_params(pcm, &buffer, &period);
    return new cAlsaAudioOutput(feed, heard, pcm, static_cast<int64_t>(buffer));
}

cAlsaAudioOutput::cAlsaAudioOutput(cAudioFeed& feed, cHeardPosition& heard, snd_pcm_t* pcm,
                                   int64_t buffer_frames)
    : cBlockingAudioOutput(feed, heard, buffer_frames), pcm_(pcm) {}

cAlsaAudioOutput::~cAlsaAudioOutput() {
    stop();
    snd_pcm_close(pcm_);
}

// An underrun (the device played everything before the next chunk came) is recovered from
// and the rest written; the device then starts again once its buffer is full.
bool cAlsaAudioOutput::write(const int16_t* samples, int frames) {
    while (frames > 0) {
        const snd_pcm_sframes_t done =
            snd_pcm_writei(pcm_, samples, static_cast<snd_pcm_uframes_t>(frames));
        if (done < 0) {
            if (snd_pcm_recover(pcm_, static_cast<int>(done), 1) < 0)
                return false;
            restarted();
            continue;
        }
        samples += 2 * done;
        frames -= static_cast<int>(done);
    }
    return true;
}

bool cAlsaAudioOutput::delay_frames(int64_t* frames, uint64_t* counter) {
    snd_pcm_sframes_t delay = 0;
    if (snd_pcm_state(pcm_) != SND_PCM_STATE_RUNNING || snd_pcm_delay(pcm_, &delay) < 0)
        return false;
    *frames = delay;
    *counter = perf_counter();
    return true;
}

void cAlsaAudioOutput::flush() {
    snd_pcm_drop(pcm_);
    snd_pcm_prepare(pcm_);
}

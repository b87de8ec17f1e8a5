// The music through ALSA's "default" device: a sound card where no server runs, or whatever
// the system's ALSA configuration puts there (its PulseAudio plugin on most desktops). The
// delay is what ALSA says the device has yet to play.
#pragma once

#include "platform/cBlockingAudioOutput.h"

struct _snd_pcm;

class cAlsaAudioOutput : public cBlockingAudioOutput {
public:
    // Null where the device cannot be opened for 16-bit stereo at `rate`.
    static cAlsaAudioOutput* open(cAudioFeed& feed, cHeardPosition& heard, int rate, int buffer_ms);
    ~cAlsaAudioOutput() override;

    std::string name() const override { return "ALSA \"default\""; }

protected:
    bool write(const int16_t* samples, int frames) override;
    bool delay_frames(int64_t* frames, uint64_t* counter) override;
    void flush() override;

private:
    cAlsaAudioOutput(cAudioFeed& feed, cHeardPosition& heard, _snd_pcm* pcm, int64_t buffer_frames);

    _snd_pcm* pcm_;
};

// The music through SDL's audio drivers (the dummy and disk drivers of tests and machines
// without sound, or a driver named in SDL_AUDIODRIVER): SDL's callback fills from the feed.
// SDL 1.2 reports no latency, so this output leaves the heard position without reports.
#pragma once

#include "platform/iAudioOutput.h"

class cAudioFeed;

class cSdlAudioOutput : public iAudioOutput {
public:
    // Null where SDL cannot open a device for `buffer_ms` of 16-bit stereo at `rate`.
    static cSdlAudioOutput* open(cAudioFeed& feed, int rate, int buffer_ms);
    ~cSdlAudioOutput() override;

    void start() override;
    std::string name() const override;
    bool reports_delay() const override { return false; }

private:
    explicit cSdlAudioOutput(cAudioFeed& feed) : feed_(feed) {}
    static void fill(void* self, unsigned char* out, int len);

    cAudioFeed& feed_;
    bool owns_audio_subsystem_ = false; // we started SDL audio, so we stop it
};

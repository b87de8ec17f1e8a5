// The music through a PulseAudio server (or PipeWire's PulseAudio service), the sound path of
// Linux desktops: a playback stream whose latency, as the server reports it, includes what it
// queues and what its sink has yet to play.
#pragma once

#include "platform/cBlockingAudioOutput.h"

struct pa_simple;

class cPulseAudioOutput : public cBlockingAudioOutput {
public:
    // Null where no server answers.
    static cPulseAudioOutput* open(cAudioFeed& feed, cHeardPosition& heard, int rate,
                                   int buffer_ms);
    ~cPulseAudioOutput() override;

    std::string name() const override { return "PulseAudio"; }

protected:
    bool write(const int16_t* samples, int frames) override;
    bool delay_frames(int64_t* frames) override;
    void flush() override;

private:
    cPulseAudioOutput(cAudioFeed& feed, cHeardPosition& heard, pa_simple* stream, int rate,
                      int64_t buffer_frames);

    pa_simple* stream_;
    const int rate_;
};

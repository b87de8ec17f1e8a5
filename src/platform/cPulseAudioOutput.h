// The music through a PulseAudio server (or PipeWire's PulseAudio service), the sound path of
// Linux desktops: a playback stream whose delay is taken from the server's own timing replies,
// each true at the moment the server made it, with no client-side guessing in between.
#pragma once

#include "platform/cBlockingAudioOutput.h"

struct pa_threaded_mainloop;
struct pa_context;
struct pa_stream;
struct pa_operation;

class cPulseAudioOutput : public cBlockingAudioOutput {
public:
    // Null where no server answers.
    static cPulseAudioOutput* open(cAudioFeed& feed, cHeardPosition& heard, int rate,
                                   int buffer_ms);
    ~cPulseAudioOutput() override;

    std::string name() const override { return "PulseAudio"; }

protected:
    bool write(const int16_t* samples, int frames) override;
    bool delay_frames(int64_t* frames, uint64_t* counter) override;
    void flush() override;

private:
    cPulseAudioOutput(cAudioFeed& feed, cHeardPosition& heard, int rate, int64_t buffer_frames);
    bool connect(int64_t buffer_frames);
    // Waits, the loop locked, until the operation ends or the server goes away.
    void finish(pa_operation* operation);
    bool stream_good() const;

    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    pa_operation* timing_asked_ = nullptr; // the timing reply last asked for
    const int rate_;
};

#include "platform/cPulseAudioOutput.h"

#include "platform/cAudioFeed.h"

#include <pulse/simple.h>

cPulseAudioOutput* cPulseAudioOutput::open(cAudioFeed& feed, cHeardPosition& heard, int rate,
                                           int buffer_ms) {
    const pa_sample_spec format{PA_SAMPLE_S16NE, static_cast<uint32_t>(rate), 2};
    const uint32_t frames = static_cast<uint32_t>(int64_t(rate) * buffer_ms / 1000);
    pa_buffer_attr attr;
    attr.maxlength = static_cast<uint32_t>(-1);
    attr.tlength =
        frames * kAudioFrameBytes; // the server keeps this much queued, its sink's latency included
    attr.prebuf = static_cast<uint32_t>(-1);
    attr.minreq = static_cast<uint32_t>(-1);
    attr.fragsize = static_cast<uint32_t>(-1);
    int error = 0;
    pa_simple* stream = pa_simple_new(nullptr, "mirrel", PA_STREAM_PLAYBACK, nullptr, "music",
                                      &format, nullptr, &attr, &error);
    if (!stream)
        return nullptr;
    return new cPulseAudioOutput(feed, heard, stream, rate, frames);
}

cPulseAudioOutput::cPulseAudioOutput(cAudioFeed& feed, cHeardPosition& heard, pa_simple* stream,
                                     int rate, int64_t buffer_frames)
    : cBlockingAudioOutput(feed, heard, buffer_frames), stream_(stream), rate_(rate) {}

cPulseAudioOutput::~cPulseAudioOutput() {
    stop();
    pa_simple_free(stream_);
}

bool cPulseAudioOutput::write(const int16_t* samples, int frames) {
    int error = 0;
    return pa_simple_write(stream_, samples, static_cast<size_t>(frames) * kAudioFrameBytes,
                           &error) == 0;
}

bool cPulseAudioOutput::delay_frames(int64_t* frames) {
    int error = 0;
    const pa_usec_t usec = pa_simple_get_latency(stream_, &error);
    if (usec == static_cast<pa_usec_t>(-1))
        return false;
    *frames = static_cast<int64_t>(usec * static_cast<pa_usec_t>(rate_) / 1000000);
    return true;
}

void cPulseAudioOutput::flush() {
    int error = 0;
    pa_simple_flush(stream_, &error);
}

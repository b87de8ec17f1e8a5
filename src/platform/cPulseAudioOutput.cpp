#include "platform/cPulseAudioOutput.h"

#include "platform/PerfCounter.h"
#include "platform/cAudioFeed.h"

#include <pulse/pulseaudio.h>

#include <sys/time.h>

namespace {

// Every callback only wakes the thread waiting on the loop; it then looks for itself.
void wake(pa_threaded_mainloop* loop) {
    pa_threaded_mainloop_signal(loop, 0);
}
void on_context(pa_context*, void* loop) {
    wake(static_cast<pa_threaded_mainloop*>(loop));
}
void on_stream(pa_stream*, void* loop) {
    wake(static_cast<pa_threaded_mainloop*>(loop));
}
void on_room(pa_stream*, size_t, void* loop) {
    wake(static_cast<pa_threaded_mainloop*>(loop));
}
void on_done(pa_stream*, int, void* loop) {
    wake(static_cast<pa_threaded_mainloop*>(loop));
}

// How long ago, in microseconds, the system clock read `then` (the server's stamps are taken
// with the system clock; the demo's counter is monotonic, so only ages carry over).
int64_t usec_since(const timeval& then) {
    timeval now;
    gettimeofday(&now, nullptr);
    return (int64_t(now.tv_sec) - then.tv_sec) * 1000000 + (int64_t(now.tv_usec) - then.tv_usec);
}

} // namespace

cPulseAudioOutput* cPulseAudioOutput::open(cAudioFeed& feed, cHeardPosition& heard, int rate,
                                           int buffer_ms) {
    const int64_t frames = int64_t(rate) * buffer_ms / 1000;
    auto* output = new cPulseAudioOutput(feed, heard, rate, frames);
    if (output->connect(frames))
        return output;
    delete output;
    return nullptr;
}

cPulseAudioOutput::cPulseAudioOutput(cAudioFeed& feed, cHeardPosition& heard, int rate,
                                     int64_t buffer_frames)
    : cBlockingAudioOutput(feed, heard, buffer_frames), rate_(rate) {}

// The server keeps `buffer_frames` queued, its sink's latency included.
bool cPulseAudioOutput::connect(int64_t buffer_frames) {
    // The loop's thread carries the music to the server: it runs at the sound's priority.
    loop_ = pa_threaded_mainloop_new();
    const int nice = raise_priority();
    const bool started = loop_ && pa_threaded_mainloop_start(loop_) == 0;
    restore_priority(nice);
    if (!started)
        return false;
    pa_threaded_mainloop_lock(loop_);
    context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "mirrel");
    pa_context_set_state_callback(context_, on_context, loop_);
    bool ready = pa_context_connect(context_, nullptr, PA_CONTEXT_NOFLAGS, nullptr) == 0;
    pa_context_state_t state = PA_CONTEXT_UNCONNECTED;
    while (ready && (state = pa_context_get_state(context_)) != PA_CONTEXT_READY &&
           PA_CONTEXT_IS_GOOD(state))
        pa_threaded_mainloop_wait(loop_);
    ready = ready && state == PA_CONTEXT_READY;
    if (ready) {
        const pa_sample_spec format{PA_SAMPLE_S16NE, static_cast<uint32_t>(rate_), 2};
        stream_ = pa_stream_new(context_, "music", &format, nullptr);
        pa_stream_set_state_callback(stream_, on_stream, loop_);
        pa_stream_set_write_callback(stream_, on_room, loop_);
        pa_buffer_attr attr;
        attr.maxlength = static_cast<uint32_t>(-1);
        attr.tlength = static_cast<uint32_t>(buffer_frames * kAudioFrameBytes);
        attr.prebuf = static_cast<uint32_t>(-1);
        attr.minreq = static_cast<uint32_t>(-1);
        attr.fragsize = static_cast<uint32_t>(-1);
        const auto flags = static_cast<pa_stream_flags_t>(PA_STREAM_ADJUST_LATENCY);
        ready = pa_stream_connect_playback(stream_, nullptr, &attr, flags, nullptr, nullptr) == 0;
        while (ready && pa_stream_get_state(stream_) == PA_STREAM_CREATING)
            pa_threaded_mainloop_wait(loop_);
        ready = ready && pa_stream_get_state(stream_) == PA_STREAM_READY;
    }
    pa_threaded_mainloop_unlock(loop_);
    return ready;
}

cPulseAudioOutput::~cPulseAudioOutput() {
    stop();
    if (loop_)
        pa_threaded_mainloop_stop(loop_);
    if (timing_asked_)
        pa_operation_unref(timing_asked_);
    if (stream_) {
        pa_stream_disconnect(stream_);
        pa_stream_unref(stream_);
    }
    if (context_) {
        pa_context_disconnect(context_);
        pa_context_unref(context_);
    }
    if (loop_)
        pa_threaded_mainloop_free(loop_);
}

bool cPulseAudioOutput::stream_good() const {
    return PA_STREAM_IS_GOOD(pa_stream_get_state(stream_));
}

void cPulseAudioOutput::finish(pa_operation* operation) {
    if (!operation)
        return;
    while (pa_operation_get_state(operation) == PA_OPERATION_RUNNING && stream_good())
        pa_threaded_mainloop_wait(loop_);
    pa_operation_unref(operation);
}

bool cPulseAudioOutput::write(const int16_t* samples, int frames) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(samples);
    size_t left = static_cast<size_t>(frames) * kAudioFrameBytes;
    pa_threaded_mainloop_lock(loop_);
    while (left > 0 && stream_good()) {
        const size_t room = pa_stream_writable_size(stream_);
        if (room == static_cast<size_t>(-1))
            break;
        if (room == 0) {
            pa_threaded_mainloop_wait(loop_);
            continue;
        }
        const size_t now = room < left ? room : left;
        if (pa_stream_write(stream_, bytes, now, nullptr, 0, PA_SEEK_RELATIVE) < 0)
            break;
        bytes += now;
        left -= now;
    }
    pa_threaded_mainloop_unlock(loop_);
    return left == 0;
}

// The latest timing reply: what the server had played and its sink had yet to play when it
// answered, against the moment it answered, and everything handed over since (the library
// counts local writes into it). A new reply is asked for but never waited on: the writer must
// not hang on a busy server.
bool cPulseAudioOutput::delay_frames(int64_t* frames, uint64_t* counter) {
    pa_threaded_mainloop_lock(loop_);
    if (!timing_asked_ || pa_operation_get_state(timing_asked_) != PA_OPERATION_RUNNING) {
        if (timing_asked_)
            pa_operation_unref(timing_asked_);
        timing_asked_ = pa_stream_update_timing_info(stream_, nullptr, nullptr);
    }
    const pa_timing_info* timing = pa_stream_get_timing_info(stream_);
    const bool known =
        timing && !timing->read_index_corrupt && !timing->write_index_corrupt && timing->playing;
    if (known) {
        const int64_t queued = (timing->write_index - timing->read_index) / kAudioFrameBytes;
        *frames = queued + static_cast<int64_t>(timing->sink_usec) * rate_ / 1000000;
        const int64_t age_ns = usec_since(timing->timestamp) * 1000;
        *counter = perf_counter() - static_cast<uint64_t>(age_ns > 0 ? age_ns : 0);
    }
    pa_threaded_mainloop_unlock(loop_);
    return known;
}

void cPulseAudioOutput::flush() {
    pa_threaded_mainloop_lock(loop_);
    finish(pa_stream_flush(stream_, on_done, loop_));
    pa_threaded_mainloop_unlock(loop_);
}

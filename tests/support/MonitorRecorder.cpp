#include "support/MonitorRecorder.h"

#include <pulse/simple.h>

#include <algorithm>
#include <cmath>
#include <ctime>
#include <limits>

namespace {

constexpr int kRate = 44100;
constexpr int kReadFrames = 441;          // 10 ms a read, so the stamps are close together
constexpr int kWindowFrames = kRate / 10; // the stretch of the recording that is located
constexpr int kSearchFrames = kRate / 2;  // how far from the guess it may lie, either way
constexpr double kNearSeconds = 8;        // the stamps that place a moment
constexpr double kLeastMatch = 0.9;       // normalised correlation of a real match

double monotonic_seconds() {
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

float mono(const int16_t* frame) {
    return (static_cast<float>(frame[0]) + static_cast<float>(frame[1])) * 0.5f;
}

} // namespace

cMonitorRecorder::cMonitorRecorder(const std::string& server, const std::string& source) {
    const pa_sample_spec format{PA_SAMPLE_S16NE, kRate, 2};
    pa_buffer_attr attr{};
    attr.maxlength = static_cast<uint32_t>(-1);
    attr.fragsize = kReadFrames * 4;
    stream_ = pa_simple_new(server.c_str(), "sync-recorder", PA_STREAM_RECORD, source.c_str(),
                            "listener", &format, nullptr, &attr, nullptr);
    if (stream_)
        thread_ = std::thread(&cMonitorRecorder::run, this);
}

cMonitorRecorder::~cMonitorRecorder() {
    stop();
    if (stream_)
        pa_simple_free(stream_);
}

void cMonitorRecorder::stop() {
    stopping_ = true;
    if (thread_.joinable())
        thread_.join();
}

// After each read the next frame to come is the one the server says was heard `latency` ago.
void cMonitorRecorder::run() {
    std::vector<int16_t> chunk(2 * kReadFrames);
    while (!stopping_) {
        if (pa_simple_read(stream_, chunk.data(), chunk.size() * 2, nullptr) < 0)
            return;
        const double now = monotonic_seconds();
        const pa_usec_t latency = pa_simple_get_latency(stream_, nullptr);
        std::lock_guard<std::mutex> lock(mutex_);
        for (int i = 0; i < kReadFrames; ++i)
            mono_.push_back(mono(&chunk[2 * i]));
        if (latency != static_cast<pa_usec_t>(-1))
            stamps_.push_back(
                {static_cast<int64_t>(mono_.size()), now - static_cast<double>(latency) * 1e-6});
    }
}

// Near a moment, the recorded frames and the moments they were heard lie on a line of the
// nominal slope (the null sink's clock runs some tens of ppm off the system's: under a
// millisecond over the stretch taken), placed by the median of where the stamps within
// kNearSeconds put it. Each stamp alone jitters with the scheduling of the reads and with the
// client library's passing errors in the latency it reports, errors that last a few seconds;
// the median stands where most stamps agree.
double cMonitorRecorder::frame_at(double seconds) const {
    std::vector<double> starts; // by each stamp near the moment: when the first frame was heard
    for (const Stamp& stamp : stamps_)
        if (std::fabs(stamp.seconds - seconds) <= kNearSeconds)
            starts.push_back(stamp.seconds - static_cast<double>(stamp.frame) / kRate);
    if (starts.size() < 10)
        return -1;
    std::nth_element(starts.begin(), starts.begin() + starts.size() / 2, starts.end());
    return (seconds - starts[starts.size() / 2]) * kRate;
}

double cMonitorRecorder::tune_ms_heard_at(double seconds, const std::vector<int16_t>& tune,
                                          double guess_ms) const {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    std::lock_guard<std::mutex> lock(mutex_);
    const double frame = frame_at(seconds);
    const int64_t first = static_cast<int64_t>(std::floor(frame)) - kWindowFrames / 2;
    if (frame < 0 || first < 0 || first + kWindowFrames > static_cast<int64_t>(mono_.size()))
        return nan;
    const float* heard = &mono_[static_cast<size_t>(first)];
    double heard_energy = 0;
    for (int i = 0; i < kWindowFrames; ++i)
        heard_energy += double(heard[i]) * heard[i];
    const int64_t tune_frames = static_cast<int64_t>(tune.size() / 2);
    const int64_t centre = static_cast<int64_t>(guess_ms * kRate / 1000) - kWindowFrames / 2;
    const int64_t from = std::max<int64_t>(centre - kSearchFrames, 0);
    const int64_t to = std::min(centre + kSearchFrames, tune_frames - kWindowFrames);
    std::vector<float> stretch; // the tune where the match may lie, as mono
    for (int64_t i = from; i < to + kWindowFrames; ++i)
        stretch.push_back(mono(&tune[static_cast<size_t>(2 * i)]));
    double best = -1;
    int64_t best_at = -1;
    for (int64_t at = from; at <= to; ++at) {
        const float* t = &stretch[static_cast<size_t>(at - from)];
        double dot = 0, energy = 0;
        for (int i = 0; i < kWindowFrames; ++i) {
            dot += double(t[i]) * heard[i];
            energy += double(t[i]) * t[i];
        }
        const double match = dot / std::sqrt(energy * heard_energy + 1e-9);
        if (match > best)
            best = match, best_at = at;
    }
    if (best < kLeastMatch)
        return nan;
    const double into_window = frame - static_cast<double>(first);
    return (static_cast<double>(best_at) + into_window) * 1000.0 / kRate;
}

// Records what a listener hears: a PulseAudio monitor source, read on a thread of its own,
// with the moment (CLOCK_MONOTONIC) each recorded frame was heard, from the server's own
// latency reports. Then finds which frame of a known tune was heard at a given moment.
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct pa_simple;

class cMonitorRecorder {
public:
    cMonitorRecorder(const std::string& server, const std::string& source);
    ~cMonitorRecorder();
    cMonitorRecorder(const cMonitorRecorder&) = delete;
    cMonitorRecorder& operator=(const cMonitorRecorder&) = delete;

    bool recording() const { return stream_ != nullptr; }
    // Stops recording; what was recorded stays.
    void stop();
    // The tune's position, in ms, heard at monotonic `seconds`: the recording around that moment
    // located in `tune` (interleaved stereo at 44100 Hz) near `guess_ms`. NaN where no place
    // matches well.
    double tune_ms_heard_at(double seconds, const std::vector<int16_t>& tune,
                            double guess_ms) const;

private:
    struct Stamp {
        int64_t frame;  // frames recorded before it
        double seconds; // when that frame was heard
    };
    void run();
    // The recorded frame heard at monotonic `seconds`; -1 outside the recording.
    double frame_at(double seconds) const;

    pa_simple* stream_ = nullptr;
    std::atomic<bool> stopping_{false};
    std::thread thread_;
    mutable std::mutex mutex_;
    std::vector<float> mono_;
    std::vector<Stamp> stamps_;
};

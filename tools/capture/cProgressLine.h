// The capture run's progress on standard error: frame, demo time, scene and
// the tool's own frames per second. On a terminal one line is rewritten a
// few times a second; otherwise a line is printed every ten seconds of demo time.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

class cProgressLine {
public:
    cProgressLine();

    void update(int64_t frame, int32_t demo_ms, const std::string& scene);
    // Ends a rewritten line so later messages start on their own.
    void close();

private:
    using tClock = std::chrono::steady_clock;

    bool due(int32_t demo_ms, tClock::time_point now);

    bool terminal_;
    tClock::time_point started_;
    tClock::time_point shown_;
    int32_t shown_ms_ = INT32_MIN;
    int64_t frames_ = 0;
};

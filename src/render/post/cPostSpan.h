// The time the frame spends in the post effects, for the capture tool's frame statistics.
// Each effect opens a span; only the outermost one counts. Timing is off in the demo: when
// on, a span waits for the GL before and after, so it holds the effect's own drawing.
#pragma once

class cPostSpan {
public:
    cPostSpan();
    ~cPostSpan();
    cPostSpan(const cPostSpan&) = delete;
    cPostSpan& operator=(const cPostSpan&) = delete;

    static void enable_timing(bool on);
    // The milliseconds spent in outermost spans since the last call.
    static double take_ms();

private:
    double begin_ms_ = 0;
};

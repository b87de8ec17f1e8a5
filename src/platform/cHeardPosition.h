// Which music frame is heard at a given moment. The output tells it what it hands the device
// (the music from some frame on, or silence held at one) and how much of that the sound system
// says is still to be heard; from the two it tells the music heard now, between reports too.
#pragma once

#include <cstdint>
#include <mutex>

class cHeardPosition {
public:
    explicit cHeardPosition(int rate) : rate_(rate) {}

    // `frames` handed to the device after all handed before: the music from `music_frame` on,
    // or (`advancing` false) silence while the music stands at `music_frame`.
    void handed(int64_t music_frame, int64_t frames, bool advancing);
    // At perf counter `counter` the sound system said `delay_frames` of what was handed over
    // are still to be heard.
    void delayed(int64_t delay_frames, uint64_t counter);
    // What is already handed over may never be heard (a restarted device): the last report no
    // longer tells; the next one will.
    void forget_report();
    // The music is about to move (a seek, a pause): from now on no report counts, not even one
    // the output takes for a chunk it handed over before, until new_music_starts.
    void expect_new_music();
    // The output dropped what the device held and hands over the moved music from here.
    void new_music_starts();

    // The music heard at `counter`, in ms of the music (negative before its first frame is
    // heard): false before the first report after a forget, or where silence is heard.
    bool music_ms(uint64_t counter, uint64_t frequency, double* ms) const;
    // The sound system's delay at its last report, ms; -1 before the first.
    int delay_ms() const;

private:
    const int rate_;
    mutable std::mutex mutex_;
    int64_t handed_ = 0;     // frames handed over since the device opened
    int64_t run_device_ = 0; // where the latest unbroken run of music starts, in handed frames
    int64_t run_music_ = 0;  // ... and in music frames
    int64_t run_end_ = -1;   // the music frame after the run's last, -1 without a run
    int64_t held_from_ = -1; // handed frame where held silence began after the run, -1 if none
    bool reported_ = false;
    bool awaiting_new_music_ = false;
    double heard_at_report_ = 0; // handed frame heard at the report
    uint64_t report_counter_ = 0;
    int last_delay_ms_ = -1;
};

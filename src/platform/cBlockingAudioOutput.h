// An output that hands the sound system chunks from a thread of its own, at a higher priority
// than drawing where the system allows: each chunk is decoded, written (blocking while the
// device's buffer is full) and followed by the delay the system reports for it.
#pragma once

#include "platform/iAudioOutput.h"

#include <atomic>
#include <cstdint>
#include <thread>

class cAudioFeed;
class cHeardPosition;

class cBlockingAudioOutput : public iAudioOutput {
public:
    static constexpr int kChunkFrames = 1024; // about 23 ms at 44100 Hz

    ~cBlockingAudioOutput() override;
    void start() override;
    bool reports_delay() const override { return true; }

protected:
    // `buffer_frames`: how much the device holds before it plays, so before reports count.
    cBlockingAudioOutput(cAudioFeed& feed, cHeardPosition& heard, int64_t buffer_frames);
    // Ends the thread; a derived output calls it before it closes its device.
    void stop();

    // Hands over all of `frames`, blocking while the device is full; false on a lasting error.
    virtual bool write(const int16_t* samples, int frames) = 0;
    // The frames handed over that were still to be heard at perf counter `counter`; false while
    // the device is not playing.
    virtual bool delay_frames(int64_t* frames, uint64_t* counter) = 0;
    // Drops what the device still holds.
    virtual void flush() = 0;
    // The device started over empty (after an underrun): it plays again once refilled.
    void restarted();
    // Gives the calling thread the sound's priority and returns the one it had. A client
    // library that carries the music to a server on a thread of its own starts it under this:
    // new threads inherit it, and a starved carrier underruns however full the output keeps it.
    static int raise_priority();
    static void restore_priority(int nice);

private:
    void run();
    void hand_over(const int16_t* samples, int64_t music_frame, int music_frames);

    cAudioFeed& feed_;
    cHeardPosition& heard_;
    const int64_t buffer_frames_;
    int64_t since_restart_ = 0; // frames handed over since the device last started empty
    std::atomic<bool> stopping_{false};
    std::thread thread_;
};

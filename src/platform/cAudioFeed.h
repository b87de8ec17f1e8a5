// What the output plays, a chunk at a time: the music stream from where it stands, or silence
// before play, while paused and after the end. The main thread starts, moves and pauses it;
// the output's thread fills from it and learns when what it already handed over must go.
#pragma once

#include <cstdint>
#include <mutex>

struct mpg123_handle_struct;

// Every output plays 16-bit stereo: four bytes a frame.
constexpr int kAudioFrameBytes = 4;

// One filled chunk: the music from `music_frame` on for `music_frames` frames, silence after.
struct cFeedChunk {
    bool flush = false; // drop what the device still holds: the music moved or paused
    int64_t music_frame = 0;
    int music_frames = 0;
};

class cAudioFeed {
public:
    // Plays `decoder` (gapless 16-bit stereo) from its current position; not owned.
    void play(mpg123_handle_struct* decoder);
    // Moves the music to `frame`, sample-exact; false where the decoder cannot.
    bool seek(int64_t frame);
    void set_paused(bool paused);
    bool paused() const;
    // Nothing plays any more (the streams are about to be freed).
    void stop();
    // Fills `frames` of interleaved stereo; runs on the output's thread.
    cFeedChunk fill(int16_t* out, int frames);

private:
    mutable std::mutex mutex_;
    mpg123_handle_struct* decoder_ = nullptr;
    int64_t frame_ = 0;
    bool ended_ = false;
    bool paused_ = false;
    bool flush_ = false;
};

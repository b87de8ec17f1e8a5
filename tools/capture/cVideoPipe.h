// The video output: Debian's ffmpeg program fed raw RGB frames on a pipe, encoding H.264 into
// an MP4 with the music muxed in from the first frame's demo time, so picture and sound play
// in step; or, for a piece of a longer video, FFV1 into Matroska, lossless and silent.
#pragma once

#include "cFrame.h"

#include <cstdint>
#include <string>
#include <sys/types.h>
#include <vector>

class cVideoPipe {
public:
    // Throws unless an executable ffmpeg is on the search path.
    static void check_ffmpeg();

    // Without music, the lossless piece.
    cVideoPipe(std::string file, std::string music, int fps);
    ~cVideoPipe();
    cVideoPipe(const cVideoPipe&) = delete;
    cVideoPipe& operator=(const cVideoPipe&) = delete;

    // The first frame starts ffmpeg with the music offset to `demo_ms`.
    void add(const cFrame& frame, int32_t demo_ms);
    // Ends the stream and waits; throws if ffmpeg failed or had no frames.
    void finish();
    int64_t frames() const { return frames_; }

private:
    void start(int width, int height, int32_t demo_ms);
    std::vector<std::string> encoding(int32_t demo_ms) const;
    int wait_child();

    std::string file_;
    std::string music_;
    int fps_;
    pid_t pid_ = -1;
    int fd_ = -1;
    int64_t frames_ = 0;
};

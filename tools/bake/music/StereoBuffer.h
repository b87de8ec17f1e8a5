// Stereo audio as two float channels at the synthesiser's sample rate.
// Every render stage reads and writes these; full scale is +-1.0.
// Frame 0 is time 0 of the piece.
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

constexpr int kSampleRate = 44100;

struct StereoBuffer {
    std::vector<float> left;
    std::vector<float> right;

    explicit StereoBuffer(size_t frames = 0) : left(frames, 0.0f), right(frames, 0.0f) {}
    size_t frames() const { return left.size(); }
    void clear() {
        std::fill(left.begin(), left.end(), 0.0f);
        std::fill(right.begin(), right.end(), 0.0f);
    }
};

// The record of a piece of video the capture tool renders: what made it (the commit, the baked
// data's manifest digest, the renderer, the host), its size, frame rate and span, and each
// frame's SHA-256, so that pieces rendered apart can be checked before they are joined.
#pragma once

#include "cFrame.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class cPieceRecord {
public:
    cPieceRecord(int fps, int32_t from, int32_t to) : fps_(fps), from_(from), to_(to) {}

    void add(const cFrame& frame, int32_t t);
    // The record as text, one "key value" a line, the frames last; `renderer` is GL's renderer
    // and version.
    std::string text(const std::string& renderer) const;
    int64_t frames() const { return static_cast<int64_t>(frames_.size()); }

private:
    int fps_;
    int32_t from_, to_;
    int width_ = 0, height_ = 0;
    std::vector<std::pair<int32_t, std::string>> frames_; // demo time, digest
};

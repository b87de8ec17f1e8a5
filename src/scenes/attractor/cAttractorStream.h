// One cloud of attractor points: a ring of `capacity` points, refilled `batch` points a
// frame. Each pass round the ring starts the orbit again at the
// origin, so the cloud is rebuilt every capacity/batch frames. A frame's update only records
// its batch (parameters, jitter, where it lands); the points are traced when a drawing needs
// them, so frames that are never drawn (a seek) cost nothing and the drawn ring is the same.
#pragma once

#include "cAttractorCalculator_pickover.h"
#include "render/points/PointStyle.h"

#include <cstdint>
#include <vector>

class cAttractorStream {
public:
    // Throws std::invalid_argument when a batch would not fit in the ring.
    cAttractorStream(int32_t capacity, int32_t batch);

    // Records the next batch, traced with `params` and the calculator's jitter scale.
    void update(const cAttractorParams& params);
    // Traces every recorded batch the ring still shows (and the ones their orbit starts
    // from) into the ring. The ring is a function of the records: tracing changes no
    // state a later frame reads.
    void flush();
    // Empty, as made: the next batch starts the first pass.
    void rewind();
    // Every point written so far; a ring not yet full gives only what it holds.
    sPointSource points() const { return {ring_.data(), 3, filled_}; }

    int32_t capacity() const { return capacity_; }
    int32_t batch() const { return batch_; }
    int32_t write_offset() const { return write_offset_; }
    int32_t filled() const { return filled_; }
    cAttractorCalculator_pickover& calculator() { return calculator_; }

private:
    struct sBatch {
        cAttractorParams params;
        double noise_scale;
        int32_t noise_start; // the jitter table's running index at the batch's first point
        int32_t offset;      // in points; 0 starts a pass from the origin
        int64_t pass;
        bool traced;
    };

    bool shown(size_t i) const;
    bool needed(size_t i) const;
    void trace(const sBatch& b, float* ring);

    int32_t capacity_;
    int32_t batch_;
    std::vector<float> ring_; // three floats a point
    cAttractorCalculator_pickover calculator_;
    int32_t write_offset_ = 0;
    int32_t filled_ = 0;
    int32_t noise_index_ = 0;
    int64_t pass_ = -1;
    std::vector<sBatch> batches_; // this pass's and the previous pass's, oldest first
    std::vector<float> scratch_;  // batches traced only for the orbit they lead to
};

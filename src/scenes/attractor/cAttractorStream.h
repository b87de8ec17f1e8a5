// One cloud of attractor points: a ring of `capacity` points in a dynamic vertex buffer,
// refilled `batch` points a frame through a write-only mapping. Each pass round the ring
// starts the orbit again at the origin, so the cloud is rebuilt every capacity/batch frames.
#pragma once

#include "cAttractorCalculator_pickover.h"
#include "mesh_files/cVBO.h"

class cAttractorStream {
public:
    // Throws std::invalid_argument when a batch would not fit in the ring.
    cAttractorStream(int32_t capacity, int32_t batch);

    // The next batch into the buffer.
    void update(const cAttractorParams& params);
    // The next batch into `points`, a client copy of the ring; returns where it was written.
    int32_t write_batch(float* points, const cAttractorParams& params);
    // Every point written so far as GL_POINTS; a ring not yet full draws only what it holds,
    // never the buffer's undefined rest.
    void draw();

    int32_t capacity() const { return capacity_; }
    int32_t batch() const { return batch_; }
    int32_t write_offset() const { return write_offset_; }
    int32_t filled() const { return filled_; }
    GLuint vbo_id() const { return vbo_.id; }
    cAttractorCalculator_pickover& calculator() { return calculator_; }

private:
    int32_t capacity_;
    int32_t batch_;
    cVBO vbo_{3};
    cAttractorCalculator_pickover calculator_;
    int32_t write_offset_ = 0;
    int32_t filled_ = 0;
};

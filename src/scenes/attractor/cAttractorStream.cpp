#include "cAttractorStream.h"

#include "render/GlExtensions.h"

#include <GL/gl.h>
#include <algorithm>
#include <stdexcept>

namespace {

int32_t checked_capacity(int32_t capacity, int32_t batch) {
    if (capacity < batch || batch <= 0)
        throw std::invalid_argument("cAttractorStream: the batch does not fit the buffer");
    return capacity;
}

} // namespace

cAttractorStream::cAttractorStream(int32_t capacity, int32_t batch)
    : capacity_(checked_capacity(capacity, batch)), batch_(batch) {
    vbo_.size_for_refill(capacity_);
}

void cAttractorStream::update(const cAttractorParams& params) {
    float* points = static_cast<float*>(vbo_.map_for_writing());
    // A driver that cannot map leaves the cloud as it was rather than writing through null.
    if (points != nullptr)
        write_batch(points, params);
    vbo_.unmap();
    ext::glBindBufferARB(GL_ARRAY_BUFFER, 0);
}

int32_t cAttractorStream::write_batch(float* points, const cAttractorParams& params) {
    if (capacity_ < write_offset_ + batch_) {
        write_offset_ = 0;
        calculator_.generate_from_origin(points, batch_, params);
    } else {
        calculator_.generate(points + 3 * static_cast<size_t>(write_offset_), batch_, params);
    }
    const int32_t written_at = write_offset_;
    write_offset_ += batch_;
    filled_ = std::max(filled_, write_offset_);
    return written_at;
}

void cAttractorStream::draw() {
    vbo_.set_as_vertex_array();
    glDrawArrays(GL_POINTS, 0, filled_);
    glDisableClientState(GL_VERTEX_ARRAY);
    ext::glBindBufferARB(GL_ARRAY_BUFFER, 0);
}

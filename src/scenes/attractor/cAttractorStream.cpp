#include "cAttractorStream.h"

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
    : capacity_(checked_capacity(capacity, batch)), batch_(batch),
      ring_(3 * size_t(capacity_), 0.0f) {}

void cAttractorStream::update(const cAttractorParams& params) {
    if (capacity_ < write_offset_ + batch_ || pass_ < 0) {
        write_offset_ = 0;
        ++pass_;
        // Two passes hold every point the ring can show: older ones are overwritten.
        batches_.erase(std::remove_if(batches_.begin(), batches_.end(),
                                      [&](const sBatch& b) { return b.pass < pass_ - 1; }),
                       batches_.end());
    }
    batches_.push_back(
        {params, calculator_.noise_scale, noise_index_, write_offset_, pass_, false});
    // Three jitter reads a point, wrapping round the table.
    const int64_t reads = 3 * int64_t(batch_);
    noise_index_ = int32_t((noise_index_ + reads) % cAttractorCalculator_pickover::kNoiseSize);
    write_offset_ += batch_;
    filled_ = std::max(filled_, write_offset_);
}

// Whether no later batch has landed on this one's points.
bool cAttractorStream::shown(size_t i) const {
    for (size_t j = i + 1; j < batches_.size(); ++j)
        if (batches_[j].offset == batches_[i].offset)
            return false;
    return true;
}

// Untraced, and shown or the start of the orbit of a shown batch later in its pass.
bool cAttractorStream::needed(size_t i) const {
    if (batches_[i].traced)
        return false;
    for (size_t j = i; j < batches_.size() && batches_[j].pass == batches_[i].pass; ++j)
        if (!batches_[j].traced && shown(j))
            return true;
    return false;
}

void cAttractorStream::trace(const sBatch& b, float* destination) {
    calculator_.noise_scale = b.noise_scale;
    calculator_.noise_index = b.noise_start;
    // The calculator's orbit sits where the previous batch of the pass ended: batches are
    // traced in order, and every batch before a needed one in its pass is needed too.
    if (b.offset == 0)
        calculator_.generate_from_origin(destination, batch_, b.params);
    else
        calculator_.generate(destination, batch_, b.params);
}

void cAttractorStream::flush() {
    const double live_scale = calculator_.noise_scale;
    for (size_t i = 0; i < batches_.size(); ++i) {
        if (needed(i)) {
            scratch_.resize(3 * size_t(batch_));
            trace(batches_[i], shown(i) ? &ring_[3 * size_t(batches_[i].offset)] : scratch_.data());
        }
        batches_[i].traced = true; // or shown by nothing, led to by nothing still to come
    }
    calculator_.noise_scale = live_scale;
}

void cAttractorStream::rewind() {
    batches_.clear();
    write_offset_ = filled_ = noise_index_ = 0;
    pass_ = -1;
}

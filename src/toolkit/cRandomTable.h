// The process-wide table of random floats in [0, 1] that the particle
// emitter, the sun and the scrub engine draw from through one shared cursor.
// It is filled once at start-up from the runtime generator, so every run draws the same.
#pragma once

#include "base/Singleton.h"

#include <cstddef>
#include <vector>

class cRandomTable {
public:
    static constexpr size_t kSize = 131072;

    cRandomTable() : values_(kSize, 0.0f) {}

    // Restarts the runtime generator at its fixed start state and stores
    // r / 32767 for its next kSize values; the cursor goes back to 0.
    void fill();
    // Advances the cursor by one (wrapping) and reads the value there.
    float next() {
        cursor_ = (cursor_ + 1) % kSize;
        return values_[cursor_];
    }
    float at(size_t index) const { return values_[index % kSize]; }
    size_t cursor() const { return cursor_; }
    void set_cursor(size_t cursor) { cursor_ = cursor % kSize; }

private:
    std::vector<float> values_;
    size_t cursor_ = 0;
};

inline cRandomTable& random_table() {
    return cSingleton<cRandomTable>::get();
}

inline float next_random() {
    return random_table().next();
}

// What every reader's fuzz target shares: the reader's messages go nowhere,
// and a designed fatal exit ends the one input as a clean run instead of the
// process, so only sanitizer reports, hangs and huge allocations are faults.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

// Runs `read` with messages silenced; a designed exit inside it returns here.
void run_reader(const std::function<void()>& read);

std::vector<uint8_t> as_bytes(const uint8_t* data, size_t size);

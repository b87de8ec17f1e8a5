// The runtime library's pseudo-random generator: the classic 0..32767
// linear congruential sequence, whatever the C library's own rand does.
// The state starts at 1, so a process that never seeds sees the same numbers.
#pragma once

#include <cstdint>

constexpr int kMrlRandMax = 32767;

// Restarts the sequence from `seed`.
void mrl_srand(uint32_t seed);
// The next value of the sequence, in 0..kMrlRandMax.
int mrl_rand();

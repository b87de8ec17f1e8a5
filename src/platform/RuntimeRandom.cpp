#include "platform/RuntimeRandom.h"

namespace {
uint32_t g_state = 1;
} // namespace

void mrl_srand(uint32_t seed) {
    g_state = seed;
}

int mrl_rand() {
    g_state = g_state * 214013u + 2531011u;
    return static_cast<int>((g_state >> 16) & 0x7fffu);
}

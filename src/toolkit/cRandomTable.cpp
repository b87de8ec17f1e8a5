#include "toolkit/cRandomTable.h"

#include "platform/RuntimeRandom.h"

void cRandomTable::fill() {
    // The generator's start state, as if nothing had drawn from it yet: a
    // test or a tool that seeded it earlier still gets the demo's table.
    mrl_srand(1);
    for (float& value : values_)
        value = static_cast<float>(mrl_rand()) / static_cast<float>(kMrlRandMax);
    cursor_ = 0;
}

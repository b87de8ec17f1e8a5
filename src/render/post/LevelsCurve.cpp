#include "LevelsCurve.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kNarrowest = 0.001f; // the programs' smallest input range

bool foldable(const cLevelsParams& c) {
    return c.Gamma == 1 && c.inWhite - c.inBlack >= kNarrowest && c.outWhite >= c.outBlack;
}

} // namespace

float levels_value(const cLevelsParams& c, float x) {
    float t = std::clamp((x - c.inBlack) / std::max(c.inWhite - c.inBlack, kNarrowest), 0.0f, 1.0f);
    if (c.Gamma != 1)
        t = std::pow(t, 1 / std::max(c.Gamma, kNarrowest));
    return c.outBlack + t * (c.outWhite - c.outBlack);
}

// Below first's input black the pair gives then(first's output black), above its input white
// then(first's output white); in between first runs straight, so the pair bends only where
// first's output crosses then's input points. Those are the folded curve's input points.
bool follow_levels(const cLevelsParams& first, const cLevelsParams& then, cLevelsParams& both) {
    if (!foldable(first) || !foldable(then))
        return false;
    const float low = levels_value(then, first.outBlack);
    const float high = levels_value(then, first.outWhite);
    const float rise = first.outWhite - first.outBlack;
    if (rise <= 0) { // first is flat: so is the pair
        both = {0, 255, 1, low, low};
        return true;
    }
    const auto input_for = [&](float y) {
        const float x =
            first.inBlack + (y - first.outBlack) / rise * (first.inWhite - first.inBlack);
        return std::clamp(x, first.inBlack, first.inWhite);
    };
    both = {input_for(then.inBlack), input_for(then.inWhite), 1, low, high};
    if (both.inWhite - both.inBlack < kNarrowest) // a step: as steep as the programs draw one
        both.inWhite = both.inBlack + kNarrowest;
    return true;
}

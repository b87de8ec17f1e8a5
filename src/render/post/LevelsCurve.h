// Levels curves as numbers: the value a curve gives, as the levels programs draw it, and two
// straight curves one after the other folded into one, so that a chain of passes can apply
// both in a single read of the picture.
#pragma once

#include "PostParams.h"

// The curve at x, both on 0..255.
float levels_value(const cLevelsParams& curve, float x);
// `then` after `first` as one curve into `both`. Only curves of gamma 1 whose output rises (or
// stays) with their input fold; false for any other, `both` untouched.
bool follow_levels(const cLevelsParams& first, const cLevelsParams& then, cLevelsParams& both);

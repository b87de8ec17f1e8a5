// The one GL state every scene starts from: the fixed state the window's set-up leaves, and
// defaults for everything else a scene may change (masks, texture units, lights, materials,
// fog, point sprites, buffers, shaders). What a scene draws never depends on what ran before.
#pragma once

#include "base/cDisplaySettings.h"

// Puts every piece of that state in place, the picture's viewport included.
void set_baseline_state(const cDisplaySettings& settings);

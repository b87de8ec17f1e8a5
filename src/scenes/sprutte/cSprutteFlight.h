// The sprutte's camera and fog: in the intro a scripted flight from looking down the tube to
// facing the creature while a white fog wall recedes; from the main part on, the baked paths,
// a new one on the kicks (cSprutteKicks), through thin fog.
#pragma once

#include "cSprutteKicks.h"
#include "geometry/cCameraPaths.h"

#include <cstdint>

class cSprutteFlight {
public:
    // The cSprutteKicks::kPathCount paths, from the search path.
    void load();
    // The camera as the scene comes on: its lens and clip planes, and where it starts.
    static void init(cCamera& camera);
    // Puts `camera` and the fog where they are at `now_ms`, `since_s` seconds after the run's
    // first update of the scene. Reading the path's parameter may freeze it in `kicks`.
    void update(float since_s, int32_t now_ms, cSprutteKicks& kicks, cCamera& camera);

    // The tube's linear fog, set by each update.
    float fog_near = 0, fog_far = 0;

private:
    static void fly_intro(float since_s, cCamera& camera);

    cCameraPaths paths_; // cSprutteKicks::kPathCount of them
};

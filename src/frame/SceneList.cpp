#include "SceneList.h"

#include "scenes/attractor/cSceneAttractor.h"
#include "scenes/cSceneDummy.h"
#include "scenes/credits/cSceneCredits.h"
#include "scenes/creditssun/cSceneCreditsSol.h"
#include "scenes/end/cSceneEnd.h"
#include "scenes/scrub/cSceneScrub.h"
#include "scenes/solarflare/cSceneSolarFlare.h"
#include "scenes/sprutte/cSceneSprutte.h"

// The list's order is the timeline's numbering.
void add_scenes(cSceneManager& manager) {
    cDemoTime* time = &manager.demo_time();
    manager.set_fallback(new cSceneDummy(time));
    manager.add_scene(new cSceneSolarFlare(time));
    manager.add_scene(new cSceneSprutte(time));
    manager.add_scene(new cSceneCreditsSol(time));
    manager.add_scene(new cSceneAttractor(time));
    manager.add_scene(new cSceneScrub(time));
    manager.add_scene(new cSceneCredits(time));
    manager.add_scene(new cSceneEnd(time));
}

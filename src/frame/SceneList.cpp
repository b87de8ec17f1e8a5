#include "SceneList.h"

#include "scenes/cSceneDummy.h"
#include "scenes/end/cSceneEnd.h"
#include "scenes/scrub/cSceneScrub.h"

void add_scenes(cSceneManager& manager) {
    cDemoTime* time = &manager.demo_time();
    manager.set_fallback(new cSceneDummy(time));
    for (int number = 0; number < kSceneCount; ++number) {
        if (number == kEndScene)
            manager.add_scene(new cSceneEnd(time));
        else if (number == kScrubScene)
            manager.add_scene(new cSceneScrub(time));
        else
            manager.add_scene(new cSceneDummy(time));
    }
}

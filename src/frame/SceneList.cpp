#include "SceneList.h"

#include "scenes/attractor/cSceneAttractor.h"
#include "scenes/cSceneDummy.h"
#include "scenes/end/cSceneEnd.h"

void add_scenes(cSceneManager& manager) {
    cDemoTime* time = &manager.demo_time();
    manager.set_fallback(new cSceneDummy(time));
    for (int number = 0; number < kSceneCount; ++number) {
        if (number == kEndScene)
            manager.add_scene(new cSceneEnd(time));
        else if (number == kAttractorScene)
            manager.add_scene(new cSceneAttractor(time));
        else
            manager.add_scene(new cSceneDummy(time));
    }
}
